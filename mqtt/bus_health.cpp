#include "mqtt/bus_health.h"

#include <algorithm>

namespace mqtt {

void HealthTally::onTraffic(const engine::TrafficEvent& event) {
    using engine::TrafficKind;
    switch (event.kind) {
    case TrafficKind::RequestWritten:
        ++m_figures[event.address].requests;
        m_asked = event.address;
        m_askedAtMs = event.timeMs;
        break;
    case TrafficKind::ReplyAccepted: {
        AddressHealth& h = m_figures[event.address];
        ++h.accepted;
        // A late reply from another address says nothing about this request's round trip.
        if (event.address != m_asked) break;
        const qint64 ms = event.timeMs - m_askedAtMs;
        h.minRoundTripMs = h.roundTrips ? std::min(h.minRoundTripMs, ms) : ms;
        h.maxRoundTripMs = h.roundTrips ? std::max(h.maxRoundTripMs, ms) : ms;
        h.sumRoundTripMs += ms;
        ++h.roundTrips;
        m_asked = -1;
        break;
    }
    case TrafficKind::ReplyBadCheck: {
        // A garbled line may not name its sender; it answered the address asked.
        const int address = m_asked >= 0 ? m_asked : event.address;
        if (address >= 0) ++m_figures[address].badChecks;
        break;
    }
    case TrafficKind::NoReply: ++m_figures[event.address].missing; break;
    case TrafficKind::BytesReceived:
    case TrafficKind::EchoSkipped:
    case TrafficKind::NoiseDropped: break;
    }
}

BusHealth HealthTally::take() {
    BusHealth out;
    out.swap(m_figures);
    return out;
}

} // namespace mqtt
