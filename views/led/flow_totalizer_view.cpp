// The flow totalizer: main value, accumulated total, compensation temperature and pressure,
// instantaneous flow and two alarm lamps. Every value shows with one decimal.
#include "views/led/led_captions.h"
#include "views/led/led_views.h"

#include "protocol/fields.h"
#include "protocol/number_format.h"
#include "views/reading_table.h"
#include "views/view_helpers.h"

#include <array>

namespace views {

namespace {
constexpr int kFirstFloatPos = 10;
constexpr int kFloatCount = 6;
constexpr int kFirstAlarmPos = 58;
constexpr int kAlarmCount = 2;
enum Float { Temperature, Pressure, MainValue, FlowPerSecond, TotalHundreds, TotalRemainder };
enum Key { TEMP, PRES, MAIN, FLOW, TOTAL, AL1 };

QString oneDecimal(double value) {
    return protocol::formatNumber(value, 1);
}
} // namespace

const ReadingTable& flowTotalizerReadings() {
    static const ReadingTable table(joined({
        {{QStringLiteral("TEMP"), QStringLiteral("补偿温度值"), QString(), 1,
          QStringLiteral("compensation temperature")},
         {QStringLiteral("PRES"), QStringLiteral("补偿压力值"), QString(), 1,
          QStringLiteral("compensation pressure")},
         {QStringLiteral("MAIN"), QStringLiteral("主显示值"), QString(), 1,
          QStringLiteral("the main value in the upper large display")},
         {QStringLiteral("FLOW"), QStringLiteral("瞬时流量值"), QString(), 1,
          QStringLiteral("instantaneous flow as shown: the reply's flow per second times 3600")},
         {QStringLiteral("TOTAL"), QStringLiteral("累积流量"), QString(), 1,
          QStringLiteral("accumulated total as shown: hundreds part times 100 plus the remainder")}},
        alarmRows(kAlarmCount, QStringLiteral("alarm %1: 1 while its lamp is lit (state 1 or 2)")),
    }));
    return table;
}

void ShowLL(const QByteArray& ntemp, panel::PanelModel& panel, qint16& /*tn*/, protocol::Readings& readings) {
    flowTotalizerReadings().reset(readings);
    std::array<float, kFloatCount> f{};
    for (int i = 0; i < kFloatCount; ++i)
        f[i] = floatAt(ntemp, kFirstFloatPos + 8 * i);
    for (int i = 0; i < kAlarmCount; ++i) {
        const int state = hexByteAt(ntemp, kFirstAlarmPos + 2 * i);
        applyAlarm(panel.image2[i], state);
        setFlag(readings[AL1 + i], alarmShown(state));
    }

    // The instrument splits its total in two floats to keep digits; summed in double, the total
    // is then shown with the seven or so digits a float holds.
    const float total = static_cast<float>(static_cast<double>(f[TotalHundreds]) * 100.0 +
                                           static_cast<double>(f[TotalRemainder]));
    const float perHour = static_cast<float>(static_cast<double>(f[FlowPerSecond]) * 3600.0);
    readings[TEMP].value = f[Temperature];
    readings[PRES].value = f[Pressure];
    readings[MAIN].value = f[MainValue];
    readings[FLOW].value = perHour;
    readings[TOTAL].value = total;

    panel.label1[0].caption = oneDecimal(f[MainValue]);
    panel.label1[1].caption = oneDecimal(total);

    panel.label1[2].caption = QString::fromUtf8(led::kCompensationTemperature) + oneDecimal(f[Temperature]) +
                              QString::fromUtf8(led::kCompensationPressure) + oneDecimal(f[Pressure]);
    panel.label1[2].visible = true;

    panel.label1[3].caption = QString::fromUtf8(led::kInstantaneousFlow) + oneDecimal(perHour);
    panel.label1[3].visible = true;
}

} // namespace views
