#pragma once
// Where the traffic of every engine of the program meets: the windows hand the engines they make
// to the hub, and a listener added to the hub (the terminal) hears them all. The hub joins an
// engine's listeners only while it has listeners of its own, so with nobody listening an engine
// builds no events at all.
#include "engine/traffic_event.h"

#include <QMetaObject>
#include <vector>

namespace engine {

class PollEngine;

class TrafficHub final : public TrafficListener {
public:
    TrafficHub() = default;
    ~TrafficHub() override;
    TrafficHub(const TrafficHub&) = delete;
    TrafficHub& operator=(const TrafficHub&) = delete;

    // The engine reports here until it is destroyed or detached; attaching twice adds nothing.
    void attach(PollEngine& engine);
    void detach(PollEngine& engine);

    void addListener(TrafficListener* listener);
    void removeListener(TrafficListener* listener);
    bool hasListeners() const { return !m_listeners.empty(); }
    int engines() const { return static_cast<int>(m_engines.size()); }

    void onTraffic(const TrafficEvent& event) override;

private:
    void listenToEngines(bool on);

    struct Attached {
        PollEngine* engine = nullptr;
        QMetaObject::Connection gone;
    };
    std::vector<Attached> m_engines;
    std::vector<TrafficListener*> m_listeners;
};

} // namespace engine
