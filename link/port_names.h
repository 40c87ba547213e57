#pragma once
// Port numbers to device names. COMMTEST_COM<n> in the environment (a device name or path) wins on
// every platform, so that scripts keep control. Next comes the operator's mapping of COM1 to COM4
// to one adapter, found by its serial number where it has one, so that an adapter plugged in again
// under another ttyUSBn is still the same port. Otherwise ("automatic") port n is "COM<n>" on
// Windows and, elsewhere, the n-th serial device the system lists: USB adapters first (ttyUSB*,
// then ttyACM*), then the rest, each group in numeric order.
#include <QList>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <array>

namespace serial {

// A serial device as the system lists it (QSerialPortInfo), as plain data.
struct PortInfo {
    QString portName;       // "ttyUSB0", "COM5"
    QString description;    // "FT232R USB UART"
    QString manufacturer;   // "FTDI"
    QString serialNumber;   // "A50285BI"; empty when the device has none
    QString systemLocation; // "/dev/ttyUSB0"
    bool operator==(const PortInfo& o) const {
        return portName == o.portName && description == o.description && manufacturer == o.manufacturer &&
               serialNumber == o.serialNumber && systemLocation == o.systemLocation;
    }
};

// What one port number is mapped to. Both fields empty: automatic.
struct PortChoice {
    QString serialNumber; // the adapter's serial number; when set, it alone identifies the device
    QString portName;     // the device name it had when chosen; identifies it when it has no serial number
    bool isAutomatic() const { return serialNumber.isEmpty() && portName.isEmpty(); }
    bool operator==(const PortChoice& o) const {
        return serialNumber == o.serialNumber && portName == o.portName;
    }
    bool operator!=(const PortChoice& o) const { return !(*this == o); }
};

// The mappable ports COM1 to COM4, index 0 for COM1.
constexpr int kMappedPorts = 4;
using PortMapping = std::array<PortChoice, kMappedPorts>;

// Orders device names as port numbers count them.
QStringList orderedDeviceNames(QStringList names);

struct PortResolution {
    enum class Source {
        None,        // no device: the port number names no port the system has
        Environment, // COMMTEST_COM<n>
        Mapped,      // the operator's mapping found its device
        Automatic,   // the n-th device, or COM<n> on Windows
    };
    Source source = Source::None;
    QString device;    // what to open; empty with Source::None
    PortInfo info;     // the present device it is, when the system lists it
    PortChoice wanted; // the mapping that was looked for (also when it was not found)
};

// The device for port `number`, as a pure function of what the program knows: the environment,
// the mapping and the serial devices present. A mapped device that is not present gives
// Source::None (never another device in its place).
PortResolution resolvePort(int number, const QProcessEnvironment& environment, const PortMapping& mapping,
                           const QList<PortInfo>& present);

// The serial devices the system lists now.
QList<PortInfo> presentPorts();

// "ttyUSB0 — FT232R USB UART — FTDI — 序列号 A50285BI": whatever is known of the device.
QString describePort(const PortInfo& info);

} // namespace serial
