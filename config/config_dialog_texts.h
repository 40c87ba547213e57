#pragma once
// What the 配置 dialog says.
#include "i18n/text.h"

#include <QString>

namespace config::dialog_texts {

inline constexpr i18n::Text kTitle = QT_TRANSLATE_NOOP("commtest", "配置");
inline constexpr i18n::Text kScanFrame = QT_TRANSLATE_NOOP("commtest", "快速搜索");
inline constexpr i18n::Text kReplyTimeout = QT_TRANSLATE_NOOP("commtest", "应答超时：");
inline constexpr i18n::Text kReplyTimeoutTip =
    QT_TRANSLATE_NOOP("commtest", "快速搜索时，请求发出后等待仪表开始应答的最长时间");
inline constexpr i18n::Text kDiagnosisFrame = QT_TRANSLATE_NOOP("commtest", "数据诊断");
inline constexpr i18n::Text kPollInterval = QT_TRANSLATE_NOOP("commtest", "刷新周期：");
inline constexpr i18n::Text kPortFrame = QT_TRANSLATE_NOOP("commtest", "通讯口对应的设备");
inline constexpr i18n::Text kPortLabel = QT_TRANSLATE_NOOP("commtest", "COM%1：");
inline constexpr i18n::Text kAutomatic = QT_TRANSLATE_NOOP("commtest", "自动");
inline constexpr i18n::Text kAbsent = QT_TRANSLATE_NOOP("commtest", "%1（未连接）");
inline constexpr i18n::Text kInterfaceFrame = QT_TRANSLATE_NOOP("commtest", "界面");
inline constexpr i18n::Text kLanguage = QT_TRANSLATE_NOOP("commtest", "语言：");
inline constexpr i18n::Text kFollowSystem = QT_TRANSLATE_NOOP("commtest", "跟随系统");
// Each language is offered under its own name, whichever is in use.
inline constexpr i18n::Text kChinese = QT_TRANSLATE_NOOP("commtest", "中文");
inline const QString kEnglish = QStringLiteral("English");
inline constexpr i18n::Text kLanguageLater = QT_TRANSLATE_NOOP("commtest", "新的语言在程序下次启动时生效。");
inline const QString kMilliseconds = QStringLiteral(" ms");
inline constexpr i18n::Text kOk = QT_TRANSLATE_NOOP("commtest", "确定");
inline constexpr i18n::Text kCancel = QT_TRANSLATE_NOOP("commtest", "取消");

} // namespace config::dialog_texts
