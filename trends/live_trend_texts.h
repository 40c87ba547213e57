#pragma once
// What the live trend window says.
#include "i18n/text.h"

#include <QString>

namespace livetext {
inline constexpr i18n::Text kTitle = QT_TRANSLATE_NOOP("commtest", "实时趋势");
// Title with an instrument: followed by the address and the model name.
inline constexpr i18n::Text kAddress = QT_TRANSLATE_NOOP("commtest", "地址 ");
inline constexpr i18n::Text kSpan = QT_TRANSLATE_NOOP("commtest", "时间跨度：");
inline constexpr i18n::Text kFollow = QT_TRANSLATE_NOOP("commtest", "跟随最新");
inline constexpr i18n::Text kClearCursors = QT_TRANSLATE_NOOP("commtest", "清除光标");
inline constexpr i18n::Text kRecord = QT_TRANSLATE_NOOP("commtest", "记录");
inline constexpr i18n::Text kReadings = QT_TRANSLATE_NOOP("commtest", "显示的读数");
// Status line: polls, how many had no accepted reply, time of the newest.
inline constexpr i18n::Text kPolls = QT_TRANSLATE_NOOP("commtest", "采样 %1 次，无应答 %2 次");
inline constexpr i18n::Text kNewest = QT_TRANSLATE_NOOP("commtest", "，最新 %1");
inline constexpr i18n::Text kWaiting = QT_TRANSLATE_NOOP("commtest", "等待数据…");
} // namespace livetext
