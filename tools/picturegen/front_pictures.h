#pragma once
// The front picture of each instrument family. Display windows, lamp sockets and legends stand
// where that family's layout puts its value labels and lamps, so the labels land on them.
#include <QImage>

namespace picturegen {

QImage singleDisplayFront();     // C80
QImage twoDisplayFront();        // D80
QImage programControllerFront(); // P80
QImage flowTotalizerFront();     // L80
QImage powerMeterFront();        // AC80
QImage powerModuleFront();       // DL80
QImage lcdFront();               // LCD80

} // namespace picturegen
