#pragma once
// How each address that was asked fares: requests, accepted replies, bad checks, missing replies
// and the round-trip times of the accepted ones.
#include <QtGlobal>
#include <map>

namespace terminal {

struct AddressHealth {
    int requests = 0;
    int accepted = 0;
    int badChecks = 0;
    int missing = 0;
    int timed = 0; // accepted replies with a round trip
    qint64 roundTripSum = 0;
    int roundTripMin = -1; // -1 until one is timed
    int roundTripMax = -1;

    // Rounded to whole milliseconds; -1 until one is timed.
    int roundTripMean() const {
        return timed > 0 ? static_cast<int>((roundTripSum + timed / 2) / timed) : -1;
    }
};

class BusHealth {
public:
    void request(int address) { ++m_rows[address].requests; }
    void accepted(int address, int roundTripMs);
    void badCheck(int address) { ++m_rows[address].badChecks; }
    void missing(int address) { ++m_rows[address].missing; }
    void reset() { m_rows.clear(); }

    // By address, lowest first.
    const std::map<int, AddressHealth>& rows() const { return m_rows; }

private:
    std::map<int, AddressHealth> m_rows;
};

} // namespace terminal
