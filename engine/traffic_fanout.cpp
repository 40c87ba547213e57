#include "engine/traffic_fanout.h"

#include "protocol/frame.h"

#include <algorithm>

namespace engine {

void TrafficFanout::add(TrafficListener* listener) {
    if (!listener || std::find(m_listeners.begin(), m_listeners.end(), listener) != m_listeners.end()) return;
    m_listeners.push_back(listener);
    ++m_count;
}

void TrafficFanout::remove(TrafficListener* listener) {
    const auto it = std::find(m_listeners.begin(), m_listeners.end(), listener);
    if (!listener || it == m_listeners.end()) return;
    --m_count;
    // While events are being told the list is walked by index: leave a hole, close it afterwards.
    if (m_telling > 0)
        *it = nullptr;
    else
        m_listeners.erase(it);
}

TrafficEvent TrafficFanout::event(TrafficKind kind) {
    if (m_tickMs < 0) m_tickMs = m_clock->nowMs();
    TrafficEvent e;
    e.timeMs = m_tickMs;
    e.kind = kind;
    return e;
}

void TrafficFanout::tell(const TrafficEvent& event) {
    ++m_telling;
    // Listeners added while telling hear from the next event on.
    const size_t n = m_listeners.size();
    for (size_t i = 0; i < n; ++i)
        if (TrafficListener* listener = m_listeners[i]) listener->onTraffic(event);
    if (--m_telling == 0 && m_count != static_cast<int>(m_listeners.size()))
        m_listeners.erase(std::remove(m_listeners.begin(), m_listeners.end(), nullptr), m_listeners.end());
}

void TrafficFanout::requestWritten(const QByteArray& bytes, int address) {
    m_askedAddress = address;
    if (isEmpty()) return;
    TrafficEvent e = event(TrafficKind::RequestWritten);
    e.bytes = bytes;
    e.address = address;
    tell(e);
}

void TrafficFanout::bytesReceived(const QByteArray& bytes) {
    if (isEmpty()) return;
    TrafficEvent e = event(TrafficKind::BytesReceived);
    e.bytes = bytes;
    tell(e);
}

void TrafficFanout::noReply(int address) {
    if (isEmpty()) return;
    TrafficEvent e = event(TrafficKind::NoReply);
    e.address = address;
    tell(e);
}

void TrafficFanout::echoSkipped(const QByteArray& line) {
    if (isEmpty()) return;
    TrafficEvent e = event(TrafficKind::EchoSkipped);
    e.bytes = line;
    e.address = m_askedAddress;
    tell(e);
}

void TrafficFanout::noiseDropped(const QByteArray& noise) {
    if (isEmpty()) return;
    TrafficEvent e = event(TrafficKind::NoiseDropped);
    e.bytes = noise;
    e.count = static_cast<int>(noise.size());
    tell(e);
}

void TrafficFanout::lineCut(const QByteArray& line, ReplyStatus status) {
    if (isEmpty()) return;
    const bool accepted = status == ReplyStatus::Accepted;
    TrafficEvent e = event(accepted ? TrafficKind::ReplyAccepted : TrafficKind::ReplyBadCheck);
    e.bytes = line;
    if (accepted) {
        e.address = protocol::replyAddress(line);
        e.typeCode = protocol::replyTypeCode(line);
    }
    tell(e);
}

} // namespace engine
