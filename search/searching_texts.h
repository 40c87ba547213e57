#pragma once
// What the search window shows.
#include "i18n/text.h"

#include <QString>

namespace searchingtext {
inline constexpr i18n::Text kPortCaption = QT_TRANSLATE_NOOP("commtest", "通讯口：");
inline constexpr i18n::Text kRateCaption = QT_TRANSLATE_NOOP("commtest", "波特率：");
inline constexpr i18n::Text kAddressCaption = QT_TRANSLATE_NOOP("commtest", "已经搜索地址：");
inline constexpr i18n::Text kFoundCaption = QT_TRANSLATE_NOOP("commtest", "已找到：");
inline constexpr i18n::Text kElapsedCaption = QT_TRANSLATE_NOOP("commtest", "已用时间：");
inline constexpr i18n::Text kLeftCaption = QT_TRANSLATE_NOOP("commtest", "剩余时间：");
inline constexpr i18n::Text kStop = QT_TRANSLATE_NOOP("commtest", "停止");
inline const QString kPortPrefix = QStringLiteral("COM");
} // namespace searchingtext
