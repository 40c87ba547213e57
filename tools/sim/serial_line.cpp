#include "tools/sim/serial_line.h"

namespace sim {

SerialLine::SerialLine(QObject* parent) : Line(parent) {
    connect(&m_port, &QSerialPort::readyRead, this, [this] { emit received(m_port.readAll()); });
    connect(&m_port, &QSerialPort::errorOccurred, this, &SerialLine::onError);
}

bool SerialLine::open(const QString& device, int baud) {
    m_device = device;
    m_port.setPortName(device);
    if (!m_port.open(QIODevice::ReadWrite)) return false;
    m_port.setBaudRate(baud);
    m_port.setDataBits(QSerialPort::Data8);
    m_port.setParity(QSerialPort::NoParity);
    m_port.setStopBits(QSerialPort::OneStop);
    m_port.setFlowControl(QSerialPort::NoFlowControl);
    return true;
}

void SerialLine::send(const QByteArray& bytes) {
    if (m_port.isOpen()) m_port.write(bytes);
}

void SerialLine::onError(QSerialPort::SerialPortError error) {
    // Only a vanished device is final; closing at once keeps the error from repeating.
    if (error != QSerialPort::ResourceError) return;
    const QString reason = m_port.errorString();
    m_port.close();
    emit failed(reason);
}

} // namespace sim
