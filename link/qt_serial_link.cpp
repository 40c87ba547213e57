#include "link/qt_serial_link.h"
#include "link/port_names.h"

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace serial {

QtSerialLink::QtSerialLink(QObject* parent) : SerialLink(parent) {
    connect(&m_port, &QSerialPort::errorOccurred, this, &QtSerialLink::onError);
    connect(&m_port, &QSerialPort::readyRead, this, &SerialLink::readyRead);
}

QtSerialLink::~QtSerialLink() {
    m_port.close();
}

PortError QtSerialLink::classify(QSerialPort::SerialPortError error) {
    switch (error) {
    case QSerialPort::NoError: return NoError;
    case QSerialPort::DeviceNotFoundError: return NoSuchPort;
    case QSerialPort::PermissionError: return PortInUse;
    case QSerialPort::OpenError: return PortInUse; // this object has it open already
    default: return OtherError;
    }
}

QString QtSerialLink::reasonText(QSerialPort::SerialPortError error, const QString& systemText) {
    struct Wording {
        QSerialPort::SerialPortError error;
        const char* words;
    };
    static constexpr Wording kWordings[] = {
        {QSerialPort::ResourceError, "设备已拔出"},
        {QSerialPort::PermissionError, "无权访问或已被占用"},
        {QSerialPort::DeviceNotFoundError, "设备不存在"},
        {QSerialPort::OpenError, "通讯口已打开"},
        {QSerialPort::NotOpenError, "通讯口未打开"},
        {QSerialPort::ReadError, "读数据出错"},
        {QSerialPort::WriteError, "写数据出错"},
        {QSerialPort::TimeoutError, "操作超时"},
        {QSerialPort::UnsupportedOperationError, "不支持的操作"},
    };
    QString words = QStringLiteral("未知错误");
    for (const Wording& w : kWordings)
        if (w.error == error) words = QString::fromUtf8(w.words);
    const QString detail = systemText.trimmed();
    return detail.isEmpty() ? words : words + QStringLiteral("（") + detail + QStringLiteral("）");
}

QString QtSerialLink::deviceName() const {
    if (!m_device.isEmpty()) return m_device;
    const QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    return resolvePort(portNumber(), environment, portMapping(), presentPorts()).device;
}

PortError QtSerialLink::open() {
    if (m_port.isOpen()) {
        m_lastError = QStringLiteral("already open");
        return PortInUse;
    }
    const QString device = deviceName();
    if (device.isEmpty()) {
        m_lastError = QStringLiteral("no serial device for port %1").arg(portNumber());
        return NoSuchPort;
    }
    m_port.setPortName(device);
    if (!m_port.open(QIODevice::ReadWrite)) {
        const PortError error = classify(m_port.error());
        m_lastError = m_port.errorString();
        m_port.clearError();
        return error == NoError ? OtherError : error;
    }
    // The line is always 8 data bits, no parity, 1 stop bit; only the rate changes.
    const int rate = baudRate();
    const bool configured =
        m_port.setBaudRate(rate > 0 ? rate : 9600) && m_port.setDataBits(QSerialPort::Data8) &&
        m_port.setParity(QSerialPort::NoParity) && m_port.setStopBits(QSerialPort::OneStop) &&
        m_port.setFlowControl(QSerialPort::NoFlowControl);
    if (!configured) {
        m_lastError = m_port.errorString();
        m_port.close();
        m_port.clearError();
        return OtherError;
    }
    m_port.clear();
#ifdef Q_OS_UNIX
    // QSerialPort reads every piece the driver delivers as it comes, waking the program a few
    // hundred times a second on a busy line, while the engines look at the input only on their
    // ticks. With room for one byte it takes the first piece's first byte, says readyRead, and
    // stops listening until readAll(), which then takes the rest from the device at once.
    m_port.setReadBufferSize(1);
#endif
    m_lastError.clear();
    return NoError;
}

void QtSerialLink::close() {
    if (m_port.isOpen()) m_port.close();
}

bool QtSerialLink::isOpen() const {
    return m_port.isOpen();
}

void QtSerialLink::write(const QByteArray& bytes) {
    if (m_port.isOpen()) m_port.write(bytes);
}

QByteArray QtSerialLink::readAll() {
    if (!m_port.isOpen()) return {};
    QByteArray bytes = m_port.readAll();
#ifdef Q_OS_UNIX
    // The device is non-blocking: read until it has nothing more. A failure (the adapter gone) is
    // left for QSerialPort, whose listening readAll() has just turned on again, to report.
    char piece[4096];
    for (;;) {
        const ssize_t got = ::read(m_port.handle(), piece, sizeof piece);
        if (got <= 0) break;
        bytes.append(piece, got);
    }
#endif
    return bytes;
}

void QtSerialLink::onError(QSerialPort::SerialPortError error) {
    // Only a vanished device closes the port; closing here, inside the signal, stops it from firing
    // again on every later read.
    if (error != QSerialPort::ResourceError || !m_port.isOpen()) return;
    const QString reason = reasonText(error, m_port.errorString());
    m_port.close();
    m_port.clearError();
    emit lost(reason);
}

} // namespace serial
