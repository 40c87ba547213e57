#pragma once
// A real serial device, for a null-modem cable or an RS-485 adapter.
#include "tools/sim/line.h"

#include <QSerialPort>

namespace sim {

class SerialLine : public Line {
    Q_OBJECT
public:
    explicit SerialLine(QObject* parent = nullptr);

    // Opens `device` at `baud`, 8N1, no flow control. False with `error()` on failure.
    bool open(const QString& device, int baud);
    QString error() const { return m_port.errorString(); }

    QString devicePath() const override { return m_device; }
    void send(const QByteArray& bytes) override;

private:
    void onError(QSerialPort::SerialPortError error);

    QSerialPort m_port;
    QString m_device;
};

} // namespace sim
