// The LCD PID controller: two lines page between the inputs and the set value with the output.
#include "protocol/fields.h"
#include "protocol/number_format.h"
#include "views/multi/lcd_captions.h"
#include "views/multi/lcd_lines.h"
#include "views/multi/multi_views.h"
#include "views/multi/paging.h"

namespace views {

namespace {
constexpr int kCallsPerPage = 20;
constexpr int kPages = 2;
constexpr int kFirstFlag = 10;
constexpr int kFirstValue = 16;
constexpr int kFirstStatus = 48;
} // namespace

void ShowLCDPID(const QByteArray& ntemp, panel::PanelModel& panel, qint16& tn) {
    const int page = advancePage(tn, kCallsPerPage, kPages);
    const auto values = lcd::floatsFrom<4>(ntemp, kFirstValue);
    const int manual = protocol::hexByteAt(ntemp, kFirstFlag);
    const int number = protocol::hexByteAt(ntemp, kFirstFlag + 2);
    const int suffix = protocol::hexByteAt(ntemp, kFirstFlag + 4);
    lcd::applyLamps(panel, ntemp, kFirstStatus);

    panel::Label& output = panel.label1[1];
    if (page == 0) {
        output.color = panel::kBlack; // the red of a manual output belongs to the second page only
        lcd::writeChannelLines(panel, ntemp, kFirstValue, 2);
        return;
    }
    panel.label1[0].caption = lcd::prefixed(captions::kSetValue, values[2]) + QLatin1Char('/') +
                              protocol::formatNumber(number + 1, 0, 2) +
                              (suffix == 0 ? captions::kSuffixR : captions::kSuffixE);
    const bool isManual = manual == 1;
    output.color = isManual ? panel::kRed : panel::kBlack;
    output.caption =
        lcd::prefixed(isManual ? captions::kManualOutput : captions::kAutomaticOutput, values[3]) +
        captions::kPercent;
}

} // namespace views
