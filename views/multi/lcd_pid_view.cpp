// The LCD PID controller: two lines page between the inputs and the set value with the output.
#include "protocol/fields.h"
#include "protocol/number_format.h"
#include "views/multi/lcd_captions.h"
#include "views/multi/lcd_lines.h"
#include "views/multi/multi_views.h"
#include "views/multi/paging.h"
#include "views/reading_table.h"

namespace views {

namespace {
constexpr int kCallsPerPage = 20;
constexpr int kPages = 2;
constexpr int kFirstFlag = 10;
constexpr int kFirstValue = 16;
constexpr int kFirstStatus = 48;
enum Key { IN1, IN2, SV, MV, MANUAL, NUMBER, SUFFIX_E, AL1 };
} // namespace

const ReadingTable& lcdPidReadings() {
    static const ReadingTable table(joined({
        {{QStringLiteral("IN1"), QStringLiteral("1路"), QString(), 1, QStringLiteral("input 1")},
         {QStringLiteral("IN2"), QStringLiteral("2路"), QString(), 1, QStringLiteral("input 2")},
         {QStringLiteral("SV"), QStringLiteral("设定"), QString(), 1, QStringLiteral("set value")},
         {QStringLiteral("MV"), QStringLiteral("输出"), QStringLiteral("%"), 1,
          QStringLiteral("output in percent, manual or automatic")},
         {QStringLiteral("MANUAL"), QStringLiteral("手动输出"), QString(), 0,
          QStringLiteral("1 while the output is in manual mode (mode byte 1), 0 for automatic")},
         {QStringLiteral("NUMBER"), QStringLiteral("编号"), QString(), 0,
          QStringLiteral("the number shown after the set value: the reply's number byte plus one")},
         {QStringLiteral("SUFFIX_E"), QStringLiteral("/E"), QString(), 0,
          QStringLiteral("1 when the set value ends in /E (its flag byte is not 0), 0 for /R")}},
        alarmRows(3, QStringLiteral("alarm %1: 1 while its lamp is lit (state 1 or 2)")),
    }));
    return table;
}

void ShowLCDPID(const QByteArray& ntemp, panel::PanelModel& panel, qint16& tn, protocol::Readings& readings) {
    lcdPidReadings().reset(readings);
    const int page = advancePage(tn, kCallsPerPage, kPages);
    const auto values = lcd::floatsFrom<4>(ntemp, kFirstValue);
    const int manual = hexByteAt(ntemp, kFirstFlag);
    const int number = hexByteAt(ntemp, kFirstFlag + 2);
    const int suffix = hexByteAt(ntemp, kFirstFlag + 4);
    const bool isManual = manual == 1;
    lcd::readValues(&readings[IN1], values.data(), 4);
    setFlag(readings[MANUAL], isManual);
    readings[NUMBER].value = number + 1;
    setFlag(readings[SUFFIX_E], suffix != 0);
    lcd::applyLamps(panel, ntemp, kFirstStatus, &readings[AL1]);

    panel::Label& output = panel.label1[1];
    if (page == 0) {
        output.color = panel::kBlack; // the red of a manual output belongs to the second page only
        lcd::writeChannelLines(panel, values.data(), 2);
        return;
    }
    panel.label1[0].caption = lcd::prefixed(captions::kSetValue, values[2]) + QLatin1Char('/') +
                              protocol::formatNumber(number + 1, 0, 2) +
                              (suffix == 0 ? captions::kSuffixR : captions::kSuffixE);
    output.color = isManual ? panel::kRed : panel::kBlack;
    output.caption =
        lcd::prefixed(isManual ? captions::kManualOutput : captions::kAutomaticOutput, values[3]) +
        captions::kPercent;
}

} // namespace views
