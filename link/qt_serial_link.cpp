#include "link/qt_serial_link.h"
#include "link/port_names.h"

#include <QMetaMethod>
#include <QSocketNotifier>

#include <algorithm>
#include <utility>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <poll.h>
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
    m_held.clear();
    ++m_opening;
#ifdef Q_OS_UNIX
    // QSerialPort reads every piece the driver delivers as it comes, waking the program a few
    // hundred times a second on a busy line, while most engines look at the input only on their
    // ticks. Unless someone listens to readyRead it does not watch the device at all: readAll()
    // takes the input straight from it. For a listener, with room for one byte it takes the first
    // piece's first byte, says readyRead, and stops listening until readAll().
    m_port.setReadBufferSize(1);
    m_inputWatched = inputListened() || !stopInputWatch();
#endif
    m_lastError.clear();
    return NoError;
}

void QtSerialLink::close() {
    m_held.clear();
    if (m_port.isOpen()) m_port.close();
}

bool QtSerialLink::inputListened() const {
    return isSignalConnected(QMetaMethod::fromSignal(&SerialLink::readyRead));
}

void QtSerialLink::connectNotify(const QMetaMethod& signal) {
    // QSerialPort watches the device again only after a read through it; a new listener must hear
    // the next input, so read (and keep) what it holds now.
    if (signal == QMetaMethod::fromSignal(&SerialLink::readyRead) && m_port.isOpen()) {
        m_held += m_port.readAll();
        m_inputWatched = true;
    }
}

bool QtSerialLink::stopInputWatch() {
    bool stopped = false;
    for (QSocketNotifier* watch : m_port.findChildren<QSocketNotifier*>(Qt::FindDirectChildrenOnly)) {
        if (watch->type() != QSocketNotifier::Read) continue;
        watch->setEnabled(false);
        stopped = true;
    }
    return stopped;
}

bool QtSerialLink::isOpen() const {
    return m_port.isOpen();
}

void QtSerialLink::write(const QByteArray& bytes) {
    if (!m_port.isOpen() || bytes.isEmpty()) return;
#ifdef Q_OS_UNIX
    // QSerialPort writes when the device next says it is writable, one more wake-up per request;
    // a request fits the driver's buffer, so write it now. What does not fit, and anything after
    // bytes QSerialPort still holds, goes through QSerialPort in order.
    qsizetype done = 0;
    if (m_port.bytesToWrite() == 0) {
        const ssize_t wrote = ::write(static_cast<int>(m_port.handle()), bytes.constData(), bytes.size());
        if (wrote < 0 && errno != EAGAIN && errno != EINTR) {
            reportLossSoon(errno);
            return;
        }
        done = std::max<qsizetype>(wrote, 0);
    }
    if (done < bytes.size()) m_port.write(bytes.constData() + done, bytes.size() - done);
#else
    m_port.write(bytes);
#endif
}

QByteArray QtSerialLink::readAll() {
    if (!m_port.isOpen()) return {};
    QByteArray bytes = std::exchange(m_held, {});
#ifndef Q_OS_UNIX
    return bytes + m_port.readAll();
#else
    const bool listened = inputListened();
    // A read through QSerialPort makes it watch the device again.
    if (listened || m_port.bytesAvailable() > 0) {
        bytes += m_port.readAll();
        m_inputWatched = true;
    }
    if (!listened && m_inputWatched) m_inputWatched = !stopInputWatch();
    // The device is non-blocking: read until it has nothing more.
    const int fd = static_cast<int>(m_port.handle());
    char piece[4096];
    ssize_t got = 0;
    while ((got = ::read(fd, piece, sizeof piece)) > 0)
        bytes.append(piece, got);
    if (listened) return bytes; // QSerialPort, listening again, reports a failure itself
    // Nobody else watches the device: a hang-up (the adapter unplugged) is seen here.
    const int readError = got < 0 && errno != EAGAIN && errno != EINTR ? errno : 0;
    pollfd watch{fd, POLLIN, 0};
    const bool hungUp = ::poll(&watch, 1, 0) > 0 && (watch.revents & (POLLHUP | POLLERR | POLLNVAL));
    if (readError != 0 || hungUp) reportLossSoon(readError != 0 ? readError : EIO);
    return bytes;
#endif
}

void QtSerialLink::reportLossSoon(int systemError) {
    // Told after the read or write returns, as QSerialPort tells it: callers never see the port go
    // from under them inside a call.
    const QString reason = reasonText(QSerialPort::ResourceError, qt_error_string(systemError));
    QMetaObject::invokeMethod(
        this,
        [this, reason, opening = m_opening] {
            if (opening == m_opening) reportLoss(reason);
        },
        Qt::QueuedConnection);
}

void QtSerialLink::onError(QSerialPort::SerialPortError error) {
    // Only a vanished device closes the port; closing here, inside the signal, stops it from firing
    // again on every later read.
    if (error != QSerialPort::ResourceError) return;
    reportLoss(reasonText(error, m_port.errorString()));
}

void QtSerialLink::reportLoss(const QString& reason) {
    if (!m_port.isOpen()) return;
    close();
    m_port.clearError();
    emit lost(reason);
}

} // namespace serial
