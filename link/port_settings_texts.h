#pragma once
// What the port settings dialog says.
#include "i18n/text.h"

#include <QString>

namespace serial::port_settings_texts {

inline constexpr i18n::Text kTitle = QT_TRANSLATE_NOOP("commtest", "通讯端口设置");
inline constexpr i18n::Text kPortFrame = QT_TRANSLATE_NOOP("commtest", "通讯口");
inline constexpr i18n::Text kRateFrame = QT_TRANSLATE_NOOP("commtest", "波特率");
inline constexpr i18n::Text kDataBitsFrame = QT_TRANSLATE_NOOP("commtest", "数据位");
inline constexpr i18n::Text kStopBitsFrame = QT_TRANSLATE_NOOP("commtest", "停止位");
inline constexpr i18n::Text kParityFrame = QT_TRANSLATE_NOOP("commtest", "校验");
inline constexpr i18n::Text kNoParity = QT_TRANSLATE_NOOP("commtest", "无");
inline constexpr i18n::Text kOk = QT_TRANSLATE_NOOP("commtest", "确定");
inline constexpr i18n::Text kCancel = QT_TRANSLATE_NOOP("commtest", "取消");
inline constexpr i18n::Text kStillOpen = QT_TRANSLATE_NOOP("commtest", "该通讯口已被其他设备占用！");
inline const QString kStillOpenTitle = QStringLiteral("Title");
inline constexpr i18n::Text kSaveFailed =
    QT_TRANSLATE_NOOP("commtest", "新的通讯口设置已生效，但无法保存到文件 %1：%2\n原来的设置文件保持不变。");
inline constexpr i18n::Text kSaveFailedTitle = QT_TRANSLATE_NOOP("commtest", "错误");

// Under the port options: which device the selected port is.
inline constexpr i18n::Text kDeviceIs = QT_TRANSLATE_NOOP("commtest", "设备：%1");
inline constexpr i18n::Text kDeviceAutomatic = QT_TRANSLATE_NOOP("commtest", "设备：%1（自动）");
inline constexpr i18n::Text kDeviceFromEnvironment =
    QT_TRANSLATE_NOOP("commtest", "设备：%1（由环境变量 COMMTEST_COM%2 指定）");
inline constexpr i18n::Text kMappedAbsent = QT_TRANSLATE_NOOP("commtest", "所配置的设备 %1 未连接");
inline constexpr i18n::Text kNoDevice = QT_TRANSLATE_NOOP("commtest", "系统中没有这个通讯口");
// Under the rate options, when the settings hold a rate none of them offers.
inline constexpr i18n::Text kRateKept = QT_TRANSLATE_NOOP("commtest", "保留当前波特率 %1bps");

} // namespace serial::port_settings_texts
