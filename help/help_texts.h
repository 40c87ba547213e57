#pragma once
// What the help window, the support window and the about box say.
#include <QString>

namespace help::texts {

inline const QString kHelpTitle = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "通讯测试软件 帮助"));
inline const QString kContents = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "目录"));
inline const QString kSearch = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "搜索"));
inline const QString kSearchHint = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "输入要查找的词"));
inline const QString kNothingFound = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "没有找到“%1”"));
inline const QString kNoManual = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "找不到手册：%1"));
inline const QString kPagesMissing = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "手册缺少页面：%1"));

inline const QString kSupportTitle = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "获得技术支持"));
inline const QString kSupportIntro = QStringLiteral(
    QT_TRANSLATE_NOOP("commtest", "请求技术支持时，请把下面的内容连同问题的描述一起发给我们："));
inline const QString kCopy = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "复制"));
inline const QString kClose = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "关闭"));
inline const QString kProgram = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "程序：通讯测试软件 %1"));
inline const QString kQt = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "Qt：运行 %1，编译 %2"));
inline const QString kSystem = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "系统：%1（%2 %3，%4）"));
inline const QString kPort = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "通讯口：COM%1，%2bps，%3"));
inline const QString kPortDevice = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "设备 %1"));
inline const QString kPortDefault = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "默认设备"));
inline const QString kTrafficHeading =
    QStringLiteral(QT_TRANSLATE_NOOP("commtest", "最近的通讯（最新的在最后）："));
inline const QString kNoTraffic = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "（本次运行还没有通讯）"));

inline const QString kAboutTitle = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "关于通讯测试软件"));
inline const QString kAbout = QStringLiteral(QT_TRANSLATE_NOOP(
    "commtest",
    "<h3>通讯测试软件</h3><p>版本 %1</p>"
    "<p>在一条 RS-485/RS-232 线路上调试和诊断数字面板仪表：搜索总线地址、列出仪表、实时诊断。</p>"
    "<p>版权所有 © commtest 的作者们。保留所有权利。<br>未经许可，不得复制、修改或分发本软件。</p>"
    "<p>使用 Qt %2（LGPL v3）。</p>"));

// Traffic lines: time, direction, bytes.
inline const QString kSent = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "发送"));
inline const QString kReceived = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "接收"));
inline const QString kAccepted = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "应答"));
inline const QString kBadCheck = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "校验错"));
inline const QString kEcho = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "回显"));
inline const QString kNoise = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "丢弃 %1 字节"));
inline const QString kNoReply = QStringLiteral(QT_TRANSLATE_NOOP("commtest", "无应答 地址 %1"));

} // namespace help::texts
