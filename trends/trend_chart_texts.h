#pragma once
// What the trend chart writes of its own: the table's captions, the cursor marks, the flag axis.
#include <QString>

namespace trendtext {
inline const QString kReading = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "读数"));
inline const QString kMin = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "最小"));
inline const QString kMax = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "最大"));
inline const QString kMean = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "平均"));
inline const QString kHover = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "光标"));
inline const QString kCursorA = QStringLiteral("A");
inline const QString kCursorB = QStringLiteral("B");
inline const QString kDelta = QStringLiteral("B−A");
// Tool tip of the chart: how the mouse works it.
inline const QString kMouseHelp = QStringLiteral(
    QT_TRANSLATE_NOOP("commtest", "滚轮：缩放时间　拖动：平移　单击：放置光标 A/B　右键：清除光标"));
} // namespace trendtext
