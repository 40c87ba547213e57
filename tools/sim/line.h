#pragma once
// The simulator's end of the serial line: bytes in by signal, bytes out by call.
#include <QByteArray>
#include <QObject>
#include <QString>

namespace sim {

class Line : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~Line() override = default;

    // What the program should open.
    virtual QString devicePath() const = 0;
    // Writes what the line takes now; bytes that do not fit (nobody is reading) are lost, as on
    // a wire.
    virtual void send(const QByteArray& bytes) = 0;

signals:
    void received(const QByteArray& bytes);
    // The device failed for good (an adapter unplugged).
    void failed(const QString& reason);
};

} // namespace sim
