#pragma once
// What the search dialog shows.
#include "i18n/text.h"

#include <QString>

namespace searchtext {
inline constexpr i18n::Text kTitle = QT_TRANSLATE_NOOP("commtest", "搜索");
// The instruction, in the order the four labels are indexed: Label1(0), (1), (2), (4).
inline constexpr i18n::Text kLabel1_0 = QT_TRANSLATE_NOOP("commtest", "搜索所有在线的数字仪表，点击确定开");
inline constexpr i18n::Text kLabel1_2 = QT_TRANSLATE_NOOP("commtest", "始操作。");
inline constexpr i18n::Text kLabel1_4 = QT_TRANSLATE_NOOP("commtest", "若需重新设置通讯口，请点击取消键以");
inline constexpr i18n::Text kLabel1_1 = QT_TRANSLATE_NOOP("commtest", "跳过此步骤。");
inline constexpr i18n::Text kPortCaption = QT_TRANSLATE_NOOP("commtest", "通讯口：");
inline constexpr i18n::Text kRateCaption = QT_TRANSLATE_NOOP("commtest", "波特率：");
// The first address field sits over the seven blanks.
inline constexpr i18n::Text kRangeBefore = QT_TRANSLATE_NOOP("commtest", "搜索地址从");
inline const QString kRangeGap = QStringLiteral("       ");
inline constexpr i18n::Text kRangeAfter = QT_TRANSLATE_NOOP("commtest", "到");
inline const QString kFirstDefault = QStringLiteral("1");
inline const QString kLastDefault = QStringLiteral("200");
// Under the address range; off until the operator chooses it, then remembered.
inline constexpr i18n::Text kFastScan = QT_TRANSLATE_NOOP("commtest", "快速搜索");
inline constexpr i18n::Text kOk = QT_TRANSLATE_NOOP("commtest", "确定");
inline constexpr i18n::Text kCancel = QT_TRANSLATE_NOOP("commtest", "取消");
inline const QString kPortPrefix = QStringLiteral("COM");
} // namespace searchtext
