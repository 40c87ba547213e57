#pragma once
// Bus-health figures per address over one reporting period, and the tally that counts them from
// the poll engine's traffic.
#include "engine/traffic_event.h"

#include <map>

namespace mqtt {

struct AddressHealth {
    qint64 requests = 0;
    qint64 accepted = 0;  // replies that passed the check
    qint64 badChecks = 0; // reply lines whose check failed
    qint64 missing = 0;   // requests without a complete reply
    // From the end of writing a request to its accepted reply, on the engine's clock.
    int roundTrips = 0;
    qint64 minRoundTripMs = 0;
    qint64 maxRoundTripMs = 0;
    qint64 sumRoundTripMs = 0;
    double meanRoundTripMs() const { return roundTrips ? double(sumRoundTripMs) / roundTrips : 0.0; }
};

using BusHealth = std::map<int, AddressHealth>; // by bus address

class HealthTally : public engine::TrafficListener {
public:
    void onTraffic(const engine::TrafficEvent& event) override;

    const BusHealth& figures() const { return m_figures; }
    // The figures so far; the next period starts from nothing.
    BusHealth take();

private:
    BusHealth m_figures;
    int m_asked = -1; // the address of the last request, until its reply is accepted
    qint64 m_askedAtMs = 0;
};

} // namespace mqtt
