#include "mqtt/availability.h"

namespace mqtt {

std::optional<bool> Availability::update(const protocol::Sample& sample) {
    Entry& e = m_entries[sample.address];
    if (sample.accepted())
        e.misses = 0;
    else if (e.misses < m_missesBeforeOffline)
        ++e.misses;
    const bool online = e.misses < m_missesBeforeOffline;
    // An instrument that has not answered yet is not online; it is unknown until enough misses.
    if (online && !sample.accepted() && !e.online) return std::nullopt;
    if (e.online == online) return std::nullopt;
    e.online = online;
    return online;
}

} // namespace mqtt
