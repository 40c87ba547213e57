#pragma once
// What the terminal says: window captions, traffic verdicts, save and send messages.
#include "i18n/text.h"

#include <QString>

namespace terminal::texts {

// Directions of a traffic line.
inline constexpr i18n::Text kOut = QT_TRANSLATE_NOOP("commtest", "发");
inline constexpr i18n::Text kIn = QT_TRANSLATE_NOOP("commtest", "收");
inline const QString kNone = QStringLiteral("—");

// Verdicts.
inline constexpr i18n::Text kRequest = QT_TRANSLATE_NOOP("commtest", "读请求 地址 %1");
inline constexpr i18n::Text kAccepted = QT_TRANSLATE_NOOP("commtest", "接受 地址 %1 类型 %2 %3");
inline constexpr i18n::Text kOtherAddress =
    QT_TRANSLATE_NOOP("commtest", "他址回复 地址 %1（所问 %2，前一请求迟到的回复）");
inline constexpr i18n::Text kBadCheck = QT_TRANSLATE_NOOP("commtest", "校验错 带 %1 应为 %2");
inline constexpr i18n::Text kEcho = QT_TRANSLATE_NOOP("commtest", "自身回显，已跳过");
inline constexpr i18n::Text kNoise = QT_TRANSLATE_NOOP("commtest", "\"@\"前噪声 %1 字节，已丢弃");
inline constexpr i18n::Text kStray = QT_TRANSLATE_NOOP("commtest", "不属任何行的字节 %1 个");
inline constexpr i18n::Text kNoReply = QT_TRANSLATE_NOOP("commtest", "地址 %1 在下一请求前无完整回复");
inline constexpr i18n::Text kNoReplyUnknown = QT_TRANSLATE_NOOP("commtest", "下一请求前无完整回复");
inline constexpr i18n::Text kFreeRequest = QT_TRANSLATE_NOOP("commtest", "手动发送");
inline const QString kRoundTrip = QStringLiteral("%1 ms");

// Table headers of the traffic and of the bus health.
inline constexpr i18n::Text kColTime = QT_TRANSLATE_NOOP("commtest", "时间");
inline constexpr i18n::Text kColDirection = QT_TRANSLATE_NOOP("commtest", "方向");
inline constexpr i18n::Text kColAddress = QT_TRANSLATE_NOOP("commtest", "地址");
inline constexpr i18n::Text kColBytes = QT_TRANSLATE_NOOP("commtest", "内容");
inline constexpr i18n::Text kColVerdict = QT_TRANSLATE_NOOP("commtest", "判定");
inline constexpr i18n::Text kColRoundTrip = QT_TRANSLATE_NOOP("commtest", "往返 ms");
inline constexpr i18n::Text kColRequests = QT_TRANSLATE_NOOP("commtest", "请求");
inline constexpr i18n::Text kColAccepted = QT_TRANSLATE_NOOP("commtest", "接受");
inline constexpr i18n::Text kColBadChecks = QT_TRANSLATE_NOOP("commtest", "校验错");
inline constexpr i18n::Text kColMissing = QT_TRANSLATE_NOOP("commtest", "无回复");
inline constexpr i18n::Text kColMin = QT_TRANSLATE_NOOP("commtest", "最短 ms");
inline constexpr i18n::Text kColMean = QT_TRANSLATE_NOOP("commtest", "平均 ms");
inline constexpr i18n::Text kColMax = QT_TRANSLATE_NOOP("commtest", "最长 ms");

// Saving.
inline constexpr i18n::Text kSaveFailed = QT_TRANSLATE_NOOP("commtest", "无法保存到 %1：%2");

// Hand-typed input.
inline constexpr i18n::Text kEmptyText = QT_TRANSLATE_NOOP("commtest", "请输入要发送的内容。");
inline constexpr i18n::Text kBadEscape = QT_TRANSLATE_NOOP(
    "commtest", "第 %1 个字符处的转义无效：只可用 \\r、\\n、\\\\ 和 \\xNN（两位十六进制）。");
inline constexpr i18n::Text kBadChar =
    QT_TRANSLATE_NOOP("commtest", "第 %1 个字符不是单字节字符，无法发送（可用 \\xNN 写出字节）。");
inline constexpr i18n::Text kBadAddress =
    QT_TRANSLATE_NOOP("commtest", "地址“%1”无效：请输入 0 到 255 的十进制数或 0x00 到 0xFF 的十六进制数。");
inline constexpr i18n::Text kBadInterval =
    QT_TRANSLATE_NOOP("commtest", "重复间隔 %1 ms 超出范围：应在 100 到 60000 ms 之间。");

// The window.
inline constexpr i18n::Text kTitle = QT_TRANSLATE_NOOP("commtest", "终端");
inline constexpr i18n::Text kHex = QT_TRANSLATE_NOOP("commtest", "十六进制");
inline constexpr i18n::Text kPause = QT_TRANSLATE_NOOP("commtest", "暂停");
inline constexpr i18n::Text kClear = QT_TRANSLATE_NOOP("commtest", "清除");
inline constexpr i18n::Text kFollow = QT_TRANSLATE_NOOP("commtest", "跟随最新");
inline constexpr i18n::Text kFilter = QT_TRANSLATE_NOOP("commtest", "只看地址：");
inline constexpr i18n::Text kFilterAll = QT_TRANSLATE_NOOP("commtest", "全部");
inline constexpr i18n::Text kCopy = QT_TRANSLATE_NOOP("commtest", "复制");
inline constexpr i18n::Text kSaveText = QT_TRANSLATE_NOOP("commtest", "存为文本...");
inline constexpr i18n::Text kSaveCsv = QT_TRANSLATE_NOOP("commtest", "存为 CSV...");
inline constexpr i18n::Text kResetHealth = QT_TRANSLATE_NOOP("commtest", "复位统计");
inline constexpr i18n::Text kHealth = QT_TRANSLATE_NOOP("commtest", "总线状况");
inline constexpr i18n::Text kSendGroup = QT_TRANSLATE_NOOP("commtest", "手动发送");
inline constexpr i18n::Text kReadRequest = QT_TRANSLATE_NOOP("commtest", "读请求，地址：");
inline constexpr i18n::Text kFreeText = QT_TRANSLATE_NOOP("commtest", "自由文本：");
inline constexpr i18n::Text kAppendCheck = QT_TRANSLATE_NOOP("commtest", "附加校验和回车");
inline constexpr i18n::Text kRepeat = QT_TRANSLATE_NOOP("commtest", "每隔（ms）重复：");
// Its own text: "发送" alone is the direction "Sent" of the support report's traffic lines.
inline constexpr i18n::Text kSend = QT_TRANSLATE_NOOP("commtest", "发送(&S)");
inline constexpr i18n::Text kStop = QT_TRANSLATE_NOOP("commtest", "停止");
inline constexpr i18n::Text kListen = QT_TRANSLATE_NOOP("commtest", "只听");
inline constexpr i18n::Text kPortBusy =
    QT_TRANSLATE_NOOP("commtest", "搜索或数据诊断正在使用通讯口，请结束后再发送。");
inline constexpr i18n::Text kLines = QT_TRANSLATE_NOOP("commtest", "%1 行（已暂停，%2 行未显示）");
inline constexpr i18n::Text kLinesShown = QT_TRANSLATE_NOOP("commtest", "%1 行");
inline constexpr i18n::Text kTextFilter = QT_TRANSLATE_NOOP("commtest", "文本 (*.txt)");
inline const QString kCsvFilter = QStringLiteral("CSV (*.csv)");
inline constexpr i18n::Text kErrorTitle = QT_TRANSLATE_NOOP("commtest", "错误");

} // namespace terminal::texts
