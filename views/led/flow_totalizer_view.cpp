// The flow totalizer: main value, accumulated total, compensation temperature and pressure,
// instantaneous flow and two alarm lamps. Every value shows with one decimal.
#include "views/led/led_captions.h"
#include "views/led/led_views.h"

#include "protocol/fields.h"
#include "protocol/number_format.h"
#include "views/view_helpers.h"

#include <array>

namespace views {

namespace {
constexpr int kFirstFloatPos = 10;
constexpr int kFloatCount = 6;
constexpr int kFirstAlarmPos = 58;
enum Float { Temperature, Pressure, MainValue, FlowPerSecond, TotalHundreds, TotalRemainder };

QString oneDecimal(double value) { return protocol::formatNumber(value, 1); }
} // namespace

void ShowLL(const QByteArray& ntemp, panel::PanelModel& panel, qint16& /*tn*/) {
    std::array<float, kFloatCount> f{};
    for (int i = 0; i < kFloatCount; ++i) f[i] = floatAt(ntemp, kFirstFloatPos + 8 * i);
    for (int i = 0; i < 2; ++i) applyAlarm(panel.image2[i], protocol::hexByteAt(ntemp, kFirstAlarmPos + 2 * i));

    panel.label1[0].caption = oneDecimal(f[MainValue]);
    // The instrument splits its total in two floats to keep digits; summed in double, the total
    // is then shown with the seven or so digits a float holds.
    const double total = static_cast<double>(f[TotalHundreds]) * 100.0 + static_cast<double>(f[TotalRemainder]);
    panel.label1[1].caption = oneDecimal(static_cast<float>(total));

    panel.label1[2].caption = QString::fromUtf8(led::kCompensationTemperature) + oneDecimal(f[Temperature]) +
                              QString::fromUtf8(led::kCompensationPressure) + oneDecimal(f[Pressure]);
    panel.label1[2].visible = true;

    const float perHour = static_cast<float>(static_cast<double>(f[FlowPerSecond]) * 3600.0);
    panel.label1[3].caption = QString::fromUtf8(led::kInstantaneousFlow) + oneDecimal(perHour);
    panel.label1[3].visible = true;
}

} // namespace views
