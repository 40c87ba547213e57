#include "terminal/bus_health.h"

namespace terminal {

void BusHealth::accepted(int address, int roundTripMs) {
    AddressHealth& row = m_rows[address];
    ++row.accepted;
    if (roundTripMs < 0) return;
    ++row.timed;
    row.roundTripSum += roundTripMs;
    if (row.roundTripMin < 0 || roundTripMs < row.roundTripMin) row.roundTripMin = roundTripMs;
    if (roundTripMs > row.roundTripMax) row.roundTripMax = roundTripMs;
}

} // namespace terminal
