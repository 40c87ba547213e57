#pragma once
// A serial link for tests: records what is written, hands out what the test queued as input, and
// can be told to fail its open or to lose the device.
#include "link/serial_link.h"

#include <QList>

class FakeLink : public serial::SerialLink {
public:
    using serial::SerialLink::SerialLink;

    serial::PortError open() override {
        ++openCount;
        if (openError != serial::NoError) return openError;
        if (m_open) return serial::PortInUse;
        m_open = true;
        return serial::NoError;
    }
    void close() override {
        if (m_open) ++closeCount;
        m_open = false;
    }
    bool isOpen() const override { return m_open; }
    void write(const QByteArray& bytes) override { written.append(bytes); }
    QByteArray readAll() override {
        QByteArray out = input;
        input.clear();
        return out;
    }

    // As if the adapter were unplugged: the port closes and `lost` is sent once.
    void unplug() {
        m_open = false;
        emit lost(QStringLiteral("device removed"));
    }

    serial::PortError openError = serial::NoError;
    QList<QByteArray> written;
    QByteArray input;
    int openCount = 0;
    int closeCount = 0;

private:
    bool m_open = false;
};
