#pragma once
// Multi-channel and LCD-series instruments: dual-channel controller, LED and LCD scanners, LCD
// recorders, totalizers and PID controller.
#include "views/view_routine.h"

namespace views {

class ReadingTable;

// Layouts, applied once when the diagnosis window opens, after the type's front picture. Types 08
// and 14 use layoutTwoDisplay.
void layoutPaperlessRecorder(panel::PanelModel& panel); // type 8E
void layoutLcdPid(panel::PanelModel& panel);            // type 8A
void layoutTotalizerRecorder(panel::PanelModel& panel); // types 81, 82, 84
void layoutLcdScanner(panel::PanelModel& panel);        // type 96

// View routines, called with every checked reply of their type codes.
void ShowDouble(const QByteArray& ntemp, panel::PanelModel& panel, qint16& tn, protocol::Readings& readings);
void ShowDuo(const QByteArray& ntemp, panel::PanelModel& panel, qint16& tn, protocol::Readings& readings);
void ShowLCDLL(const QByteArray& ntemp, panel::PanelModel& panel, qint16& tn, protocol::Readings& readings);
void ShowLCD3LL(const QByteArray& ntemp, panel::PanelModel& panel, qint16& tn, protocol::Readings& readings);
void ShowLCDPID(const QByteArray& ntemp, panel::PanelModel& panel, qint16& tn, protocol::Readings& readings);
void ShowLCDR(const QByteArray& ntemp, panel::PanelModel& panel, qint16& tn, protocol::Readings& readings);
void ShowLCDDuo(const QByteArray& ntemp, panel::PanelModel& panel, qint16& tn, protocol::Readings& readings);

// The readings each family gives.
const ReadingTable& dualChannelReadings();             // 08
const ReadingTable& ledScannerReadings();              // 14
const ReadingTable& totalizerRecorderReadings();       // 81, 84
const ReadingTable& tripleTotalizerRecorderReadings(); // 82
const ReadingTable& lcdPidReadings();                  // 8A
const ReadingTable& paperlessRecorderReadings();       // 8E
const ReadingTable& lcdScannerReadings();              // 96

} // namespace views
