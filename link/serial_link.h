#pragma once
// The one serial port of the program, behind a small interface so that the windows and the poll
// cycles run the same against QSerialPort and against a fake in tests.
#include "link/port_names.h"

#include <QByteArray>
#include <QObject>
#include <QString>

namespace serial {

// Port error numbers the operator's messages are keyed on.
enum PortError : int {
    NoError = 0,
    Overflow = 6,      // an address field overflowed 16 bits
    NoSuchPort = 8002, // the port number names no port that the system has
    PortInUse = 8005,  // already open, or held by another program
    OtherError = 8015, // anything else the device refused
};

class SerialLink : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~SerialLink() override = default;

    // Port number (1 means "COM1") and settings text ("9600,n,8,1"), kept as set.
    void setPortNumber(qint16 number) { m_portNumber = number; }
    qint16 portNumber() const { return m_portNumber; }
    void setSettings(const QString& settings) { m_settings = settings; }
    QString settings() const { return m_settings; }
    // Which adapters COM1 to COM4 stand for; automatic unless the operator chose one.
    void setPortMapping(const PortMapping& mapping) { m_mapping = mapping; }
    const PortMapping& portMapping() const { return m_mapping; }

    // The rate of the settings text: its leading digits, blanks before them ignored (" 9600,n,8,1"
    // gives 9600). 0 when there are none.
    int baudRate() const;

    // Opens the port with the current number and settings. Returns NoError or the error number;
    // a failed open leaves the port as it was.
    virtual PortError open() = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    // Sends every byte of `bytes` unchanged; nothing is appended.
    virtual void write(const QByteArray& bytes) = 0;
    // All bytes received and not yet read; empty when none.
    virtual QByteArray readAll() = 0;

signals:
    // The device failed while open (an adapter unplugged). The port has been closed already; this
    // is sent once per failure, not on every later tick.
    void lost(const QString& reason);
    // New input can be read. Engines that react to input as it arrives listen to it; the rest
    // read on their own ticks. It may come once for all input until the next readAll().
    void readyRead();

private:
    qint16 m_portNumber = 1;
    QString m_settings = QStringLiteral("9600,n,8,1");
    PortMapping m_mapping{};
};

} // namespace serial
