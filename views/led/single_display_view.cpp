// Single-display meters (four- and five-digit, two or four alarms) and the frequency meter.
#include "views/led/led_views.h"

#include "protocol/fields.h"
#include "views/view_helpers.h"

namespace views {

namespace {
constexpr int kValuePos = 10;    // six-digit fixed-point value
constexpr int kDecimalsPos = 14; // its decimal places, read again for the pattern
constexpr int kFirstAlarmPos = 16;
constexpr int kAlarmCount = 4;
} // namespace

void ShowDX(const QByteArray& ntemp, panel::PanelModel& panel, qint16& /*tn*/) {
    const FixedField measured = fixedFieldAt(ntemp, kValuePos);
    // These meters give their display decimals as a hexadecimal byte, unlike the controllers,
    // so "0A" selects no pattern here rather than "0".
    const int decimals = protocol::hexByteAt(ntemp, kDecimalsPos);
    // Every reply switches all four lamps, the two-alarm meter included.
    for (int i = 0; i < kAlarmCount; ++i)
        applyAlarm(panel.image2[i], protocol::hexByteAt(ntemp, kFirstAlarmPos + 2 * i));
    writeWithDecimals(panel.label1[0], measured.value, decimals);
}

} // namespace views
