#include "views/view_table.h"

#include "protocol/catalogue.h"
#include "views/led/led_views.h"
#include "views/multi/multi_views.h"

#include <utility>

namespace views {

namespace {

const std::pair<const char*, ViewRoutine> kRoutines[] = {
    {"ShowSCQ", ShowSCQ},       {"ShowDX", ShowDX},         {"ShowPID", ShowPID},
    {"Show32PID", Show32PID},   {"ShowLL", ShowLL},         {"ShowAC", ShowAC},
    {"ShowDouble", ShowDouble}, {"ShowDuo", ShowDuo},       {"ShowLCDLL", ShowLCDLL},
    {"ShowLCD3LL", ShowLCD3LL}, {"ShowLCDPID", ShowLCDPID}, {"ShowLCDR", ShowLCDR},
    {"ShowLCDDuo", ShowLCDDuo},
};

// Layout by type code of the model's catalogue entry.
Layout layoutForCode(int code) {
    switch (code) {
    case 0x02: case 0x04: case 0x06: case 0x16: return layoutSingleDisplay;
    case 0x08: case 0x0A: case 0x0E: case 0x14: return layoutTwoDisplay;
    case 0x10: return layoutProgramController;
    case 0x12: return layoutFlowTotalizer;
    case 0x1E: return layoutPowerMeter;
    case 0x1F: return layoutPowerModule;
    case 0x81: case 0x82: case 0x84: return layoutTotalizerRecorder;
    case 0x8A: return layoutLcdPid;
    case 0x8E: return layoutPaperlessRecorder;
    case 0x96: return layoutLcdScanner;
    default: return nullptr;
    }
}

} // namespace

ViewRoutine viewRoutine(const QString& name) {
    for (const auto& [n, routine] : kRoutines)
        if (name == QLatin1String(n)) return routine;
    return nullptr;
}

ViewRoutine viewForCode(int typeCode) {
    const auto* entry = protocol::entryForCode(typeCode);
    return entry ? viewRoutine(entry->view) : nullptr;
}

bool layoutForModel(const QString& modelName, panel::PanelModel& panel) {
    const auto* entry = protocol::entryForModel(modelName);
    if (!entry) return false;
    const Layout layout = layoutForCode(entry->code);
    if (!layout) return false;
    layout(panel);
    return true;
}

} // namespace views
