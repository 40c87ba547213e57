#pragma once
// What the help window, the support window and the about box say.
#include <QString>

namespace help::texts {

inline const QString kHelpTitle = QStringLiteral("通讯测试软件 帮助");
inline const QString kContents = QStringLiteral("目录");
inline const QString kSearch = QStringLiteral("搜索");
inline const QString kSearchHint = QStringLiteral("输入要查找的词");
inline const QString kNothingFound = QStringLiteral("没有找到“%1”");
inline const QString kNoManual = QStringLiteral("找不到手册：%1");
inline const QString kPagesMissing = QStringLiteral("手册缺少页面：%1");

inline const QString kSupportTitle = QStringLiteral("获得技术支持");
inline const QString kSupportIntro =
    QStringLiteral("请求技术支持时，请把下面的内容连同问题的描述一起发给我们：");
inline const QString kCopy = QStringLiteral("复制");
inline const QString kClose = QStringLiteral("关闭");
inline const QString kProgram = QStringLiteral("程序：通讯测试软件 %1");
inline const QString kQt = QStringLiteral("Qt：运行 %1，编译 %2");
inline const QString kSystem = QStringLiteral("系统：%1（%2 %3，%4）");
inline const QString kPort = QStringLiteral("通讯口：COM%1，%2bps，%3");
inline const QString kPortDevice = QStringLiteral("设备 %1");
inline const QString kPortDefault = QStringLiteral("默认设备");
inline const QString kTrafficHeading = QStringLiteral("最近的通讯（最新的在最后）：");
inline const QString kNoTraffic = QStringLiteral("（本次运行还没有通讯）");

inline const QString kAboutTitle = QStringLiteral("关于通讯测试软件");
inline const QString kAbout = QStringLiteral(
    "<h3>通讯测试软件</h3><p>版本 %1</p>"
    "<p>在一条 RS-485/RS-232 线路上调试和诊断数字面板仪表：搜索总线地址、列出仪表、实时诊断。</p>"
    "<p>版权所有 © commtest 的作者们。保留所有权利。<br>未经许可，不得复制、修改或分发本软件。</p>"
    "<p>使用 Qt %2（LGPL v3）。</p>");

// Traffic lines: time, direction, bytes.
inline const QString kSent = QStringLiteral("发送");
inline const QString kReceived = QStringLiteral("接收");
inline const QString kAccepted = QStringLiteral("应答");
inline const QString kBadCheck = QStringLiteral("校验错");
inline const QString kEcho = QStringLiteral("回显");
inline const QString kNoise = QStringLiteral("丢弃 %1 字节");
inline const QString kNoReply = QStringLiteral("无应答 地址 %1");

} // namespace help::texts
