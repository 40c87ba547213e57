#pragma once
// What the search dialog shows.
#include <QString>

namespace searchtext {
inline const QString kTitle = QStringLiteral("搜索");
// The instruction, in the order the four labels are indexed: Label1(0), (1), (2), (4).
inline const QString kLabel1_0 = QStringLiteral("搜索所有在线的数字仪表，点击确定开");
inline const QString kLabel1_2 = QStringLiteral("始操作。");
inline const QString kLabel1_4 = QStringLiteral("若需重新设置通讯口，请点击取消键以");
inline const QString kLabel1_1 = QStringLiteral("跳过此步骤。");
inline const QString kPortCaption = QStringLiteral("通讯口：");
inline const QString kRateCaption = QStringLiteral("波特率：");
// The first address field sits over the seven blanks.
inline const QString kRangeBefore = QStringLiteral("搜索地址从");
inline const QString kRangeGap = QStringLiteral("       ");
inline const QString kRangeAfter = QStringLiteral("到");
inline const QString kFirstDefault = QStringLiteral("1");
inline const QString kLastDefault = QStringLiteral("200");
// Under the address range; off until the operator chooses it, then remembered.
inline const QString kFastScan = QStringLiteral("快速搜索");
inline const QString kOk = QStringLiteral("确定");
inline const QString kCancel = QStringLiteral("取消");
inline const QString kPortPrefix = QStringLiteral("COM");
} // namespace searchtext
