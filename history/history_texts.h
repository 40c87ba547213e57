#pragma once
// What the history store and the CSV export tell the user. %1 is the file, %2 the system's reason.
#include "i18n/text.h"

#include <QString>

namespace historytext {
inline constexpr i18n::Text kMissing = QT_TRANSLATE_NOOP("commtest", "还没有历史记录文件“%1”。");
inline constexpr i18n::Text kCannotCreate = QT_TRANSLATE_NOOP("commtest", "无法创建历史记录文件“%1”：%2");
inline constexpr i18n::Text kNotOurs =
    QT_TRANSLATE_NOOP("commtest", "“%1”不是本程序的历史记录文件，未作任何改动。");
inline constexpr i18n::Text kTooNew =
    QT_TRANSLATE_NOOP("commtest", "历史记录文件“%1”由更新版本的程序创建，未作任何改动。");
inline constexpr i18n::Text kDamaged =
    QT_TRANSLATE_NOOP("commtest", "历史记录文件“%1”已损坏，未作任何改动：%2");
inline constexpr i18n::Text kWriteFailed =
    QT_TRANSLATE_NOOP("commtest", "无法写入历史记录文件“%1”，记录已停止：%2");
inline constexpr i18n::Text kDiskFull =
    QT_TRANSLATE_NOOP("commtest", "磁盘已满，无法写入历史记录文件“%1”，记录已停止。");
inline constexpr i18n::Text kReadFailed = QT_TRANSLATE_NOOP("commtest", "无法读取历史记录文件“%1”：%2");
inline constexpr i18n::Text kNotOpen = QT_TRANSLATE_NOOP("commtest", "历史记录文件未打开。");
inline constexpr i18n::Text kNotRecording =
    QT_TRANSLATE_NOOP("commtest", "历史记录文件“%1”以只读方式打开，不能记录。");

// Reasons given in place of %2.
inline const QString kIsFolder = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "这是一个文件夹"));
inline const QString kFolderFailed = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "无法建立文件夹“%1”"));
inline const QString kTruncated = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "文件比其内容所需的短"));
inline const QString kBadHeader = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "文件头已损坏"));
inline const QString kNoSchema = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "缺少记录表"));

// The CSV export: column captions and its one failure.
inline constexpr i18n::Text kCsvTime = QT_TRANSLATE_NOOP("commtest", "时间");
inline constexpr i18n::Text kCsvEpochMs = QT_TRANSLATE_NOOP("commtest", "毫秒时间戳");
inline constexpr i18n::Text kCsvVerdict = QT_TRANSLATE_NOOP("commtest", "判定");
inline constexpr i18n::Text kExportFailed = QT_TRANSLATE_NOOP("commtest", "无法写入导出文件“%1”：%2");
} // namespace historytext
