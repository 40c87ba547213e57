#include "search/fast_scan.h"

#include "engine/line_timing.h"
#include "engine/reply_reader.h"
#include "protocol/fields.h"
#include "protocol/frame.h"
#include "search/instrument_list.h"
#include "search/scan.h"

#include <algorithm>

namespace {

bool isHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

// The address a line names when its "@" and both address characters survived; -1 otherwise.
int readableAddress(const QByteArray& line) {
    if (line.size() < 3 || line[0] != '@' || !isHexDigit(line[1]) || !isHexDigit(line[2])) return -1;
    return protocol::hexByteAt(line, 2);
}

// How many leading bytes of `buffer` are (so far) our own request read back.
int echoLength(const QByteArray& buffer, const QByteArray& request) {
    if (request.isEmpty()) return 0;
    if (buffer.startsWith(request)) return static_cast<int>(request.size());
    if (request.startsWith(buffer)) return static_cast<int>(buffer.size());
    return 0;
}

} // namespace

FastScan::FastScan(Scan& scan, engine::PollEngine& engine, int configuredTimeoutMs, QObject* parent)
    : QObject(parent), m_scan(scan), m_engine(engine), m_configuredMs(configuredTimeoutMs),
      m_next(scan.scanAddress()) {
    m_wake.setSingleShot(true);
    m_wake.setTimerType(Qt::PreciseTimer);
    connect(&m_wake, &QTimer::timeout, &m_engine, &engine::PollEngine::receiveTick);
}

int FastScan::rangeSize() const {
    return m_scan.rangeSize();
}

void FastScan::start() {
    m_baud = m_engine.link().baudRate();
    m_engine.setReceiveOnInput(!m_byHand);
    m_engine.start(*this, {0, m_byHand ? 0 : kBackstopReceiveMs});
    m_readyToSend = true;
    m_engine.sendNow();
}

int FastScan::adaptiveTimeoutMs() const {
    if (!m_answered) return m_configuredMs;
    const int floor = std::max(10, engine::charactersMs(m_baud, 5));
    return std::min(m_configuredMs, std::max(floor, 3 * m_slowestTurnaroundMs));
}

bool FastScan::found(int address) const {
    return m_foundAddresses.count(address) > 0;
}

int FastScan::nextAddress() {
    if (m_pass == Pass::First) {
        if (m_next <= m_scan.scanEnd()) {
            ++m_askedInRange;
            return m_next++;
        }
        m_pass = Pass::SecondLook;
    }
    while (m_secondIndex < m_secondLook.size()) {
        const int address = m_secondLook[m_secondIndex++];
        if (!found(address)) return address;
    }
    return -1;
}

bool FastScan::nextRequest(engine::Request& request) {
    // Input came after the decision to send: the next look at the line decides again.
    if (!m_readyToSend) return true;
    const int address = nextAddress();
    if (address < 0) {
        m_phase = Phase::Idle;
        m_wake.stop();
        m_wakeAtMs = -1;
        return false;
    }
    request.bytes = protocol::readRequest(protocol::addressField(address));
    request.address = address;
    m_asked = address;
    m_sentMs = now();
    m_requestEndMs = m_sentMs + engine::charactersMs(m_baud, static_cast<int>(request.bytes.size()));
    m_timeoutMs = m_pass == Pass::SecondLook ? m_configuredMs : adaptiveTimeoutMs();
    m_firstReplyByteMs = -1;
    m_lastInputMs = m_sentMs;
    m_seenBytes = 0;
    m_readyToSend = false;
    m_phase = Phase::Waiting;
    emit asking(address);
    wakeAt(m_requestEndMs + m_timeoutMs);
    return true;
}

void FastScan::noteInput(const engine::ReplyReader& reader, qint64 now) {
    const QByteArray& buffer = reader.buffer();
    if (buffer.size() == m_seenBytes) return;
    m_seenBytes = static_cast<int>(buffer.size());
    m_lastInputMs = now;
    m_readyToSend = false;
    if (m_firstReplyByteMs < 0 && buffer.size() > echoLength(buffer, reader.request()))
        m_firstReplyByteMs = now;
}

