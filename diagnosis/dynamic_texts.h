#pragma once
// What the diagnosis window shows of its own; the views write the rest.
#include "i18n/text.h"

#include <QString>

namespace dynamictext {
inline constexpr i18n::Text kTitle = QT_TRANSLATE_NOOP("commtest", "数据诊断");
inline constexpr i18n::Text kExit = QT_TRANSLATE_NOOP("commtest", "退出");
// The live trend of what the window polls, and the switch that records the poll.
inline constexpr i18n::Text kTrend = QT_TRANSLATE_NOOP("commtest", "趋势");
inline constexpr i18n::Text kRecord = QT_TRANSLATE_NOOP("commtest", "记录");
// Label3(0..2): followed by the port number, the rate and the model name.
inline const QString kPortLabel = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "通讯口： COM"));
inline const QString kRateLabel = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "波特率： "));
inline const QString kTypeLabel = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "仪表类型："));
} // namespace dynamictext
