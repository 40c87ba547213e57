#pragma once
// What the history browser says. The history file's own messages come from the store.
#include <QString>

namespace historywindowtext {
inline const QString kTitle = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "历史趋势"));
inline const QString kTreeHeader = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "仪表与记录"));
// An instrument: address and model; a recording: its first and last poll and how many polls.
inline const QString kInstrument = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "地址 %1  %2"));
inline const QString kRecording = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "%1 — %2（%3 次）"));
inline const QString kReadings = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "显示的读数"));
inline const QString kFrom = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "从："));
inline const QString kTo = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "到："));
inline const QString kShow = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "显示"));
inline const QString kWhole = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "整段记录"));
inline const QString kReload = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "刷新"));
inline const QString kExportCsv = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "导出 CSV…"));
inline const QString kSavePng = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "保存图片…"));
inline const QString kCsvFilter = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "CSV 文件 (*.csv)"));
inline const QString kPngFilter = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "PNG 图片 (*.png)"));
inline const QString kExporting = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "正在导出 CSV…"));
inline const QString kCancel = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "取消"));
// Status line.
inline const QString kEmpty = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "历史记录中还没有数据。"));
inline const QString kShown = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "%1 次采样，其中无应答 %2 次"));
inline const QString kExported = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "已导出 %1 行到“%2”。"));
inline const QString kExportCancelled = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "已取消导出。"));
inline const QString kSaved = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "图片已保存到“%1”。"));
// Messages (the first also as the status line).
inline const QString kNoReadings = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "请至少选择一个读数。"));
inline const QString kBadRange = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "开始时间须早于结束时间。"));
inline const QString kPngFailed = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "无法保存图片“%1”：%2"));
} // namespace historywindowtext
