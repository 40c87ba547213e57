#pragma once
// What the search window shows.
#include <QString>

namespace searchingtext {
inline const QString kPortCaption = QStringLiteral("通讯口：");
inline const QString kRateCaption = QStringLiteral("波特率：");
inline const QString kAddressCaption = QStringLiteral("已经搜索地址：");
inline const QString kFoundCaption = QStringLiteral("已找到：");
inline const QString kElapsedCaption = QStringLiteral("已用时间：");
inline const QString kLeftCaption = QStringLiteral("剩余时间：");
inline const QString kStop = QStringLiteral("停止");
inline const QString kPortPrefix = QStringLiteral("COM");
} // namespace searchingtext
