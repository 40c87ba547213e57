#pragma once
// What the commissioning report says.
#include <QString>

namespace report::texts {

inline const QString kTitle = QStringLiteral("仪表调试报告");
inline const QString kPrintedAt = QStringLiteral("日期时间");
inline const QString kPort = QStringLiteral("通讯口");
inline const QString kPortValue = QStringLiteral("COM%1，%2bps");
inline const QString kListHeading = QStringLiteral("仪表列表");
inline const QString kNoInstruments = QStringLiteral("列表中没有仪表。");
inline const QString kReadingsHeading = QStringLiteral("诊断读数");
inline const QString kNoReadings = QStringLiteral("本次运行没有诊断过仪表。");
inline const QString kReadAt = QStringLiteral("读取时间 %1");
inline const QString kUnknownModel = QStringLiteral("未知类型 %1");
inline const QString kDateTimeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");

// The list's columns, and the readings' columns.
inline const QString kNumber = QStringLiteral("序号");
inline const QString kAddress = QStringLiteral("地址");
inline const QString kModel = QStringLiteral("型号");
inline const QString kRoundTrip = QStringLiteral("往返时间(ms)");
inline const QString kFoundAt = QStringLiteral("发现时间");
inline const QString kLabel = QStringLiteral("项目");
inline const QString kValue = QStringLiteral("读数");
inline const QString kUnit = QStringLiteral("单位");

} // namespace report::texts
