#include "engine/poll_engine.h"

#include "engine/line_timing.h"

namespace engine {

PollEngine::PollEngine(serial::SerialLink& link, QObject* parent) : QObject(parent), m_link(link) {
    // A coarse timer may fire up to 5 % early; the send slots are the instruments' answer time.
    m_sendTimer.setTimerType(Qt::PreciseTimer);
    m_receiveTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_sendTimer, &QTimer::timeout, this, &PollEngine::sendTick);
    connect(&m_receiveTimer, &QTimer::timeout, this, &PollEngine::receiveTick);
    connect(&m_link, &serial::SerialLink::lost, this, &PollEngine::onLinkLost);
}

void PollEngine::setClock(const MonotonicClock& clock) {
    m_clock = &clock;
    m_fanout.setClock(&clock);
}

serial::PortError PollEngine::open() {
    const serial::PortError error = m_link.open();
    if (error == serial::NoError) m_holdsPort = true;
    return error;
}

void PollEngine::start(PollClient& client, Intervals intervals) {
    halt();
    m_client = &client;
    m_holdsPort = true;
    m_reader.setEveryLine(false);
    setIntervals(intervals);
}

void PollEngine::listen(int receiveMs) {
    halt();
    m_listening = true;
    m_holdsPort = true;
    m_reader.setEveryLine(true);
    m_intervals = {0, receiveMs};
    m_receiveTimer.setInterval(receiveMs);
    if (receiveMs > 0) m_receiveTimer.start();
}

void PollEngine::halt() {
    m_sendTimer.stop();
    m_receiveTimer.stop();
    m_client = nullptr;
    m_listening = false;
    m_asked = false;
    m_sendPending = false;
    m_sendHeld = false;
    m_reader.clear();
}

void PollEngine::stop() {
    halt();
    m_holdsPort = false;
    m_link.close();
}

void PollEngine::setIntervals(Intervals intervals) {
    m_intervals = intervals;
    m_sendTimer.setInterval(intervals.sendMs);
    m_receiveTimer.setInterval(intervals.receiveMs);
    if (!m_client) return;
    if (intervals.sendMs <= 0)
        m_sendTimer.stop();
    else if (!m_sendTimer.isActive())
        m_sendTimer.start();
    if (intervals.receiveMs <= 0)
        m_receiveTimer.stop();
    else if (!m_receiveTimer.isActive())
        m_receiveTimer.start();
}

void PollEngine::setReceiveOnInput(bool on) {
    if (on == static_cast<bool>(m_onInput)) return;
    if (on)
        m_onInput = connect(&m_link, &serial::SerialLink::readyRead, this, &PollEngine::receiveTick);
    else
        disconnect(m_onInput);
}

void PollEngine::sendNow() {
    if (!m_client) return;
    if (m_inReceiveTick) {
        m_sendPending = true;
        return;
    }
    sendTick();
    // The slot of this request is a whole interval.
    if (m_client && m_intervals.sendMs > 0) m_sendTimer.start();
}

void PollEngine::sendTick() {
    if (!m_client) return;
    m_fanout.beginTick();
    if (m_asked && !m_inReceiveTick) {
        // What came since the last receive tick belongs to this request, and may be a reply that
        // has not finished: emptying the buffer now would lose it and talk into it.
        if (takeInput()) {
            handOver();
            if (!m_client) return;
        }
        if (replyArriving()) {
            if (!m_sendHeld) m_heldSinceMs = m_clock->nowMs();
            m_sendHeld = true;
            return;
        }
    }
    m_sendHeld = false;
    m_sendPending = false; // a sendNow() from the hand-over above is this very send
    Request request;
    const bool more = m_client->nextRequest(request);
    // The client may have ended the run from inside; nothing asked leaves the line as it is.
    if (!m_client || (more && request.bytes.isEmpty())) return;
    if (m_asked && m_reader.status() == ReplyStatus::NoneYet) m_fanout.noReply(m_askedAddress);
    if (!more) {
        stop();
        emit finished();
        return;
    }
    m_reader.startRequest(request.bytes);
    m_askedAddress = request.address;
    m_asked = true;
    m_link.write(request.bytes);
    m_fanout.requestWritten(request.bytes, request.address);
}

bool PollEngine::takeInput() {
    const QByteArray input = m_link.readAll();
    if (input.isEmpty()) return false;
    m_fanout.bytesReceived(input);
    m_reader.feed(input, m_fanout.isEmpty() ? nullptr : &m_fanout);
    // The clock is read only while a line is incomplete, which is rare on a healthy line.
    if (m_client && m_reader.receiving()) m_lastInputMs = m_clock->nowMs();
    return true;
}

void PollEngine::handOver() {
    m_inReceiveTick = true;
    m_client->replyTick(m_reader);
    m_inReceiveTick = false;
}

bool PollEngine::replyArriving() {
    if (!m_reader.receiving()) return false;
    const qint64 now = m_clock->nowMs();
    const int baud = m_link.baudRate();
    if (now - m_lastInputMs >= replyGapMs(baud)) return false;
    return !m_sendHeld || now - m_heldSinceMs < longestReplyWaitMs(baud);
}

void PollEngine::receiveTick() {
    if (!m_client && !m_listening) return;
    m_fanout.beginTick();
    takeInput();
    if (!m_client) return;
    handOver();
    if (m_sendPending) {
        m_sendPending = false;
        sendNow();
    } else if (m_sendHeld && m_client && !replyArriving()) {
        // The reply that held the send has ended: the request now, its slot a whole interval.
        sendNow();
    }
}

void PollEngine::onLinkLost(const QString& reason) {
    if (!m_holdsPort) return;
    stop();
    emit lost(reason);
}

} // namespace engine
