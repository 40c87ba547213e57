#pragma once
// What the history browser says. The history file's own messages come from the store.
#include "i18n/text.h"

#include <QString>

namespace historywindowtext {
inline constexpr i18n::Text kTitle = QT_TRANSLATE_NOOP("commtest", "历史趋势");
inline constexpr i18n::Text kTreeHeader = QT_TRANSLATE_NOOP("commtest", "仪表与记录");
// An instrument: address and model; a recording: its first and last poll and how many polls.
inline constexpr i18n::Text kInstrument = QT_TRANSLATE_NOOP("commtest", "地址 %1  %2");
inline constexpr i18n::Text kRecording = QT_TRANSLATE_NOOP("commtest", "%1 — %2（%3 次）");
inline constexpr i18n::Text kReadings = QT_TRANSLATE_NOOP("commtest", "显示的读数");
inline constexpr i18n::Text kFrom = QT_TRANSLATE_NOOP("commtest", "从：");
inline constexpr i18n::Text kTo = QT_TRANSLATE_NOOP("commtest", "到：");
inline constexpr i18n::Text kShow = QT_TRANSLATE_NOOP("commtest", "显示");
inline constexpr i18n::Text kWhole = QT_TRANSLATE_NOOP("commtest", "整段记录");
inline constexpr i18n::Text kReload = QT_TRANSLATE_NOOP("commtest", "刷新");
inline constexpr i18n::Text kExportCsv = QT_TRANSLATE_NOOP("commtest", "导出 CSV…");
inline constexpr i18n::Text kSavePng = QT_TRANSLATE_NOOP("commtest", "保存图片…");
inline constexpr i18n::Text kCsvFilter = QT_TRANSLATE_NOOP("commtest", "CSV 文件 (*.csv)");
inline constexpr i18n::Text kPngFilter = QT_TRANSLATE_NOOP("commtest", "PNG 图片 (*.png)");
inline constexpr i18n::Text kExporting = QT_TRANSLATE_NOOP("commtest", "正在导出 CSV…");
inline constexpr i18n::Text kCancel = QT_TRANSLATE_NOOP("commtest", "取消");
// Status line.
inline constexpr i18n::Text kEmpty = QT_TRANSLATE_NOOP("commtest", "历史记录中还没有数据。");
inline constexpr i18n::Text kShown = QT_TRANSLATE_NOOP("commtest", "%1 次采样，其中无应答 %2 次");
inline constexpr i18n::Text kExported = QT_TRANSLATE_NOOP("commtest", "已导出 %1 行到“%2”。");
inline constexpr i18n::Text kExportCancelled = QT_TRANSLATE_NOOP("commtest", "已取消导出。");
inline constexpr i18n::Text kSaved = QT_TRANSLATE_NOOP("commtest", "图片已保存到“%1”。");
// Messages (the first also as the status line).
inline constexpr i18n::Text kNoReadings = QT_TRANSLATE_NOOP("commtest", "请至少选择一个读数。");
inline constexpr i18n::Text kBadRange = QT_TRANSLATE_NOOP("commtest", "开始时间须早于结束时间。");
inline constexpr i18n::Text kPngFailed = QT_TRANSLATE_NOOP("commtest", "无法保存图片“%1”：%2");
} // namespace historywindowtext
