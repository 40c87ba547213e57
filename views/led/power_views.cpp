// The three-phase power meter and module share one reply: per phase voltage, current and power
// factor, then frequency, active and reactive power. Only the meter has alarm lamps.
#include "views/led/led_captions.h"
#include "views/led/led_views.h"

#include "protocol/fields.h"
#include "protocol/number_format.h"
#include "views/view_helpers.h"

#include <array>

namespace views {

namespace {

constexpr int kFirstFloatPos = 10;
constexpr int kFloatCount = 12;
enum Float { Frequency = 9, ActivePower = 10, ReactivePower = 11 };

// The meter's five alarm states are single hexadecimal characters. Their true place behind the
// phase data is not documented; they are read over the first five characters of the frequency
// field, so a meter's lamps and its frequency come from the same characters.
constexpr int kFirstAlarmCharPos = 82;
constexpr int kLampCount = 5;

// One text line per phase, naming the phase by its letter.
struct Phase {
    int label;
    char letter;
    int firstFloat; // voltage, then current, then power factor
};
constexpr Phase kPhases[] = {{2, 'A', 0}, {3, 'B', 3}, {8, 'C', 6}};

QString phaseLine(const Phase& phase, const std::array<float, kFloatCount>& f) {
    const QChar x = QLatin1Char(phase.letter);
    return QStringLiteral("U") + x + QStringLiteral(":") + protocol::formatNumber(f[phase.firstFloat], 1) +
           QStringLiteral("，A") + x + QStringLiteral(":") + protocol::formatNumber(f[phase.firstFloat + 1], 2) +
           QStringLiteral("，Cos") + x + QStringLiteral(":") + protocol::formatNumber(f[phase.firstFloat + 2], 3);
}

} // namespace

void ShowAC(const QByteArray& ntemp, panel::PanelModel& panel, qint16& /*tn*/) {
    std::array<float, kFloatCount> f{};
    for (int i = 0; i < kFloatCount; ++i) f[i] = floatAt(ntemp, kFirstFloatPos + 8 * i);

    // The reply does not say which of the two instruments sent it; the window's type label does.
    if (panel.label3[2].caption == QString::fromUtf8(led::kPowerMeterTypeCaption)) {
        for (int i = 0; i < kLampCount; ++i) {
            const quint32 state = protocol::leadingHex(protocol::field(ntemp, kFirstAlarmCharPos + i, 1));
            panel.image2[i].visible = state != 0; // any nonzero state lights, unlike the 1-or-2 rule
        }
    }

    panel.label1[0].caption = protocol::formatNumber(f[ActivePower], 1);
    panel.label1[1].caption = protocol::formatNumber(f[ReactivePower], 1);
    panel.label1[4].caption = protocol::formatNumber(f[Frequency], 2);
    for (const Phase& phase : kPhases) {
        panel.label1[phase.label].caption = phaseLine(phase, f);
        panel.label1[phase.label].visible = true;
    }
}

} // namespace views
