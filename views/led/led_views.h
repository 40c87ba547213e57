#pragma once
// LED-series instruments: single-display meters, manual operator, PID controllers, flow totalizer,
// three-phase power meter and module.
#include "views/view_routine.h"

namespace views {

// Layouts, applied once when the diagnosis window opens.
void layoutSingleDisplay(panel::PanelModel& panel);     // C80: types 02, 04, 06, 16
void layoutTwoDisplay(panel::PanelModel& panel);        // D80: types 08, 0A, 0E, 14
void layoutProgramController(panel::PanelModel& panel); // P80: type 10
void layoutFlowTotalizer(panel::PanelModel& panel);     // L80: type 12
void layoutPowerMeter(panel::PanelModel& panel);        // AC80: type 1E
void layoutPowerModule(panel::PanelModel& panel);       // DL80: type 1F

// View routines, called with every checked reply of their type codes.
void ShowDX(const QByteArray& ntemp, panel::PanelModel& panel, qint16& tn);
void ShowSCQ(const QByteArray& ntemp, panel::PanelModel& panel, qint16& tn);
void ShowPID(const QByteArray& ntemp, panel::PanelModel& panel, qint16& tn);
void Show32PID(const QByteArray& ntemp, panel::PanelModel& panel, qint16& tn);
void ShowLL(const QByteArray& ntemp, panel::PanelModel& panel, qint16& tn);
void ShowAC(const QByteArray& ntemp, panel::PanelModel& panel, qint16& tn);

} // namespace views
