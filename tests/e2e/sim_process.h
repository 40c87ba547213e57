#pragma once
// commtest-sim as a separate process on a pseudo-terminal, holding its documented constants
// (--fixed) and logging every line it sees (--verbose), so a test can count what it answered.
#include <QProcess>
#include <QString>
#include <QStringList>

class SimProcess {
public:
    SimProcess();
    ~SimProcess();
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    // Starts the simulator from COMMTEST_BIN_DIR with `extraArguments` after the fixed ones, waits
    // for the device on its first output line and points port 1 (COMMTEST_COM1) at it. False,
    // with the reason in error(), when it does not come up.
    bool start(const QStringList& extraArguments);

    // Ends it with SIGTERM; true when it went away by itself with status 0 (it exits 1 when its
    // line broke under it).
    bool stop();

    QString devicePath() const { return m_device; }
    QString error() const { return m_error; }
    // Everything it logged on standard error so far.
    QString log() const;
    // Log lines that begin with `direction` ("->" reply, "--" no answer, "<-" received).
    int logLines(const QString& direction) const;

private:
    QProcess m_process;
    QString m_device;
    QString m_error;
    QByteArray m_log;
};
