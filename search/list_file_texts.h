#pragma once
// What the list file says: its header row and why a file could not be read or written.
#include <QString>
#include <QStringList>

namespace listfile::texts {

// The header row; reading accepts the file only when its first line names these columns.
inline const QStringList kHeader = {
    QStringLiteral(QT_TRANSLATE_NOOP("commtest", "地址")),
    QStringLiteral(QT_TRANSLATE_NOOP("commtest", "地址字符")),
    QStringLiteral(QT_TRANSLATE_NOOP("commtest", "类型代码")),
    QStringLiteral(QT_TRANSLATE_NOOP("commtest", "型号")),
    QStringLiteral(QT_TRANSLATE_NOOP("commtest", "往返时间(ms)")),
    QStringLiteral(QT_TRANSLATE_NOOP("commtest", "发现时间")),
};
inline const QString kTimeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz");

inline const QString kEmpty = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "文件是空的"));
inline const QString kTooLarge = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "文件太大，不是仪表列表"));
inline const QString kNotUtf8 = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "文件不是 UTF-8 文本"));
inline const QString kNoHeader = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "第 1 行不是仪表列表的标题行"));
inline const QString kColumnCount =
    QStringLiteral(QT_TRANSLATE_NOOP("commtest", "第 %1 行应有 %2 列，实有 %3 列"));
inline const QString kBadAddress =
    QStringLiteral(QT_TRANSLATE_NOOP("commtest", "第 %1 行的地址“%2”不是 0 到 255 的数"));
inline const QString kBadAddressText =
    QStringLiteral(QT_TRANSLATE_NOOP("commtest", "第 %1 行的地址字符“%2”不是两个字符"));
inline const QString kBadTypeCode =
    QStringLiteral(QT_TRANSLATE_NOOP("commtest", "第 %1 行的类型代码“%2”不是两位十六进制数"));
inline const QString kBadRoundTrip =
    QStringLiteral(QT_TRANSLATE_NOOP("commtest", "第 %1 行的往返时间“%2”不是毫秒数"));
inline const QString kBadTime =
    QStringLiteral(QT_TRANSLATE_NOOP("commtest", "第 %1 行的发现时间“%2”无法识别"));
inline const QString kDuplicate =
    QStringLiteral(QT_TRANSLATE_NOOP("commtest", "第 %1 行的地址 %2 已在前面出现"));
inline const QString kUnclosedQuote = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "第 %1 行的引号没有结束"));
inline const QString kNoRows = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "文件中没有仪表"));
inline const QString kCannotOpen = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "无法打开文件：%1"));
inline const QString kCannotWrite = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "无法写入文件：%1"));

} // namespace listfile::texts
