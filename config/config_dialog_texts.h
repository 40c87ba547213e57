#pragma once
// What the 配置 dialog says.
#include <QString>

namespace config::dialog_texts {

inline const QString kTitle = QStringLiteral("配置");
inline const QString kScanFrame = QStringLiteral("快速搜索");
inline const QString kReplyTimeout = QStringLiteral("应答超时：");
inline const QString kReplyTimeoutTip = QStringLiteral("快速搜索时，请求发出后等待仪表开始应答的最长时间");
inline const QString kDiagnosisFrame = QStringLiteral("数据诊断");
inline const QString kPollInterval = QStringLiteral("刷新周期：");
inline const QString kPortFrame = QStringLiteral("通讯口对应的设备");
inline const QString kPortLabel = QStringLiteral("COM%1：");
inline const QString kAutomatic = QStringLiteral("自动");
inline const QString kAbsent = QStringLiteral("%1（未连接）");
inline const QString kMilliseconds = QStringLiteral(" ms");
inline const QString kOk = QStringLiteral("确定");
inline const QString kCancel = QStringLiteral("取消");

} // namespace config::dialog_texts
