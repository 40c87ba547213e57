#include "views/instrument_types.h"

#include "views/led/led_views.h"
#include "views/multi/multi_views.h"

namespace views {

namespace {

#define VIEW(name) QStringLiteral(#name), name

const std::vector<InstrumentType>& table() {
    static const std::vector<InstrumentType> types = {
        {0x02, QStringLiteral("LED系列——四位双报警单显表"), QStringLiteral("picture/C80.BMP"), VIEW(ShowDX),
         layoutSingleDisplay, singleDisplayReadings},
        {0x04, QStringLiteral("LED系列——四位四报警单显表"), QStringLiteral("picture/C80.BMP"), VIEW(ShowDX),
         layoutSingleDisplay, singleDisplayReadings},
        {0x06, QStringLiteral("LED系列——五位四报警单显表"), QStringLiteral("picture/C80.BMP"), VIEW(ShowDX),
         layoutSingleDisplay, singleDisplayReadings},
        {0x08, QStringLiteral("LED系列——双路显示控制仪"), QStringLiteral("picture/D80.BMP"), VIEW(ShowDouble),
         layoutTwoDisplay, dualChannelReadings},
        {0x0A, QStringLiteral("LED系列——手动操作器"), QStringLiteral("picture/D80.BMP"), VIEW(ShowSCQ),
         layoutTwoDisplay, manualOperatorReadings},
        {0x0E, QStringLiteral("LED系列——PID显示控制仪"), QStringLiteral("picture/D80.BMP"), VIEW(ShowPID),
         layoutTwoDisplay, pidControllerReadings},
        {0x10, QStringLiteral("LED系列——32段PID控制仪"), QStringLiteral("picture/P80.BMP"), VIEW(Show32PID),
         layoutProgramController, programControllerReadings},
        {0x12, QStringLiteral("LED系列——流量积算仪"), QStringLiteral("picture/L80.BMP"), VIEW(ShowLL),
         layoutFlowTotalizer, flowTotalizerReadings},
        {0x14, QStringLiteral("LED系列——多路巡检仪"), QStringLiteral("picture/D80.BMP"), VIEW(ShowDuo),
         layoutTwoDisplay, ledScannerReadings},
        {0x16, QStringLiteral("LED系列——频率表"), QStringLiteral("picture/C80.BMP"), VIEW(ShowDX),
         layoutSingleDisplay, singleDisplayReadings},
        {0x1E, QStringLiteral("LED系列——三相电量表"), QStringLiteral("picture/AC80.BMP"), VIEW(ShowAC),
         layoutPowerMeter, powerMeterReadings},
        {0x1F, QStringLiteral("MODEL系列——三相电量模块"), QStringLiteral("picture/DL80.BMP"), VIEW(ShowAC),
         layoutPowerModule, powerModuleReadings},
        {0x81, QStringLiteral("LCD系列——流量/热能积算记录仪"), QStringLiteral("picture/LCD80.BMP"),
         VIEW(ShowLCDLL), layoutTotalizerRecorder, totalizerRecorderReadings},
        {0x82, QStringLiteral("LCD系列——3路流量/热能积算记录仪"), QStringLiteral("picture/LCD80.BMP"),
         VIEW(ShowLCD3LL), layoutTotalizerRecorder, tripleTotalizerRecorderReadings},
        {0x84, QStringLiteral("LCD系列——热量积算记录仪"), QStringLiteral("picture/LCD80.BMP"),
         VIEW(ShowLCDLL), layoutTotalizerRecorder, totalizerRecorderReadings},
        {0x8A, QStringLiteral("LCD系列——PID控制仪"), QStringLiteral("picture/LCD80.BMP"), VIEW(ShowLCDPID),
         layoutLcdPid, lcdPidReadings},
        {0x8E, QStringLiteral("LCD系列——3路无纸记录仪表"), QStringLiteral("picture/LCD80.BMP"),
         VIEW(ShowLCDR), layoutPaperlessRecorder, paperlessRecorderReadings},
        {0x96, QStringLiteral("LCD系列——多路巡检仪"), QStringLiteral("picture/LCD80.BMP"), VIEW(ShowLCDDuo),
         layoutLcdScanner, lcdScannerReadings},
    };
    return types;
}

#undef VIEW

} // namespace

const std::vector<InstrumentType>& instrumentTypes() {
    return table();
}

const InstrumentType* typeForCode(int code) {
    for (const InstrumentType& t : table())
        if (t.code == code) return &t;
    return nullptr;
}

const InstrumentType* typeForModel(const QString& model) {
    for (const InstrumentType& t : table())
        if (t.model == model) return &t;
    return nullptr;
}

QString modelNameOf(int code) {
    const InstrumentType* t = typeForCode(code);
    return t ? t->model : QString();
}

ViewRoutine viewForCode(int code) {
    const InstrumentType* t = typeForCode(code);
    return t ? t->view : nullptr;
}

bool layoutForModel(const QString& model, panel::PanelModel& panel) {
    const InstrumentType* t = typeForModel(model);
    if (!t) return false;
    panel.image1.picture = t->picture;
    t->layout(panel);
    return true;
}

} // namespace views
