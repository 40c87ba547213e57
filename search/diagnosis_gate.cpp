#include "search/diagnosis_gate.h"

#include "link/message_sink.h"
#include "search/instrument_list.h"

bool checkDiagnosable(const InstrumentList& list, serial::MessageSink& messages, QWidget* parent) {
    const int row = list.currentRow();
    if (list.addressCell(row).isEmpty()) {
        messages.show(parent, QStringLiteral("未搜索到仪表"), QStringLiteral("错误"));
        return false;
    }
    if (list.typeCell(row).isEmpty()) {
        messages.show(parent, QStringLiteral("无法显示实时数据"), QStringLiteral("未知设备"));
        return false;
    }
    return true;
}
