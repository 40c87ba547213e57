#include "tools/sim/bus_schedule.h"

#include "tools/sim/fault_logic.h"
#include "tools/sim/pacing.h"

#include <algorithm>

namespace sim {

BusSchedule::BusSchedule(int baud, bool halfDuplex, QRandomGenerator& random)
    : m_baud(baud), m_halfDuplex(halfDuplex), m_random(random) {}

qint64 BusSchedule::endOf(const Block& b) const {
    return b.startUs + lineMicroseconds(b.bytes.size(), m_baud);
}

void BusSchedule::garble(Block& b, int from, qint64 atUs, int otherAddress) {
    from = std::max(from, b.sent);
    if (from >= b.bytes.size()) return;
    b.bytes = garbledFrom(b.bytes, from, m_random);
    m_collisions.append({atUs, b.address, from, int(b.bytes.size()), otherAddress});
}

BusSchedule::Request BusSchedule::requestArrived(qint64 nowUs, int length) {
    if (!m_halfDuplex) return {true, nowUs};
    const qint64 start = std::max(nowUs, m_requestFreeUs);
    const qint64 end = start + lineMicroseconds(length, m_baud);
    m_requestFreeUs = end;
    Request request{true, end};
    for (Block& b : m_blocks) {
        if (b.kind != BlockKind::Reply || b.startUs >= end || endOf(b) <= start) continue;
        // Characters wholly on the line before the request began came through.
        const int from = b.startUs >= start ? 0 : int(charactersCarried(start - b.startUs, m_baud));
        garble(b, from, std::max(start, b.startUs), -1);
        request.heard = false;
    }
    return request;
}

void BusSchedule::queue(BlockKind kind, const QByteArray& bytes, qint64 notBeforeUs, int address) {
    if (bytes.isEmpty()) return;
    Block block{kind, bytes, address, notBeforeUs, false, 0};
    if (m_halfDuplex && kind == BlockKind::Reply) {
        for (Block& b : m_blocks) {
            if (b.kind != BlockKind::Reply || b.startUs >= endOf(block) || endOf(b) <= block.startUs)
                continue;
            // The later talker is junk throughout; the earlier one from where the later began.
            Block& earlier = b.startUs <= block.startUs ? b : block;
            Block& later = b.startUs <= block.startUs ? block : b;
            const qint64 at = later.startUs;
            garble(earlier, int(charactersCarried(at - earlier.startUs, m_baud)), at, later.address);
            garble(later, 0, at, earlier.address);
        }
    }
    // After every block that starts no later, and never ahead of one that has begun.
    auto at = std::upper_bound(m_blocks.begin(), m_blocks.end(), block.startUs,
                               [](qint64 start, const Block& b) { return start < b.startUs; });
    if (at == m_blocks.begin() && !m_blocks.empty() && m_blocks.front().started) ++at;
    m_blocks.insert(at, block);
}

QByteArray BusSchedule::take(qint64 nowUs) {
    QByteArray out;
    while (!m_blocks.empty()) {
        Block& b = m_blocks.front();
        if (!b.started) {
            const qint64 start = std::max(b.startUs, m_lineFreeUs);
            if (nowUs < start) break;
            b.started = true;
            b.startUs = start;
        }
        const int due = int(std::min<qint64>(charactersCarried(nowUs - b.startUs, m_baud), b.bytes.size()));
        if (due > b.sent) {
            out += b.bytes.mid(b.sent, due - b.sent);
            b.sent = due;
        }
        if (b.sent < b.bytes.size()) break;
        m_lineFreeUs = endOf(b);
        m_blocks.erase(m_blocks.begin());
    }
    return out;
}

QList<Collision> BusSchedule::takeCollisions() {
    QList<Collision> out;
    out.swap(m_collisions);
    return out;
}

} // namespace sim
