#include "tools/sim/pty_line.h"

#include <QSocketNotifier>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace sim {

PtyLine::PtyLine(QObject* parent) : Line(parent) {
    char name[256] = {};
    if (openpty(&m_master, &m_slave, name, nullptr, nullptr) != 0) {
        m_error = QString::fromLocal8Bit(std::strerror(errno));
        m_master = m_slave = -1;
        return;
    }
    // Raw, so that CR and every other byte pass unchanged in both directions.
    termios t{};
    tcgetattr(m_slave, &t);
    cfmakeraw(&t);
    tcsetattr(m_slave, TCSANOW, &t);
    fcntl(m_master, F_SETFL, fcntl(m_master, F_GETFL) | O_NONBLOCK);
    fcntl(m_master, F_SETFD, FD_CLOEXEC);
    fcntl(m_slave, F_SETFD, FD_CLOEXEC);
    m_slavePath = QString::fromLocal8Bit(name);
    m_notifier = new QSocketNotifier(m_master, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &PtyLine::readMaster);
}

PtyLine::~PtyLine() {
    if (m_notifier) m_notifier->setEnabled(false);
    if (m_master >= 0) ::close(m_master);
    if (m_slave >= 0) ::close(m_slave);
}

void PtyLine::send(const QByteArray& bytes) {
    if (m_master < 0) return;
    const char* p = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(m_master, p, static_cast<size_t>(left));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return; // the slave's input queue is full: nobody reads, the bytes are lost
        p += n;
        left -= n;
    }
}

void PtyLine::readMaster() {
    char buffer[512];
    QByteArray bytes;
    for (;;) {
        const ssize_t n = ::read(m_master, buffer, sizeof buffer);
        if (n > 0) {
            bytes.append(buffer, n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) break;
        // End of file or a hard error: stop listening rather than spin on it.
        m_notifier->setEnabled(false);
        emit failed(n == 0 ? QStringLiteral("pseudo-terminal closed")
                           : QString::fromLocal8Bit(std::strerror(errno)));
        break;
    }
    if (!bytes.isEmpty()) emit received(bytes);
}

} // namespace sim
