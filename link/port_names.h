#pragma once
// Port numbers to device names. COMMTEST_COM<n> in the environment (a device name or path) wins on
// every platform; otherwise port n is "COM<n>" on Windows and, elsewhere, the n-th serial device the
// system lists: USB adapters first (ttyUSB*, then ttyACM*), then the rest, each group in numeric order.
#include <QString>
#include <QStringList>

namespace serial {

// Orders device names as port numbers count them.
QStringList orderedDeviceNames(QStringList names);

// The device for port `number`, or empty text when there is none (error 8002).
// `systemDevices` is what the system lists (QSerialPortInfo::availablePorts() in the program).
QString deviceForPort(int number, const QStringList& systemDevices);

} // namespace serial
