#pragma once
// What the main window says: title, menus, toolbar tips, status bar, start-up message.
#include <QString>

namespace app::texts {

inline const QString kTitle = QStringLiteral("通讯测试软件");
inline const QString kStatusProduct = QStringLiteral("通讯测试软件   Ver 6.23");
inline const QString kTimeFormat = QStringLiteral("HH:mm");
inline const QString kDateFormat = QStringLiteral("yyyy-MM-dd");

inline const QString kDefaultsInUse = QStringLiteral(
    "无法读取通讯设置文件 %1（%2）。\n本次使用默认设置：COM1，9600bps。请通过“通讯口设置”重新设定。");
inline const QString kDefaultsInUseTitle = QStringLiteral("提示");
// The port was read but the rate was not: the port is kept.
inline const QString kDefaultRateInUse = QStringLiteral(
    "无法完全读取通讯设置文件 %1（%2）。\n本次使用：COM%3，9600bps。请通过“通讯口设置”重新设定。");

// 文件
inline const QString kListFilter = QStringLiteral("仪表列表 (*.csv);;所有文件 (*)");
inline const QString kListSuffix = QStringLiteral("csv");
inline const QString kOpenListTitle = QStringLiteral("打开仪表列表");
inline const QString kSaveListTitle = QStringLiteral("保存仪表列表");
inline const QString kListNotOpened = QStringLiteral("无法打开仪表列表 %1：\n%2\n\n当前列表保持不变。");
inline const QString kListNotSaved = QStringLiteral("无法保存仪表列表 %1：\n%2");
inline const QString kListEmpty = QStringLiteral("列表中没有仪表，请先搜索。");

inline const QString kPrintPreviewTitle = QStringLiteral("打印预览 - 仪表调试报告");

// Menu entries: object name, caption ("&" marks the access key; "-" a separator), shortcut.
struct MenuEntry {
    const char* name;
    const char* caption;
    const char* shortcut;
    int depth; // 0 menu bar, 1 entry, 2 entry of a submenu
};

// The whole tree in order; an entry of depth d belongs to the last entry of depth d - 1 before it.
inline constexpr MenuEntry kMenu[] = {
    {"file", "文件(&F)", "", 0},
    {"open", "打开(&O)...", "Ctrl+O", 1},
    {"save", "保存(&S)...", "", 1},
    {"print", "打印(&P)...", "", 1},
    {"menu1", "-", "", 1},
    {"exit", "退出(&X)", "Ctrl+X", 1},
    {"communicate", "通讯(&C)", "", 0},
    {"set", "通讯口设置(&S)...", "", 1},
    {"Searched", "搜索(&S)...", "", 1},
    {"operate", "操作(&O)", "", 0},
    {"terminal", "终端(&T)", "", 1},
    {"station", "配置(&S)...", "", 1},
    {"menu2", "-", "", 1},
    {"diagnose", "数据诊断(&D)", "", 1},
    {"current", "实时趋势(&C)", "", 1},
    {"history", "历史趋势(&H)", "", 1},
    {"Windows", "窗口(&W)", "", 0},
    {"Split", "拆分(&S)", "", 1},
    {"menu3", "-", "", 1},
    {"Horizon", "水平平铺(&H)", "", 1},
    {"Plumb", "垂直平铺(&P)", "", 1},
    {"Cascade", "层叠(&C)", "", 1},
    {"menu4", "-", "", 1},
    {"Item", "搜索列表", "", 1},
    {"help", "帮助(&H)", "", 0},
    {"topic", "帮助主题(&T)", "", 1},
    {"ally", "联机手册(&A)", "", 1},
    {"gain", "获得技术支持(&G)", "", 1},
    {"menu5", "-", "", 1},
    {"web", "Web (&W)", "", 1},
    {"synopsis", "公司简介(&S)", "", 2},
    {"catalog", "选型目录(&C)", "", 2},
    {"introduce", "产品介绍(&I)", "", 2},
    {"download", "软件下载(&D)", "", 2},
    {"buy", "网上订购(&B)", "", 2},
    {"menu6", "-", "", 2},
    {"find", "搜索(&F)...", "", 2},
    {"menu7", "-", "", 2},
    {"homepage", "主页(&H)", "", 2},
    {"menu8", "-", "", 1},
    {"about", "关于通讯测试软件(&A)", "", 1},
};

// Toolbar buttons left to right: key, tool tip (empty: none), separator after it.
struct ToolButton {
    const char* key;
    const char* tip;
    bool separatorAfter;
};

inline constexpr ToolButton kToolbar[] = {
    {"TSearch", "搜索", false},  {"TTerminal", "终端", false},   {"TSet", "通讯口设置", true},
    {"TData", "", false},        {"TConfig", "配置", false},     {"TCurrent", "实时趋势", false},
    {"TTrend", "历史趋势", true}, {"THelp", "帮助", false},
};

} // namespace app::texts
