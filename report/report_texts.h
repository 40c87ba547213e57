#pragma once
// What the commissioning report says.
#include <QString>

namespace report::texts {

inline const QString kTitle = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "仪表调试报告"));
inline const QString kPrintedAt = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "日期时间"));
inline const QString kPort = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "通讯口"));
inline const QString kPortValue = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "COM%1，%2bps"));
inline const QString kListHeading = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "仪表列表"));
inline const QString kNoInstruments = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "列表中没有仪表。"));
inline const QString kReadingsHeading = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "诊断读数"));
inline const QString kNoReadings = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "本次运行没有诊断过仪表。"));
inline const QString kReadAt = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "读取时间 %1"));
inline const QString kUnknownModel = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "未知类型 %1"));
inline const QString kDateTimeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");

// The list's columns, and the readings' columns.
inline const QString kNumber = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "序号"));
inline const QString kAddress = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "地址"));
inline const QString kModel = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "型号"));
inline const QString kRoundTrip = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "往返时间(ms)"));
inline const QString kFoundAt = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "发现时间"));
inline const QString kLabel = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "项目"));
inline const QString kValue = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "读数"));
inline const QString kUnit = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "单位"));

} // namespace report::texts
