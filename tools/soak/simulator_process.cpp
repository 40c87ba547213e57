#include "tools/soak/simulator_process.h"

#include <cstdio>

namespace soak {

namespace {
constexpr int kStartTimeoutMs = 10000;
constexpr int kStopTimeoutMs = 3000;
} // namespace

SimulatorProcess::SimulatorProcess(QString program, QStringList arguments, QObject* parent)
    : QObject(parent), m_program(std::move(program)), m_arguments(std::move(arguments)) {
    // Its complaints go straight to our standard error; its standard output is only the device.
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    connect(&m_process, &QProcess::finished, this, &SimulatorProcess::onFinished);
}

SimulatorProcess::~SimulatorProcess() {
    stop();
}

QString SimulatorProcess::start() {
    m_stopping = false;
    m_error.clear();
    m_process.start(m_program, m_arguments);
    if (!m_process.waitForStarted(kStartTimeoutMs)) {
        m_error = m_process.errorString();
        return {};
    }
    while (!m_process.canReadLine()) {
        if (!m_process.waitForReadyRead(kStartTimeoutMs)) {
            m_error = QStringLiteral("no device printed within %1 s").arg(kStartTimeoutMs / 1000);
            stop();
            return {};
        }
    }
    return QString::fromLocal8Bit(m_process.readLine()).trimmed();
}

void SimulatorProcess::stop() {
    if (m_process.state() == QProcess::NotRunning) return;
    m_stopping = true;
    m_process.terminate();
    if (!m_process.waitForFinished(kStopTimeoutMs)) {
        m_process.kill();
        m_process.waitForFinished(kStopTimeoutMs);
    }
}

void SimulatorProcess::onFinished(int exitCode, QProcess::ExitStatus status) {
    if (m_stopping) return;
    ++m_unexpectedEnds;
    std::fprintf(stderr, "commtest-soak: the simulator ended (%s, code %d)\n",
                 status == QProcess::CrashExit ? "crashed" : "exited", exitCode);
}

} // namespace soak
