#include "tools/sim/transmitter.h"

#include "tools/sim/pacing.h"

#include <algorithm>

namespace sim {

namespace {
// Small enough that a reply leaves in many pieces even at 19200 baud (about two characters a
// millisecond).
constexpr int kTickMs = 2;
} // namespace

Transmitter::Transmitter(Line& line, int baud, QObject* parent)
    : QObject(parent), m_line(line), m_baud(baud) {
    m_clock.start();
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(kTickMs);
    connect(&m_timer, &QTimer::timeout, this, &Transmitter::tick);
}

void Transmitter::send(const QByteArray& bytes, int delayMs) {
    if (bytes.isEmpty()) return;
    m_queue.push_back({bytes, nowUs() + qint64(delayMs) * 1000});
    if (!m_timer.isActive()) m_timer.start();
}

void Transmitter::tick() {
    const qint64 now = nowUs();
    while (!m_queue.empty()) {
        Block& block = m_queue.front();
        if (!m_started) {
            const qint64 start = std::max(block.notBeforeUs, m_lineFreeUs);
            if (now < start) return;
            m_started = true;
            m_startUs = start;
            m_sent = 0;
        }
        const qint64 due = std::min<qint64>(charactersCarried(now - m_startUs, m_baud), block.bytes.size());
        if (due > m_sent) {
            m_line.send(block.bytes.mid(m_sent, due - m_sent));
            m_sent = due;
        }
        if (m_sent < block.bytes.size()) return;
        m_lineFreeUs = m_startUs + lineMicroseconds(block.bytes.size(), m_baud);
        m_queue.pop_front();
        m_started = false;
    }
    m_timer.stop();
}

} // namespace sim
