#pragma once
// The checks before the diagnosis window opens, shared by the main window's command and the list's
// double-click: the current row must name an instrument of a known type.
class InstrumentList;
class QWidget;
namespace serial {
class MessageSink;
}

// Shows "未搜索到仪表" ("错误") when the current row's address cell is empty, "无法显示实时数据"
// ("未知设备") when its type cell is empty, and returns false then; true when the window may open.
bool checkDiagnosable(const InstrumentList& list, serial::MessageSink& messages, QWidget* parent);
