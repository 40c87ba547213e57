#pragma once
// What the commissioning report says.
#include "i18n/text.h"

#include <QString>

namespace report::texts {

inline constexpr i18n::Text kTitle = QT_TRANSLATE_NOOP("commtest", "仪表调试报告");
inline constexpr i18n::Text kPrintedAt = QT_TRANSLATE_NOOP("commtest", "日期时间");
inline constexpr i18n::Text kPort = QT_TRANSLATE_NOOP("commtest", "通讯口");
inline constexpr i18n::Text kPortValue = QT_TRANSLATE_NOOP("commtest", "COM%1，%2bps");
inline constexpr i18n::Text kListHeading = QT_TRANSLATE_NOOP("commtest", "仪表列表");
inline constexpr i18n::Text kNoInstruments = QT_TRANSLATE_NOOP("commtest", "列表中没有仪表。");
inline constexpr i18n::Text kReadingsHeading = QT_TRANSLATE_NOOP("commtest", "诊断读数");
inline constexpr i18n::Text kNoReadings = QT_TRANSLATE_NOOP("commtest", "本次运行没有诊断过仪表。");
inline constexpr i18n::Text kReadAt = QT_TRANSLATE_NOOP("commtest", "读取时间 %1");
inline constexpr i18n::Text kUnknownModel = QT_TRANSLATE_NOOP("commtest", "未知类型 %1");
inline const QString kDateTimeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");

// The list's columns, and the readings' columns.
inline constexpr i18n::Text kNumber = QT_TRANSLATE_NOOP("commtest", "序号");
inline constexpr i18n::Text kAddress = QT_TRANSLATE_NOOP("commtest", "地址");
inline constexpr i18n::Text kModel = QT_TRANSLATE_NOOP("commtest", "型号");
inline constexpr i18n::Text kRoundTrip = QT_TRANSLATE_NOOP("commtest", "往返时间(ms)");
inline constexpr i18n::Text kFoundAt = QT_TRANSLATE_NOOP("commtest", "发现时间");
inline constexpr i18n::Text kLabel = QT_TRANSLATE_NOOP("commtest", "项目");
inline constexpr i18n::Text kValue = QT_TRANSLATE_NOOP("commtest", "读数");
inline constexpr i18n::Text kUnit = QT_TRANSLATE_NOOP("commtest", "单位");

} // namespace report::texts
