#pragma once
// What the main window says: title, menus, toolbar tips, status bar, start-up message.
#include "i18n/text.h"

#include <QString>

namespace app::texts {

inline constexpr i18n::Text kTitle = QT_TRANSLATE_NOOP("commtest", "通讯测试软件");
inline constexpr i18n::Text kStatusProduct = QT_TRANSLATE_NOOP("commtest", "通讯测试软件   Ver 6.23");
inline const QString kTimeFormat = QStringLiteral("HH:mm");
inline const QString kDateFormat = QStringLiteral("yyyy-MM-dd");

inline constexpr i18n::Text kDefaultsInUse = QT_TRANSLATE_NOOP(
    "commtest",
    "无法读取通讯设置文件 %1（%2）。\n本次使用默认设置：COM1，9600bps。请通过“通讯口设置”重新设定。");
inline constexpr i18n::Text kDefaultsInUseTitle = QT_TRANSLATE_NOOP("commtest", "提示");
// The port was read but the rate was not: the port is kept.
inline constexpr i18n::Text kDefaultRateInUse = QT_TRANSLATE_NOOP(
    "commtest",
    "无法完全读取通讯设置文件 %1（%2）。\n本次使用：COM%3，9600bps。请通过“通讯口设置”重新设定。");

// 实时趋势 polls the line: what a scan, a diagnosis or the port settings say meanwhile.
inline constexpr i18n::Text kTrendHoldsPort =
    QT_TRANSLATE_NOOP("commtest", "实时趋势正在使用通讯口，请先关闭实时趋势窗口。");

// 文件
inline constexpr i18n::Text kListFilter = QT_TRANSLATE_NOOP("commtest", "仪表列表 (*.csv);;所有文件 (*)");
inline const QString kListSuffix = QStringLiteral("csv");
inline constexpr i18n::Text kOpenListTitle = QT_TRANSLATE_NOOP("commtest", "打开仪表列表");
inline constexpr i18n::Text kSaveListTitle = QT_TRANSLATE_NOOP("commtest", "保存仪表列表");
inline constexpr i18n::Text kListNotOpened =
    QT_TRANSLATE_NOOP("commtest", "无法打开仪表列表 %1：\n%2\n\n当前列表保持不变。");
inline constexpr i18n::Text kListNotSaved = QT_TRANSLATE_NOOP("commtest", "无法保存仪表列表 %1：\n%2");
inline constexpr i18n::Text kListEmpty = QT_TRANSLATE_NOOP("commtest", "列表中没有仪表，请先搜索。");

inline constexpr i18n::Text kPrintPreviewTitle = QT_TRANSLATE_NOOP("commtest", "打印预览 - 仪表调试报告");

// Menu entries: object name, caption ("&" marks the access key; "-" a separator), shortcut.
struct MenuEntry {
    const char* name;
    const char* caption;
    const char* shortcut;
    int depth; // 0 menu bar, 1 entry, 2 entry of a submenu
};

// The whole tree in order; an entry of depth d belongs to the last entry of depth d - 1 before it.
inline constexpr MenuEntry kMenu[] = {
    {"file", QT_TRANSLATE_NOOP("commtest", "文件(&F)"), "", 0},
    {"open", QT_TRANSLATE_NOOP("commtest", "打开(&O)..."), "Ctrl+O", 1},
    {"save", QT_TRANSLATE_NOOP("commtest", "保存(&S)..."), "", 1},
    {"print", QT_TRANSLATE_NOOP("commtest", "打印(&P)..."), "", 1},
    {"menu1", "-", "", 1},
    {"exit", QT_TRANSLATE_NOOP("commtest", "退出(&X)"), "Ctrl+X", 1},
    {"communicate", QT_TRANSLATE_NOOP("commtest", "通讯(&C)"), "", 0},
    {"set", QT_TRANSLATE_NOOP("commtest", "通讯口设置(&S)..."), "", 1},
    {"Searched", QT_TRANSLATE_NOOP("commtest", "搜索(&S)..."), "", 1},
    {"operate", QT_TRANSLATE_NOOP("commtest", "操作(&O)"), "", 0},
    {"terminal", QT_TRANSLATE_NOOP("commtest", "终端(&T)"), "", 1},
    {"station", QT_TRANSLATE_NOOP("commtest", "配置(&S)..."), "", 1},
    {"menu2", "-", "", 1},
    {"diagnose", QT_TRANSLATE_NOOP("commtest", "数据诊断(&D)"), "", 1},
    {"current", QT_TRANSLATE_NOOP("commtest", "实时趋势(&C)"), "", 1},
    {"history", QT_TRANSLATE_NOOP("commtest", "历史趋势(&H)"), "", 1},
    {"Windows", QT_TRANSLATE_NOOP("commtest", "窗口(&W)"), "", 0},
    {"Split", QT_TRANSLATE_NOOP("commtest", "拆分(&S)"), "", 1},
    {"menu3", "-", "", 1},
    {"Horizon", QT_TRANSLATE_NOOP("commtest", "水平平铺(&H)"), "", 1},
    {"Plumb", QT_TRANSLATE_NOOP("commtest", "垂直平铺(&P)"), "", 1},
    {"Cascade", QT_TRANSLATE_NOOP("commtest", "层叠(&C)"), "", 1},
    {"menu4", "-", "", 1},
    {"Item", QT_TRANSLATE_NOOP("commtest", "搜索列表"), "", 1},
    {"help", QT_TRANSLATE_NOOP("commtest", "帮助(&H)"), "", 0},
    {"topic", QT_TRANSLATE_NOOP("commtest", "帮助主题(&T)"), "", 1},
    {"ally", QT_TRANSLATE_NOOP("commtest", "联机手册(&A)"), "", 1},
    {"gain", QT_TRANSLATE_NOOP("commtest", "获得技术支持(&G)"), "", 1},
    {"menu5", "-", "", 1},
    {"web", "Web (&W)", "", 1},
    {"synopsis", QT_TRANSLATE_NOOP("commtest", "公司简介(&S)"), "", 2},
    {"catalog", QT_TRANSLATE_NOOP("commtest", "选型目录(&C)"), "", 2},
    {"introduce", QT_TRANSLATE_NOOP("commtest", "产品介绍(&I)"), "", 2},
    {"download", QT_TRANSLATE_NOOP("commtest", "软件下载(&D)"), "", 2},
    {"buy", QT_TRANSLATE_NOOP("commtest", "网上订购(&B)"), "", 2},
    {"menu6", "-", "", 2},
    {"find", QT_TRANSLATE_NOOP("commtest", "搜索(&F)..."), "", 2},
    {"menu7", "-", "", 2},
    {"homepage", QT_TRANSLATE_NOOP("commtest", "主页(&H)"), "", 2},
    {"menu8", "-", "", 1},
    {"about", QT_TRANSLATE_NOOP("commtest", "关于通讯测试软件(&A)"), "", 1},
};

// Toolbar buttons left to right: key, tool tip (empty: none), separator after it.
struct ToolButton {
    const char* key;
    const char* tip;
    bool separatorAfter;
};

inline constexpr ToolButton kToolbar[] = {
    {"TSearch", QT_TRANSLATE_NOOP("commtest", "搜索"), false},
    {"TTerminal", QT_TRANSLATE_NOOP("commtest", "终端"), false},
    {"TSet", QT_TRANSLATE_NOOP("commtest", "通讯口设置"), true},
    {"TData", "", false},
    {"TConfig", QT_TRANSLATE_NOOP("commtest", "配置"), false},
    {"TCurrent", QT_TRANSLATE_NOOP("commtest", "实时趋势"), false},
    {"TTrend", QT_TRANSLATE_NOOP("commtest", "历史趋势"), true},
    {"THelp", QT_TRANSLATE_NOOP("commtest", "帮助"), false},
};

} // namespace app::texts
