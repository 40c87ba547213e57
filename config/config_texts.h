#pragma once
// What the application settings say to the operator.
#include <QString>

namespace config::texts {

inline const QString kUnusable = QStringLiteral("应用程序设置文件 %1 中有无法使用的设置，已改用默认值：\n%2");
inline const QString kUnusableTitle = QStringLiteral("提示");
inline const QString kSaveFailed =
    QStringLiteral("新的设置已生效，但无法保存到文件 %1：%2\n原来的设置文件保持不变。");
inline const QString kSaveFailedTitle = QStringLiteral("错误");

// One problem each.
inline const QString kAtLine = QStringLiteral("第 %1 行：%2");
inline const QString kCannotRead = QStringLiteral("无法读取（%1）");
inline const QString kTooLarge = QStringLiteral("文件过大（%1 字节），不是本程序的设置文件");
inline const QString kNotUtf8 = QStringLiteral("文件不是 UTF-8 文本");
inline const QString kNotASetting = QStringLiteral("“%1”不是“名称=值”形式");
inline const QString kNotANumber = QStringLiteral("%1 的值“%2”不是整数");
inline const QString kOutOfRange = QStringLiteral("%1 的值 %2 超出范围 %3–%4");
inline const QString kNotAYesNo = QStringLiteral("%1 的值“%2”应为 0 或 1");
inline const QString kBadText = QStringLiteral("%1 的值“%2”无法使用");

} // namespace config::texts
