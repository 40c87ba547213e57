#pragma once
// What the list file says: its header row and why a file could not be read or written.
#include "i18n/text.h"

#include <QString>
#include <QStringList>

namespace listfile::texts {

// The header row; reading accepts the file only when its first line names these columns. Marked
// for translation for the windows that show them; the file keeps them as written here.
inline constexpr i18n::Text kHeader[] = {
    QT_TRANSLATE_NOOP("commtest", "地址"),         QT_TRANSLATE_NOOP("commtest", "地址字符"),
    QT_TRANSLATE_NOOP("commtest", "类型代码"),     QT_TRANSLATE_NOOP("commtest", "型号"),
    QT_TRANSLATE_NOOP("commtest", "往返时间(ms)"), QT_TRANSLATE_NOOP("commtest", "发现时间"),
};
inline const QString kTimeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz");

inline constexpr i18n::Text kEmpty = QT_TRANSLATE_NOOP("commtest", "文件是空的");
inline constexpr i18n::Text kTooLarge = QT_TRANSLATE_NOOP("commtest", "文件太大，不是仪表列表");
inline constexpr i18n::Text kNotUtf8 = QT_TRANSLATE_NOOP("commtest", "文件不是 UTF-8 文本");
inline constexpr i18n::Text kNoHeader = QT_TRANSLATE_NOOP("commtest", "第 1 行不是仪表列表的标题行");
inline constexpr i18n::Text kColumnCount = QT_TRANSLATE_NOOP("commtest", "第 %1 行应有 %2 列，实有 %3 列");
inline constexpr i18n::Text kBadAddress =
    QT_TRANSLATE_NOOP("commtest", "第 %1 行的地址“%2”不是 0 到 255 的数");
inline constexpr i18n::Text kBadAddressText =
    QT_TRANSLATE_NOOP("commtest", "第 %1 行的地址字符“%2”不是两个字符");
inline constexpr i18n::Text kBadTypeCode =
    QT_TRANSLATE_NOOP("commtest", "第 %1 行的类型代码“%2”不是两位十六进制数");
inline constexpr i18n::Text kBadRoundTrip = QT_TRANSLATE_NOOP("commtest", "第 %1 行的往返时间“%2”不是毫秒数");
inline constexpr i18n::Text kBadTime = QT_TRANSLATE_NOOP("commtest", "第 %1 行的发现时间“%2”无法识别");
inline constexpr i18n::Text kDuplicate = QT_TRANSLATE_NOOP("commtest", "第 %1 行的地址 %2 已在前面出现");
inline constexpr i18n::Text kUnclosedQuote = QT_TRANSLATE_NOOP("commtest", "第 %1 行的引号没有结束");
inline constexpr i18n::Text kNoRows = QT_TRANSLATE_NOOP("commtest", "文件中没有仪表");
inline constexpr i18n::Text kCannotOpen = QT_TRANSLATE_NOOP("commtest", "无法打开文件：%1");
inline constexpr i18n::Text kCannotWrite = QT_TRANSLATE_NOOP("commtest", "无法写入文件：%1");

} // namespace listfile::texts
