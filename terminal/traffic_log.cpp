#include "terminal/traffic_log.h"

#include "engine/reply_reader.h"

#include <QDateTime>
#include <QStringList>
#include <algorithm>

namespace terminal {

using engine::TrafficEvent;
using engine::TrafficKind;

namespace {
// "@" + two address characters + "RD" + check + CR, check passed.
int requestAddress(const QByteArray& line) {
    if (line.size() != 8 || line.at(0) != '@' || line.mid(3, 2) != "RD") return -1;
    bool ok = false;
    const int address = line.mid(1, 2).toInt(&ok, 16);
    return ok ? address : -1;
}
} // namespace

int charMicros(const QString& settings) {
    const QStringList parts = settings.split(QLatin1Char(','));
    bool ok = false;
    const int baud = parts.value(0).trimmed().toInt(&ok);
    if (!ok || baud <= 0 || parts.size() < 4) return (10 * 1000000 + 4800) / 9600;
    const bool parity = parts.at(1).trimmed().compare(QLatin1String("n"), Qt::CaseInsensitive) != 0;
    const int data = parts.at(2).trimmed().toInt();
    const double stop = parts.at(3).trimmed().toDouble();
    const double bits = 1 + (data > 0 ? data : 8) + (parity ? 1 : 0) + (stop > 0 ? stop : 1);
    return static_cast<int>(bits * 1000000.0 / baud + 0.5);
}

TrafficLog::TrafficLog(int capacity)
    : m_capacity(std::max(1, capacity)), m_wallClock([] { return QDateTime::currentMSecsSinceEpoch(); }) {}

void TrafficLog::clear() {
    m_ring.clear();
    m_first = m_end;
}

void TrafficLog::append(TrafficLine line, qint64 timeMs) {
    if (m_monoBase < 0) {
        m_monoBase = timeMs;
        m_wallBase = m_wallClock();
    }
    line.wallMs = m_wallBase + (timeMs - m_monoBase);
    // Held for hours: exactly its own bytes, not a share of a larger buffer (the pending input,
    // say, whose room only grows).
    line.bytes.squeeze();
    const size_t slot = static_cast<size_t>(m_end % m_capacity);
    if (m_ring.size() < static_cast<size_t>(m_capacity)) {
        if (slot >= m_ring.size()) m_ring.resize(slot + 1);
    }
    m_ring[slot] = std::move(line);
    ++m_end;
    if (m_end - m_first > m_capacity) m_first = m_end - m_capacity;
}

void TrafficLog::consume(int bytes) {
    m_pending.remove(0, std::min(bytes, static_cast<int>(m_pending.size())));
}

void TrafficLog::flushStray(qint64 timeMs) {
    if (m_pending.isEmpty()) return;
    TrafficLine line;
    line.bytes = m_pending;
    line.verdict = Verdict::Stray;
    line.direction = Direction::In;
    m_pending.clear();
    append(std::move(line), timeMs);
}

void TrafficLog::closeMissing(qint64 timeMs, bool engineSaid) {
    const bool missing = m_open && !m_answered && m_asked >= 0;
    if (missing) m_health.missing(m_asked);
    if (missing || engineSaid) {
        TrafficLine line;
        line.verdict = Verdict::NoReply;
        line.address = m_asked;
        append(std::move(line), timeMs);
    }
    m_open = false;
}

void TrafficLog::openRequest(int address, qint64 endMs, qint64 timeMs) {
    closeMissing(timeMs, false);
    m_asked = address;
    m_open = true;
    m_answered = false;
    m_requestEndMs = endMs;
    if (address >= 0) m_health.request(address);
}

void TrafficLog::reply(const TrafficEvent& event, bool accepted) {
    consume(static_cast<int>(event.bytes.size()));
    TrafficLine line;
    line.bytes = event.bytes;
    line.direction = Direction::In;
    const int heard = accepted ? requestAddress(event.bytes) : -1;
    if (heard >= 0) {
        openRequest(heard, event.timeMs, event.timeMs);
        line.verdict = Verdict::HeardRequest;
        line.address = heard;
        append(std::move(line), event.timeMs);
        return;
    }
    const bool first = m_open && !m_answered;
    const int roundTrip = m_open ? static_cast<int>(std::max<qint64>(0, event.timeMs - m_requestEndMs)) : -1;
    if (!accepted) {
        line.verdict = Verdict::BadCheck;
        line.address = m_open ? m_asked : -1;
        line.roundTripMs = roundTrip;
        if (first && m_asked >= 0) m_health.badCheck(m_asked);
        if (first) m_answered = true;
    } else if (m_open && m_asked >= 0 && event.address != m_asked) {
        line.verdict = Verdict::OtherAddress;
        line.address = event.address;
        line.askedAddress = m_asked;
        line.typeCode = event.typeCode;
    } else {
        line.verdict = Verdict::Accepted;
        line.address = event.address;
        line.typeCode = event.typeCode;
        line.roundTripMs = roundTrip;
        if (first && m_asked >= 0) m_health.accepted(m_asked, roundTrip);
        if (first) m_answered = true;
    }
    append(std::move(line), event.timeMs);
}

void TrafficLog::onTraffic(const TrafficEvent& event) {
    switch (event.kind) {
    case TrafficKind::RequestWritten: {
        flushStray(event.timeMs);
        const qint64 lineMs = (static_cast<qint64>(event.bytes.size()) * m_charMicros + 999) / 1000;
        openRequest(event.address, event.timeMs + lineMs, event.timeMs);
        TrafficLine line;
        line.bytes = event.bytes;
        line.verdict = Verdict::Request;
        line.direction = Direction::Out;
        line.address = event.address;
        append(std::move(line), event.timeMs);
        // Whatever arrives from here on belongs to this request's window.
        m_pending.clear();
        break;
    }
    case TrafficKind::BytesReceived:
        m_pending += event.bytes;
        // A line never cut (no CR): shown as stray before it grows without bound.
        if (m_pending.size() > 2 * engine::ReplyReader::kLongestLine) flushStray(event.timeMs);
        break;
    case TrafficKind::ReplyAccepted: reply(event, true); break;
    case TrafficKind::ReplyBadCheck: reply(event, false); break;
    case TrafficKind::EchoSkipped: {
        consume(static_cast<int>(event.bytes.size()));
        TrafficLine line;
        line.bytes = event.bytes;
        line.verdict = Verdict::Echo;
        line.direction = Direction::In;
        line.address = event.address;
        append(std::move(line), event.timeMs);
        break;
    }
    case TrafficKind::NoiseDropped: {
        consume(event.count);
        TrafficLine line;
        line.bytes = event.bytes;
        line.verdict = Verdict::Noise;
        line.direction = Direction::In;
        append(std::move(line), event.timeMs);
        break;
    }
    case TrafficKind::NoReply:
        flushStray(event.timeMs);
        if (!m_open) m_asked = event.address;
        closeMissing(event.timeMs, true);
        break;
    }
}

} // namespace terminal
