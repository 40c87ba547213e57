#pragma once
// commtest-sim as a child process on a pseudo-terminal: started, watched, stopped.
#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace soak {

class SimulatorProcess : public QObject {
    Q_OBJECT
public:
    SimulatorProcess(QString program, QStringList arguments, QObject* parent = nullptr);
    ~SimulatorProcess() override;

    // Starts the simulator and waits for the device it prints first. Empty on failure, with
    // error() telling why.
    QString start();
    void stop();
    bool isRunning() const { return m_process.state() == QProcess::Running; }
    QString error() const { return m_error; }

    // Ends that were not asked for: a crash or an exit while the soak still needed it.
    int unexpectedEnds() const { return m_unexpectedEnds; }

private:
    void onFinished(int exitCode, QProcess::ExitStatus status);

    QString m_program;
    QStringList m_arguments;
    QProcess m_process;
    QString m_error;
    bool m_stopping = false;
    int m_unexpectedEnds = 0;
};

} // namespace soak
