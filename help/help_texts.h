#pragma once
// What the help window, the support window and the about box say.
#include "i18n/text.h"

#include <QString>

namespace help::texts {

inline constexpr i18n::Text kHelpTitle = QT_TRANSLATE_NOOP("commtest", "通讯测试软件 帮助");
inline constexpr i18n::Text kContents = QT_TRANSLATE_NOOP("commtest", "目录");
inline constexpr i18n::Text kSearch = QT_TRANSLATE_NOOP("commtest", "搜索");
inline constexpr i18n::Text kSearchHint = QT_TRANSLATE_NOOP("commtest", "输入要查找的词");
inline constexpr i18n::Text kNothingFound = QT_TRANSLATE_NOOP("commtest", "没有找到“%1”");
inline constexpr i18n::Text kNoManual = QT_TRANSLATE_NOOP("commtest", "找不到手册：%1");
inline constexpr i18n::Text kPagesMissing = QT_TRANSLATE_NOOP("commtest", "手册缺少页面：%1");

inline constexpr i18n::Text kSupportTitle = QT_TRANSLATE_NOOP("commtest", "获得技术支持");
inline constexpr i18n::Text kSupportIntro =
    QT_TRANSLATE_NOOP("commtest", "请求技术支持时，请把下面的内容连同问题的描述一起发给我们：");
inline constexpr i18n::Text kCopy = QT_TRANSLATE_NOOP("commtest", "复制");
inline constexpr i18n::Text kClose = QT_TRANSLATE_NOOP("commtest", "关闭");
inline constexpr i18n::Text kProgram = QT_TRANSLATE_NOOP("commtest", "程序：通讯测试软件 %1");
inline constexpr i18n::Text kQt = QT_TRANSLATE_NOOP("commtest", "Qt：运行 %1，编译 %2");
inline constexpr i18n::Text kSystem = QT_TRANSLATE_NOOP("commtest", "系统：%1（%2 %3，%4）");
inline constexpr i18n::Text kPort = QT_TRANSLATE_NOOP("commtest", "通讯口：COM%1，%2bps，%3");
inline constexpr i18n::Text kPortDevice = QT_TRANSLATE_NOOP("commtest", "设备 %1");
inline constexpr i18n::Text kPortDefault = QT_TRANSLATE_NOOP("commtest", "默认设备");
inline constexpr i18n::Text kTrafficHeading = QT_TRANSLATE_NOOP("commtest", "最近的通讯（最新的在最后）：");
inline constexpr i18n::Text kNoTraffic = QT_TRANSLATE_NOOP("commtest", "（本次运行还没有通讯）");

inline constexpr i18n::Text kAboutTitle = QT_TRANSLATE_NOOP("commtest", "关于通讯测试软件");
inline constexpr i18n::Text kAbout = QT_TRANSLATE_NOOP(
    "commtest",
    "<h3>通讯测试软件</h3><p>版本 %1</p>"
    "<p>在一条 RS-485/RS-232 线路上调试和诊断数字面板仪表：搜索总线地址、列出仪表、实时诊断。</p>"
    "<p>版权所有 © commtest 的作者们。保留所有权利。<br>未经许可，不得复制、修改或分发本软件。</p>"
    "<p>使用 Qt %2（LGPL v3）。</p>");

// Traffic lines: time, direction, bytes.
inline constexpr i18n::Text kSent = QT_TRANSLATE_NOOP("commtest", "发送");
inline constexpr i18n::Text kReceived = QT_TRANSLATE_NOOP("commtest", "接收");
inline constexpr i18n::Text kAccepted = QT_TRANSLATE_NOOP("commtest", "应答");
inline constexpr i18n::Text kBadCheck = QT_TRANSLATE_NOOP("commtest", "校验错");
inline constexpr i18n::Text kEcho = QT_TRANSLATE_NOOP("commtest", "回显");
inline constexpr i18n::Text kNoise = QT_TRANSLATE_NOOP("commtest", "丢弃 %1 字节");
inline constexpr i18n::Text kNoReply = QT_TRANSLATE_NOOP("commtest", "无应答 地址 %1");

} // namespace help::texts
