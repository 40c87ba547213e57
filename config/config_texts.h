#pragma once
// What the application settings say to the operator.
#include "i18n/text.h"

#include <QString>

namespace config::texts {

inline constexpr i18n::Text kUnusable =
    QT_TRANSLATE_NOOP("commtest", "应用程序设置文件 %1 中有无法使用的设置，已改用默认值：\n%2");
inline constexpr i18n::Text kUnusableTitle = QT_TRANSLATE_NOOP("commtest", "提示");
inline constexpr i18n::Text kSaveFailed =
    QT_TRANSLATE_NOOP("commtest", "新的设置已生效，但无法保存到文件 %1：%2\n原来的设置文件保持不变。");
inline constexpr i18n::Text kSaveFailedTitle = QT_TRANSLATE_NOOP("commtest", "错误");

// One problem each.
inline constexpr i18n::Text kAtLine = QT_TRANSLATE_NOOP("commtest", "第 %1 行：%2");
inline constexpr i18n::Text kCannotRead = QT_TRANSLATE_NOOP("commtest", "无法读取（%1）");
inline constexpr i18n::Text kTooLarge =
    QT_TRANSLATE_NOOP("commtest", "文件过大（%1 字节），不是本程序的设置文件");
inline constexpr i18n::Text kNotUtf8 = QT_TRANSLATE_NOOP("commtest", "文件不是 UTF-8 文本");
inline constexpr i18n::Text kNotASetting = QT_TRANSLATE_NOOP("commtest", "“%1”不是“名称=值”形式");
inline constexpr i18n::Text kNotANumber = QT_TRANSLATE_NOOP("commtest", "%1 的值“%2”不是整数");
inline constexpr i18n::Text kOutOfRange = QT_TRANSLATE_NOOP("commtest", "%1 的值 %2 超出范围 %3–%4");
inline constexpr i18n::Text kNotAYesNo = QT_TRANSLATE_NOOP("commtest", "%1 的值“%2”应为 0 或 1");
inline constexpr i18n::Text kBadText = QT_TRANSLATE_NOOP("commtest", "%1 的值“%2”无法使用");

} // namespace config::texts
