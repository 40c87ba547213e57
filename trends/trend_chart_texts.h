#pragma once
// What the trend chart writes of its own: the table's captions, the cursor marks, the flag axis.
#include "i18n/text.h"

#include <QString>

namespace trendtext {
inline constexpr i18n::Text kReading = QT_TRANSLATE_NOOP("commtest", "读数");
inline constexpr i18n::Text kMin = QT_TRANSLATE_NOOP("commtest", "最小");
inline constexpr i18n::Text kMax = QT_TRANSLATE_NOOP("commtest", "最大");
inline constexpr i18n::Text kMean = QT_TRANSLATE_NOOP("commtest", "平均");
inline constexpr i18n::Text kHover = QT_TRANSLATE_NOOP("commtest", "光标");
inline const QString kCursorA = QStringLiteral("A");
inline const QString kCursorB = QStringLiteral("B");
inline const QString kDelta = QStringLiteral("B−A");
// Tool tip of the chart: how the mouse works it.
inline constexpr i18n::Text kMouseHelp =
    QT_TRANSLATE_NOOP("commtest", "滚轮：缩放时间　拖动：平移　单击：放置光标 A/B　右键：清除光标");
} // namespace trendtext
