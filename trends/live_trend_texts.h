#pragma once
// What the live trend window says.
#include <QString>

namespace livetext {
inline const QString kTitle = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "实时趋势"));
// Title with an instrument: followed by the address and the model name.
inline const QString kAddress = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "地址 "));
inline const QString kSpan = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "时间跨度："));
inline const QString kFollow = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "跟随最新"));
inline const QString kClearCursors = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "清除光标"));
inline const QString kRecord = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "记录"));
inline const QString kReadings = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "显示的读数"));
// Status line: polls, how many had no accepted reply, time of the newest.
inline const QString kPolls = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "采样 %1 次，无应答 %2 次"));
inline const QString kNewest = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "，最新 %1"));
inline const QString kWaiting = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "等待数据…"));
} // namespace livetext
