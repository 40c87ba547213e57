// The LCD totalizing recorders: four lines paging through channel values, the power-failure record,
// instantaneous values and accumulated totals.
#include "protocol/fields.h"
#include "protocol/number_format.h"
#include "views/multi/lcd_captions.h"
#include "views/multi/lcd_lines.h"
#include "views/multi/multi_views.h"
#include "views/multi/paging.h"

namespace views {

namespace {

constexpr int kFirstValue = 10;

// The instrument sends rates per second; the window shows them per hour.
float perHour(float perSecond) {
    return static_cast<float>(perSecond * 3600.0);
}

// A total travels as a high part counting hundreds and a low part; the sum is kept as a float.
float total(float high, float low) {
    return static_cast<float>(high * 100.0 + low);
}

// The first page of both recorders: three channel lines, then the power-failure count and time.
void writeChannelPage(panel::PanelModel& panel, const QByteArray& ntemp, int countPos, int timePos) {
    lcd::writeChannelLines(panel, ntemp, kFirstValue, 3);
    const int count = protocol::hexByteAt(ntemp, countPos);
    const float seconds = floatAt(ntemp, timePos);
    panel.label1[lcd::kLines[3]].caption = captions::kPowerFailure + protocol::formatNumber(count, 0) +
                                           captions::kPowerFailureDash + protocol::formatNumber(seconds, 0) +
                                           captions::kSeconds;
}

} // namespace

void ShowLCDLL(const QByteArray& ntemp, panel::PanelModel& panel, qint16& tn) {
    if (advancePage(tn, 10, 2) == 0) {
        writeChannelPage(panel, ntemp, 82, 84);
        return;
    }
    const auto f = lcd::floatsFrom<9>(ntemp, kFirstValue);
    lcd::writeLines(panel, {lcd::prefixed(captions::kInstantFlow, perHour(f[3])),
                            lcd::prefixed(captions::kInstantHeat, perHour(f[4])),
                            lcd::prefixed(captions::kTotalFlow, total(f[5], f[6])),
                            lcd::prefixed(captions::kTotalHeat, total(f[7], f[8]))});
}

void ShowLCD3LL(const QByteArray& ntemp, panel::PanelModel& panel, qint16& tn) {
    const int page = advancePage(tn, 5, 3);
    if (page == 0) {
        writeChannelPage(panel, ntemp, 106, 108);
        return;
    }
    const auto f = lcd::floatsFrom<12>(ntemp, kFirstValue);
    std::array<QString, 4> lines; // the fourth line stays empty on these pages
    for (int k = 0; k < 3; ++k) {
        lines[k] = page == 1 ? lcd::prefixed(captions::kInstantFlowOf[k], perHour(f[3 + k]))
                             : lcd::prefixed(captions::kTotalFlowOf[k], total(f[6 + 2 * k], f[7 + 2 * k]));
    }
    lcd::writeLines(panel, lines);
}

} // namespace views
