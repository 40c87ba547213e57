#pragma once
// The program's serial link: QSerialPort, opened on demand with the port number and settings text.
#include "link/serial_link.h"

#include <QSerialPort>

namespace serial {

class QtSerialLink final : public SerialLink {
    Q_OBJECT
public:
    explicit QtSerialLink(QObject* parent = nullptr);
    ~QtSerialLink() override;

    PortError open() override;
    void close() override;
    bool isOpen() const override;
    void write(const QByteArray& bytes) override;
    QByteArray readAll() override;

    // The device name the current port number maps to, empty when there is none.
    QString deviceName() const;
    // A device named directly (a command line's "/dev/ttyUSB0"); it wins over the port number.
    // Empty: the port number's device again.
    void setDevice(const QString& device) { m_device = device; }

    // Why the last open failed, in the system's words (for logs and tools, not for the operator).
    QString lastErrorText() const { return m_lastError; }

    // Classifies a QSerialPort open error into the numbers the operator's messages are keyed on.
    static PortError classify(QSerialPort::SerialPortError error);

    // A port failure as the operator reads it: a Chinese wording of the error, then the system's
    // own text in brackets ("设备已拔出（Resource temporarily unavailable）"). The brackets are
    // left out when the system gave no text.
    static QString reasonText(QSerialPort::SerialPortError error, const QString& systemText);

protected:
    void connectNotify(const QMetaMethod& signal) override;

private:
    void onError(QSerialPort::SerialPortError error);
    // Closes the port and says lost() once, for a failure QSerialPort or readAll() saw.
    void reportLoss(const QString& reason);
    // The same for a failure a read or write of this link saw (`systemError` an errno), once that
    // call has returned.
    void reportLossSoon(int systemError);
    bool inputListened() const;
    // Stops QSerialPort watching the device for input; false when it had nothing to stop.
    bool stopInputWatch();

    QSerialPort m_port;
    QString m_lastError;
    QString m_device;
    QByteArray m_held;     // input taken out of QSerialPort when a listener came, not yet read
    quint64 m_opening = 0; // counts opens, so a loss found in a read ends only that opening
    bool m_inputWatched = false;
};

} // namespace serial