void FastScan::replyTick(const engine::ReplyReader& reader) {
    if (m_phase == Phase::Idle) return;
    const qint64 t = now();
    noteInput(reader, t);
    const int gapMs = engine::replyGapMs(m_baud);

    if (m_phase == Phase::Waiting) {
        if (reader.status() != engine::ReplyStatus::NoneYet) {
            judgeLine(reader, t, true);
        } else if (reader.receiving()) {
            // A reply has begun: it is waited for until its CR, or until it breaks off.
            if (t - m_lastInputMs < gapMs) return wakeAt(m_lastInputMs + gapMs);
            doubt(m_asked);
            const QByteArray& buffer = reader.buffer();
            doubtFragment(buffer.mid(echoLength(buffer, reader.request())), t);
        } else if (t < m_requestEndMs + m_timeoutMs) {
            return wakeAt(m_requestEndMs + m_timeoutMs);
        } else {
            m_recentSilent.push_back({m_asked, m_requestEndMs});
            ++m_silentCount;
            m_silentWaitMs += m_timeoutMs;
        }
        m_phase = Phase::Settling;
    }

    // The line quiet for a few character times; bytes that stopped mid-line get the longer gap.
    const QByteArray& buffer = reader.buffer();
    const bool midLine = !buffer.isEmpty() && buffer.back() != protocol::kCR;
    const qint64 quietFrom = std::max(m_lastInputMs, m_requestEndMs);
    const int needed = midLine ? gapMs : engine::quietBeforeRequestMs(m_baud);
    if (t - quietFrom < needed) return wakeAt(quietFrom + needed);
    judgeTrailing(reader, t);
    sendNext();
}

void FastScan::judgeLine(const engine::ReplyReader& reader, qint64 now, bool first) {
    const QByteArray& line = reader.line();
    if (!reader.accepted()) {
        doubt(m_asked);
        doubtFragment(line, now);
        return;
    }
    const int address = protocol::replyAddress(line);
    m_scan.replyTick(reader);
    m_foundAddresses.insert(address);
    if (address != m_asked) {
        // A late reply from elsewhere: the one asked may have been talked over.
        doubt(m_asked);
        return;
    }
    if (const Instrument* row = m_scan.list().instrument(m_scan.lastRow())) {
        Instrument timed = *row;
        timed.roundTripMs = static_cast<int>(now - m_sentMs);
        m_scan.list().setInstrument(m_scan.lastRow(), timed);
    }
    // The second look waits the configured time-out anyway; its slow answers do not set the pace.
    if (first && m_firstReplyByteMs >= 0 && m_pass == Pass::First) {
        const int turnaround = static_cast<int>(std::max<qint64>(0, m_firstReplyByteMs - m_requestEndMs));
        m_slowestTurnaroundMs = std::max(m_slowestTurnaroundMs, turnaround);
        m_answered = true;
    }
}

void FastScan::judgeTrailing(const engine::ReplyReader& reader, qint64 now) {
    if (reader.status() == engine::ReplyStatus::NoneYet) return; // a fragment, judged already
    const QByteArray& buffer = reader.buffer();
    const int at = static_cast<int>(buffer.indexOf(reader.line()));
    QByteArray rest = buffer.mid(at + reader.line().size());
    while (!rest.isEmpty()) {
        engine::ReplyReader tail;
        tail.feed(rest);
        if (tail.status() == engine::ReplyStatus::NoneYet) {
            doubt(m_asked);
            doubtFragment(rest, now);
            return;
        }
        judgeLine(tail, now, false);
        const int end = static_cast<int>(rest.indexOf(tail.line()) + tail.line().size());
        rest = rest.mid(end);
    }
}

void FastScan::doubtFragment(const QByteArray& bytes, qint64 now) {
    const int at = static_cast<int>(bytes.indexOf('@'));
    const int named = at >= 0 ? readableAddress(bytes.mid(at)) : -1;
    if (named >= 0) doubt(named);
    // Two replies that overlapped leave one garbled line: the one it names may not be the only one
    // in it, and a slow instrument's late reply is the likeliest partner.
    doubtRecentSilent(m_firstReplyByteMs >= 0 ? m_firstReplyByteMs : now);
}

void FastScan::doubt(int address) {
    const bool inRange = address >= m_scan.scanAddress() && address <= m_scan.scanEnd();
    if (!inRange || found(address) || m_secondLook.contains(address) || m_pass == Pass::SecondLook) return;
    m_secondLook.append(address);
}

void FastScan::doubtRecentSilent(qint64 lineStartMs) {
    while (!m_recentSilent.empty() && lineStartMs - m_recentSilent.front().requestEndMs > m_configuredMs)
        m_recentSilent.pop_front();
    for (const Silent& silent : m_recentSilent)
        doubt(silent.address);
}

void FastScan::wakeAt(qint64 atMs) {
    m_wakeAtMs = atMs;
    if (m_byHand) return;
    m_wake.start(static_cast<int>(std::max<qint64>(0, atMs - now())));
}

void FastScan::sendNext() {
    m_readyToSend = true;
    m_wakeAtMs = -1;
    m_wake.stop();
    m_engine.sendNow();
}
