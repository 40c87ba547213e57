#pragma once
// What the port settings dialog says.
#include <QString>

namespace serial::port_settings_texts {

inline const QString kTitle = QStringLiteral("通讯端口设置");
inline const QString kPortFrame = QStringLiteral("通讯口");
inline const QString kRateFrame = QStringLiteral("波特率");
inline const QString kDataBitsFrame = QStringLiteral("数据位");
inline const QString kStopBitsFrame = QStringLiteral("停止位");
inline const QString kParityFrame = QStringLiteral("校验");
inline const QString kNoParity = QStringLiteral("无");
inline const QString kOk = QStringLiteral("确定");
inline const QString kCancel = QStringLiteral("取消");
inline const QString kStillOpen = QStringLiteral("该通讯口已被其他设备占用！");
inline const QString kStillOpenTitle = QStringLiteral("Title");
inline const QString kSaveFailed =
    QStringLiteral("新的通讯口设置已生效，但无法保存到文件 %1：%2\n原来的设置文件保持不变。");
inline const QString kSaveFailedTitle = QStringLiteral("错误");

// Under the port options: which device the selected port is.
inline const QString kDeviceIs = QStringLiteral("设备：%1");
inline const QString kDeviceAutomatic = QStringLiteral("设备：%1（自动）");
inline const QString kDeviceFromEnvironment = QStringLiteral("设备：%1（由环境变量 COMMTEST_COM%2 指定）");
inline const QString kMappedAbsent = QStringLiteral("所配置的设备 %1 未连接");
inline const QString kNoDevice = QStringLiteral("系统中没有这个通讯口");
// Under the rate options, when the settings hold a rate none of them offers.
inline const QString kRateKept = QStringLiteral("保留当前波特率 %1bps");

} // namespace serial::port_settings_texts
