#pragma once
// What the live trend window says.
#include <QString>

namespace livetext {
inline const QString kTitle = QStringLiteral("实时趋势");
// Title with an instrument: followed by the address and the model name.
inline const QString kAddress = QStringLiteral("地址 ");
inline const QString kSpan = QStringLiteral("时间跨度：");
inline const QString kFollow = QStringLiteral("跟随最新");
inline const QString kClearCursors = QStringLiteral("清除光标");
inline const QString kRecord = QStringLiteral("记录");
inline const QString kReadings = QStringLiteral("显示的读数");
// Status line: polls, how many had no accepted reply, time of the newest.
inline const QString kPolls = QStringLiteral("采样 %1 次，无应答 %2 次");
inline const QString kNewest = QStringLiteral("，最新 %1");
inline const QString kWaiting = QStringLiteral("等待数据…");
} // namespace livetext
