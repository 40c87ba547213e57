#pragma once
// Multi-channel and LCD-series instruments: dual-channel controller, LED and LCD scanners, LCD
// recorders, totalizers and PID controller.
#include "views/view_routine.h"

namespace views {

// Layouts, applied once when the diagnosis window opens. Types 08 and 14 use layoutTwoDisplay.
void layoutPaperlessRecorder(panel::PanelModel& panel);   // LCD80: type 8E
void layoutLcdPid(panel::PanelModel& panel);              // LCD80: type 8A
void layoutTotalizerRecorder(panel::PanelModel& panel);   // LCD80: types 81, 82, 84
void layoutLcdScanner(panel::PanelModel& panel);          // LCD80: type 96

// View routines, called with every checked reply of their type codes.
void ShowDouble(const QByteArray& ntemp, panel::PanelModel& panel, qint16& tn);
void ShowDuo(const QByteArray& ntemp, panel::PanelModel& panel, qint16& tn);
void ShowLCDLL(const QByteArray& ntemp, panel::PanelModel& panel, qint16& tn);
void ShowLCD3LL(const QByteArray& ntemp, panel::PanelModel& panel, qint16& tn);
void ShowLCDPID(const QByteArray& ntemp, panel::PanelModel& panel, qint16& tn);
void ShowLCDR(const QByteArray& ntemp, panel::PanelModel& panel, qint16& tn);
void ShowLCDDuo(const QByteArray& ntemp, panel::PanelModel& panel, qint16& tn);

} // namespace views
