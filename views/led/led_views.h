#pragma once
// LED-series instruments: single-display meters, manual operator, PID controllers, flow totalizer,
// three-phase power meter and module.
#include "views/view_routine.h"

namespace views {

class ReadingTable;

// Layouts, applied once when the diagnosis window opens, after the type's front picture.
void layoutSingleDisplay(panel::PanelModel& panel);     // types 02, 04, 06, 16
void layoutTwoDisplay(panel::PanelModel& panel);        // types 08, 0A, 0E, 14
void layoutProgramController(panel::PanelModel& panel); // type 10
void layoutFlowTotalizer(panel::PanelModel& panel);     // type 12
void layoutPowerMeter(panel::PanelModel& panel);        // type 1E
void layoutPowerModule(panel::PanelModel& panel);       // type 1F

// View routines, called with every checked reply of their type codes.
void ShowDX(const QByteArray& ntemp, panel::PanelModel& panel, qint16& tn, protocol::Readings& readings);
void ShowSCQ(const QByteArray& ntemp, panel::PanelModel& panel, qint16& tn, protocol::Readings& readings);
void ShowPID(const QByteArray& ntemp, panel::PanelModel& panel, qint16& tn, protocol::Readings& readings);
void Show32PID(const QByteArray& ntemp, panel::PanelModel& panel, qint16& tn, protocol::Readings& readings);
void ShowLL(const QByteArray& ntemp, panel::PanelModel& panel, qint16& tn, protocol::Readings& readings);
void ShowAC(const QByteArray& ntemp, panel::PanelModel& panel, qint16& tn, protocol::Readings& readings);

// The readings each family gives.
const ReadingTable& singleDisplayReadings();     // 02, 04, 06, 16
const ReadingTable& manualOperatorReadings();    // 0A
const ReadingTable& pidControllerReadings();     // 0E
const ReadingTable& programControllerReadings(); // 10
const ReadingTable& flowTotalizerReadings();     // 12
const ReadingTable& powerMeterReadings();        // 1E
const ReadingTable& powerModuleReadings();       // 1F

} // namespace views
