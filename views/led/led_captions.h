#pragma once
// Every caption the LED-series views write, in one place. UTF-8; the full-width commas and the
// em dashes are part of the text.

namespace views::led {

// Manual operator and PID controllers.
inline constexpr char kControlOutput[] = "控制输出:";
inline constexpr char kSetValue[] = "SV设定值:";
inline constexpr char kSecondInput[] = "第二输入值:";
inline constexpr char kPidOutput[] = "PID输出:";
inline constexpr char kPercent[] = "%";

// Flow totalizer.
inline constexpr char kCompensationTemperature[] = "补偿温度值:";
inline constexpr char kCompensationPressure[] = "，补偿压力值:";
inline constexpr char kInstantaneousFlow[] = "瞬时流量值:";

// Three-phase power: the module's titles over its three large values.
inline constexpr char kActivePowerTitle[] = "有功功率P";
inline constexpr char kReactivePowerTitle[] = "无功功率Q";
inline constexpr char kFrequencyTitle[] = "频率F";

// The diagnosis window's instrument-type label when it is showing the three-phase meter; the
// module shares the meter's view but has no alarm lamps.
inline constexpr char kPowerMeterTypeCaption[] = "仪表类型：LED系列——三相电量表";

} // namespace views::led
