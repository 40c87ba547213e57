// Single-display meters (four- and five-digit, two or four alarms) and the frequency meter.
#include "views/led/led_views.h"

#include "protocol/fields.h"
#include "views/reading_table.h"
#include "views/view_helpers.h"

namespace views {

namespace {
constexpr int kValuePos = 10;    // six-digit fixed-point value
constexpr int kDecimalsPos = 14; // its decimal places, read again for the pattern
constexpr int kFirstAlarmPos = 16;
constexpr int kAlarmCount = 4;

enum Key { PV, AL1 };
} // namespace

const ReadingTable& singleDisplayReadings() {
    static const ReadingTable table(joined({
        {{QStringLiteral("PV"), QStringLiteral("测量值"), QString(), kDecimalsFromReply,
          QStringLiteral("the measured value in the large display (the frequency on the frequency meter)")}},
        alarmRows(kAlarmCount, QStringLiteral("alarm %1: 1 while its lamp is lit (state 1 or 2), also on the "
                                              "two-alarm meter")),
    }));
    return table;
}

void ShowDX(const QByteArray& ntemp, panel::PanelModel& panel, qint16& /*tn*/, protocol::Readings& readings) {
    singleDisplayReadings().reset(readings);
    const FixedField measured = fixedFieldAt(ntemp, kValuePos);
    // These meters give their display decimals as a hexadecimal byte, unlike the controllers,
    // so "0A" selects no pattern here rather than "0".
    const int decimals = hexByteAt(ntemp, kDecimalsPos);
    readings[PV].value = measured.value;
    readings[PV].decimals = replyDecimals(decimals);
    // Every reply switches all four lamps, the two-alarm meter included.
    for (int i = 0; i < kAlarmCount; ++i) {
        const int state = hexByteAt(ntemp, kFirstAlarmPos + 2 * i);
        applyAlarm(panel.image2[i], state);
        setFlag(readings[AL1 + i], alarmShown(state));
    }
    writeWithDecimals(panel.label1[0], measured.value, decimals);
}

} // namespace views
