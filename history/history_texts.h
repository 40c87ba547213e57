#pragma once
// What the history store and the CSV export tell the user. %1 is the file, %2 the system's reason.
#include <QString>

namespace historytext {
inline const QString kMissing = QStringLiteral("还没有历史记录文件“%1”。");
inline const QString kCannotCreate = QStringLiteral("无法创建历史记录文件“%1”：%2");
inline const QString kNotOurs = QStringLiteral("“%1”不是本程序的历史记录文件，未作任何改动。");
inline const QString kTooNew = QStringLiteral("历史记录文件“%1”由更新版本的程序创建，未作任何改动。");
inline const QString kDamaged = QStringLiteral("历史记录文件“%1”已损坏，未作任何改动：%2");
inline const QString kWriteFailed = QStringLiteral("无法写入历史记录文件“%1”，记录已停止：%2");
inline const QString kDiskFull = QStringLiteral("磁盘已满，无法写入历史记录文件“%1”，记录已停止。");
inline const QString kReadFailed = QStringLiteral("无法读取历史记录文件“%1”：%2");
inline const QString kNotOpen = QStringLiteral("历史记录文件未打开。");
inline const QString kNotRecording = QStringLiteral("历史记录文件“%1”以只读方式打开，不能记录。");

// Reasons given in place of %2.
inline const QString kIsFolder = QStringLiteral("这是一个文件夹");
inline const QString kFolderFailed = QStringLiteral("无法建立文件夹“%1”");
inline const QString kTruncated = QStringLiteral("文件比其内容所需的短");
inline const QString kBadHeader = QStringLiteral("文件头已损坏");
inline const QString kNoSchema = QStringLiteral("缺少记录表");

// The CSV export: column captions and its one failure.
inline const QString kCsvTime = QStringLiteral("时间");
inline const QString kCsvEpochMs = QStringLiteral("毫秒时间戳");
inline const QString kCsvVerdict = QStringLiteral("判定");
inline const QString kExportFailed = QStringLiteral("无法写入导出文件“%1”：%2");
} // namespace historytext
