#include "sim_process.h"

#include <QElapsedTimer>

namespace {
// The turnaround delay: short, so a reply is complete well inside one receive tick.
const QStringList kFixedArguments = {QStringLiteral("--pty"), QStringLiteral("--fixed"),
                                     QStringLiteral("--delay"), QStringLiteral("5"),
                                     QStringLiteral("--verbose")};
constexpr int kStartMs = 5000;
constexpr int kStopMs = 3000;
} // namespace

SimProcess::SimProcess() {
    QObject::connect(&m_process, &QProcess::readyReadStandardError, &m_process,
                     [this] { m_log += m_process.readAllStandardError(); });
}

SimProcess::~SimProcess() {
    stop();
}

bool SimProcess::start(const QStringList& extraArguments) {
    m_process.setProgram(qEnvironmentVariable("COMMTEST_BIN_DIR") + QStringLiteral("/commtest-sim"));
    m_process.setArguments(kFixedArguments + extraArguments);
    m_process.start();
    if (!m_process.waitForStarted(kStartMs)) {
        m_error = m_process.errorString();
        return false;
    }
    QElapsedTimer clock;
    clock.start();
    while (!m_process.canReadLine() && m_process.state() == QProcess::Running && clock.elapsed() < kStartMs)
        m_process.waitForReadyRead(50);
    m_device = QString::fromLocal8Bit(m_process.readLine()).trimmed();
    if (m_device.isEmpty()) {
        m_log += m_process.readAllStandardError();
        m_error = QStringLiteral("no device line; log: ") + log();
        return false;
    }
    qputenv("COMMTEST_COM1", m_device.toLocal8Bit());
    return true;
}

bool SimProcess::stop() {
    if (m_process.state() == QProcess::NotRunning) return m_process.exitCode() == 0;
    m_process.terminate();
    if (!m_process.waitForFinished(kStopMs)) {
        m_process.kill();
        m_process.waitForFinished(kStopMs);
        return false;
    }
    m_log += m_process.readAllStandardError();
    return m_process.exitStatus() == QProcess::NormalExit && m_process.exitCode() == 0;
}

QString SimProcess::log() const {
    return QString::fromLocal8Bit(m_log);
}

int SimProcess::logLines(const QString& direction) const {
    // Each line is "HH:mm:ss.zzz <direction> <bytes>".
    const QString marker = QLatin1Char(' ') + direction + QLatin1Char(' ');
    int count = 0;
    for (const QString& line : log().split(QLatin1Char('\n')))
        if (line.mid(12, marker.size()) == marker) ++count;
    return count;
}
