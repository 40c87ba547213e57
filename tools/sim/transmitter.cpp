#include "tools/sim/transmitter.h"

namespace sim {

namespace {
// Small enough that a reply leaves in many pieces even at 19200 baud (about two characters a
// millisecond).
constexpr int kTickMs = 2;
} // namespace

Transmitter::Transmitter(Line& line, int baud, bool halfDuplex, QRandomGenerator& random, QObject* parent)
    : QObject(parent), m_line(line), m_schedule(baud, halfDuplex, random) {
    m_clock.start();
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(kTickMs);
    connect(&m_timer, &QTimer::timeout, this, &Transmitter::tick);
}

void Transmitter::send(BlockKind kind, const QByteArray& bytes, qint64 notBeforeUs, int address) {
    if (bytes.isEmpty()) return;
    m_schedule.queue(kind, bytes, notBeforeUs, address);
    if (!m_timer.isActive()) m_timer.start();
}

void Transmitter::tick() {
    const QByteArray due = m_schedule.take(nowUs());
    if (!due.isEmpty()) m_line.send(due);
    if (m_schedule.idle()) m_timer.stop();
}

} // namespace sim
