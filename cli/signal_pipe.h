#pragma once
// SIGINT and SIGTERM as a Qt signal: the handler only writes one byte into a pipe, and a socket
// notifier on the pipe's other end tells the event loop, where the real work is safe.
#include <QObject>

class QSocketNotifier;

namespace cli {

class SignalPipe : public QObject {
    Q_OBJECT
public:
    // One per process; false with `error` when the pipe or the handlers could not be set up.
    explicit SignalPipe(QObject* parent = nullptr);
    ~SignalPipe() override;
    bool install(QString* error);

signals:
    void terminationRequested(int signalNumber);

private:
    void onReadable();
    QSocketNotifier* m_notifier = nullptr;
};

} // namespace cli
