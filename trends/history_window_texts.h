#pragma once
// What the history browser says. The history file's own messages come from the store.
#include <QString>

namespace historywindowtext {
inline const QString kTitle = QStringLiteral("历史趋势");
inline const QString kTreeHeader = QStringLiteral("仪表与记录");
// An instrument: address and model; a recording: its first and last poll and how many polls.
inline const QString kInstrument = QStringLiteral("地址 %1  %2");
inline const QString kRecording = QStringLiteral("%1 — %2（%3 次）");
inline const QString kReadings = QStringLiteral("显示的读数");
inline const QString kFrom = QStringLiteral("从：");
inline const QString kTo = QStringLiteral("到：");
inline const QString kShow = QStringLiteral("显示");
inline const QString kWhole = QStringLiteral("整段记录");
inline const QString kReload = QStringLiteral("刷新");
inline const QString kExportCsv = QStringLiteral("导出 CSV…");
inline const QString kSavePng = QStringLiteral("保存图片…");
inline const QString kCsvFilter = QStringLiteral("CSV 文件 (*.csv)");
inline const QString kPngFilter = QStringLiteral("PNG 图片 (*.png)");
inline const QString kExporting = QStringLiteral("正在导出 CSV…");
inline const QString kCancel = QStringLiteral("取消");
// Status line.
inline const QString kEmpty = QStringLiteral("历史记录中还没有数据。");
inline const QString kShown = QStringLiteral("%1 次采样，其中无应答 %2 次");
inline const QString kExported = QStringLiteral("已导出 %1 行到“%2”。");
inline const QString kExportCancelled = QStringLiteral("已取消导出。");
inline const QString kSaved = QStringLiteral("图片已保存到“%1”。");
// Messages (the first also as the status line).
inline const QString kNoReadings = QStringLiteral("请至少选择一个读数。");
inline const QString kBadRange = QStringLiteral("开始时间须早于结束时间。");
inline const QString kPngFailed = QStringLiteral("无法保存图片“%1”：%2");
} // namespace historywindowtext
