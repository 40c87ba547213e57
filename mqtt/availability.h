#pragma once
// Whether each instrument answers, from its samples: online at an accepted reply, offline after
// a number of polls in a row without one, so that one lost reply on a noisy line does not flap.
#include "protocol/reading.h"

#include <map>
#include <optional>

namespace mqtt {

class Availability {
public:
    explicit Availability(int missesBeforeOffline) : m_missesBeforeOffline(missesBeforeOffline) {}

    // The instrument's availability when this sample changes it (or first makes it known).
    std::optional<bool> update(const protocol::Sample& sample);

private:
    struct Entry {
        std::optional<bool> online;
        int misses = 0;
    };
    int m_missesBeforeOffline = 1;
    std::map<int, Entry> m_entries;
};

} // namespace mqtt
