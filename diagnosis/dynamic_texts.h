#pragma once
// What the diagnosis window shows of its own; the views write the rest.
#include <QString>

namespace dynamictext {
inline const QString kTitle = QStringLiteral("数据诊断");
inline const QString kExit = QStringLiteral("退出");
// Label3(0..2): followed by the port number, the rate and the model name.
inline const QString kPortLabel = QStringLiteral("通讯口： COM");
inline const QString kRateLabel = QStringLiteral("波特率： ");
inline const QString kTypeLabel = QStringLiteral("仪表类型：");
} // namespace dynamictext
