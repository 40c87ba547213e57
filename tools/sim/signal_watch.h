#pragma once
// Turns SIGTERM and SIGINT into a quit of the event loop, so that the simulator closes its
// devices on the way out instead of dying mid-write.
#include <QObject>

class QSocketNotifier;

namespace sim {

class SignalWatch : public QObject {
    Q_OBJECT
public:
    explicit SignalWatch(QObject* parent = nullptr);
    ~SignalWatch() override;

signals:
    void stopRequested(int signalNumber);

private:
    void onSignal();

    QSocketNotifier* m_notifier = nullptr;
};

} // namespace sim
