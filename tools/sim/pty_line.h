#pragma once
// A pseudo-terminal: the program opens the slave device, the simulator keeps the master.
#include "tools/sim/line.h"

class QSocketNotifier;

namespace sim {

class PtyLine : public Line {
    Q_OBJECT
public:
    explicit PtyLine(QObject* parent = nullptr);
    ~PtyLine() override;

    // False when no pseudo-terminal could be created; `error()` says why.
    bool isOpen() const { return m_master >= 0; }
    QString error() const { return m_error; }

    QString devicePath() const override { return m_slavePath; }
    void send(const QByteArray& bytes) override;

private:
    void readMaster();

    int m_master = -1;
    // Held open so that the master never reads end-of-file while the program has the device
    // closed, between a scan and a diagnosis for instance.
    int m_slave = -1;
    QString m_slavePath;
    QString m_error;
    QSocketNotifier* m_notifier = nullptr;
};

} // namespace sim
