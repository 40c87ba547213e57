// The three-phase power meter and module share one reply: per phase voltage, current and power
// factor, then frequency, active and reactive power. Only the meter has alarm lamps.
#include "views/led/led_captions.h"
#include "views/led/led_views.h"

#include "protocol/fields.h"
#include "protocol/frame.h"
#include "protocol/number_format.h"
#include "views/reading_table.h"
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
constexpr int kMeterCode = 0x1E;

// Readings: the twelve floats in reply order, then the meter's five lamps.
constexpr int kFirstLampReading = kFloatCount;

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
           QStringLiteral("，A") + x + QStringLiteral(":") +
           protocol::formatNumber(f[phase.firstFloat + 1], 2) + QStringLiteral("，Cos") + x +
           QStringLiteral(":") + protocol::formatNumber(f[phase.firstFloat + 2], 3);
}

std::vector<ReadingRow> phaseRows() {
    std::vector<ReadingRow> out;
    for (const Phase& phase : kPhases) {
        const QChar x = QLatin1Char(phase.letter);
        // Labels from patterns, so that a translation of the pattern serves every phase.
        out.push_back({QStringLiteral("U") + x, QStringLiteral("%1相电压").arg(x), QString(), 1,
                       QStringLiteral("phase %1 voltage").arg(x)});
        out.push_back({QStringLiteral("I") + x, QStringLiteral("%1相电流").arg(x), QString(), 2,
                       QStringLiteral("phase %1 current").arg(x)});
        out.push_back({QStringLiteral("COS") + x, QStringLiteral("%1相功率因数").arg(x), QString(), 3,
                       QStringLiteral("phase %1 power factor").arg(x)});
    }
    return out;
}

std::vector<ReadingRow> powerRows() {
    return joined({
        phaseRows(),
        {{QStringLiteral("F"), QString::fromUtf8(led::kFrequencyTitle), QString(), 2,
          QStringLiteral("frequency")},
         {QStringLiteral("P"), QString::fromUtf8(led::kActivePowerTitle), QString(), 1,
          QStringLiteral("active power")},
         {QStringLiteral("Q"), QString::fromUtf8(led::kReactivePowerTitle), QString(), 1,
          QStringLiteral("reactive power")}},
    });
}

} // namespace

const ReadingTable& powerMeterReadings() {
    static const ReadingTable table(joined({
        powerRows(),
        alarmRows(kLampCount,
                  QStringLiteral("alarm %1: 1 while its lamp is lit (its character is not 0); the "
                                 "five characters are the first five of the frequency field")),
    }));
    return table;
}

const ReadingTable& powerModuleReadings() {
    static const ReadingTable table(powerRows());
    return table;
}

void ShowAC(const QByteArray& ntemp, panel::PanelModel& panel, qint16& /*tn*/, protocol::Readings& readings) {
    // The two instruments share this view; their readings differ by the type code in the reply.
    const bool meterReply = protocol::replyTypeCode(ntemp) == kMeterCode;
    (meterReply ? powerMeterReadings() : powerModuleReadings()).reset(readings);
    std::array<float, kFloatCount> f{};
    for (int i = 0; i < kFloatCount; ++i) {
        f[i] = floatAt(ntemp, kFirstFloatPos + 8 * i);
        readings[i].value = f[i];
    }

    // Which lamps the panel shows goes by the window's type label: the reply does not say which of
    // the two instruments the window was opened for.
    const bool meterWindow = panel.label3[2].caption == QString::fromUtf8(led::kPowerMeterTypeCaption);
    for (int i = 0; i < kLampCount; ++i) {
        const quint32 state = leadingHexAt(ntemp, kFirstAlarmCharPos + i, 1);
        // Any nonzero state lights, unlike the 1-or-2 rule.
        if (meterWindow) panel.image2[i].visible = state != 0;
        if (meterReply) setFlag(readings[kFirstLampReading + i], state != 0);
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
