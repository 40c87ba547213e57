#include "search/diagnosis_gate.h"

#include "i18n/text.h"

#include "link/message_sink.h"
#include "search/instrument_list.h"

bool checkDiagnosable(const InstrumentList& list, serial::MessageSink& messages, QWidget* parent) {
    const int row = list.currentRow();
    if (list.addressCell(row).isEmpty()) {
        messages.show(parent, i18n::tr("未搜索到仪表"), i18n::tr("错误"));
        return false;
    }
    if (list.typeCell(row).isEmpty()) {
        messages.show(parent, i18n::tr("无法显示实时数据"), i18n::tr("未知设备"));
        return false;
    }
    return true;
}
