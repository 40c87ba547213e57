#pragma once
// What the terminal says: window captions, traffic verdicts, save and send messages.
#include <QString>

namespace terminal::texts {

// Directions of a traffic line.
inline const QString kOut = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "发"));
inline const QString kIn = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "收"));
inline const QString kNone = QStringLiteral("—");

// Verdicts.
inline const QString kRequest = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "读请求 地址 %1"));
inline const QString kAccepted = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "接受 地址 %1 类型 %2 %3"));
inline const QString kOtherAddress =
    QStringLiteral(QT_TRANSLATE_NOOP("commtest", "他址回复 地址 %1（所问 %2，前一请求迟到的回复）"));
inline const QString kBadCheck = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "校验错 带 %1 应为 %2"));
inline const QString kEcho = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "自身回显，已跳过"));
inline const QString kNoise = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "\"@\"前噪声 %1 字节，已丢弃"));
inline const QString kStray = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "不属任何行的字节 %1 个"));
inline const QString kNoReply =
    QStringLiteral(QT_TRANSLATE_NOOP("commtest", "地址 %1 在下一请求前无完整回复"));
inline const QString kNoReplyUnknown = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "下一请求前无完整回复"));
inline const QString kFreeRequest = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "手动发送"));
inline const QString kRoundTrip = QStringLiteral("%1 ms");

// Table headers of the traffic and of the bus health.
inline const QString kColTime = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "时间"));
inline const QString kColDirection = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "方向"));
inline const QString kColAddress = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "地址"));
inline const QString kColBytes = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "内容"));
inline const QString kColVerdict = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "判定"));
inline const QString kColRoundTrip = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "往返 ms"));
inline const QString kColRequests = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "请求"));
inline const QString kColAccepted = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "接受"));
inline const QString kColBadChecks = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "校验错"));
inline const QString kColMissing = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "无回复"));
inline const QString kColMin = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "最短 ms"));
inline const QString kColMean = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "平均 ms"));
inline const QString kColMax = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "最长 ms"));

// Saving.
inline const QString kSaveFailed = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "无法保存到 %1：%2"));

// Hand-typed input.
inline const QString kEmptyText = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "请输入要发送的内容。"));
inline const QString kBadEscape = QStringLiteral(QT_TRANSLATE_NOOP(
    "commtest", "第 %1 个字符处的转义无效：只可用 \\r、\\n、\\\\ 和 \\xNN（两位十六进制）。"));
inline const QString kBadChar = QStringLiteral(
    QT_TRANSLATE_NOOP("commtest", "第 %1 个字符不是单字节字符，无法发送（可用 \\xNN 写出字节）。"));
inline const QString kBadAddress = QStringLiteral(
    QT_TRANSLATE_NOOP("commtest", "地址“%1”无效：请输入 0 到 255 的十进制数或 0x00 到 0xFF 的十六进制数。"));
inline const QString kBadInterval =
    QStringLiteral(QT_TRANSLATE_NOOP("commtest", "重复间隔 %1 ms 超出范围：应在 100 到 60000 ms 之间。"));

// The window.
inline const QString kTitle = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "终端"));
inline const QString kHex = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "十六进制"));
inline const QString kPause = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "暂停"));
inline const QString kClear = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "清除"));
inline const QString kFollow = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "跟随最新"));
inline const QString kFilter = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "只看地址："));
inline const QString kFilterAll = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "全部"));
inline const QString kCopy = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "复制"));
inline const QString kSaveText = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "存为文本..."));
inline const QString kSaveCsv = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "存为 CSV..."));
inline const QString kResetHealth = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "复位统计"));
inline const QString kHealth = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "总线状况"));
inline const QString kSendGroup = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "手动发送"));
inline const QString kReadRequest = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "读请求，地址："));
inline const QString kFreeText = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "自由文本："));
inline const QString kAppendCheck = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "附加校验和回车"));
inline const QString kRepeat = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "每隔（ms）重复："));
inline const QString kSend = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "发送"));
inline const QString kStop = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "停止"));
inline const QString kListen = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "只听"));
inline const QString kPortBusy =
    QStringLiteral(QT_TRANSLATE_NOOP("commtest", "搜索或数据诊断正在使用通讯口，请结束后再发送。"));
inline const QString kLines = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "%1 行（已暂停，%2 行未显示）"));
inline const QString kLinesShown = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "%1 行"));
inline const QString kTextFilter = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "文本 (*.txt)"));
inline const QString kCsvFilter = QStringLiteral("CSV (*.csv)");
inline const QString kErrorTitle = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "错误"));

} // namespace terminal::texts
