#include "engine/traffic_hub.h"

#include "engine/poll_engine.h"

#include <QObject>
#include <algorithm>

namespace engine {

TrafficHub::~TrafficHub() {
    listenToEngines(false);
    for (const Attached& a : m_engines)
        QObject::disconnect(a.gone);
}

void TrafficHub::attach(PollEngine& engine) {
    PollEngine* raw = &engine;
    if (std::any_of(m_engines.begin(), m_engines.end(), [raw](const Attached& a) { return a.engine == raw; }))
        return;
    Attached a;
    a.engine = raw;
    a.gone = QObject::connect(raw, &QObject::destroyed, [this, raw] {
        m_engines.erase(std::remove_if(m_engines.begin(), m_engines.end(),
                                       [raw](const Attached& x) { return x.engine == raw; }),
                        m_engines.end());
    });
    m_engines.push_back(a);
    if (hasListeners()) engine.addListener(this);
}

void TrafficHub::detach(PollEngine& engine) {
    PollEngine* raw = &engine;
    const auto it = std::find_if(m_engines.begin(), m_engines.end(),
                                 [raw](const Attached& a) { return a.engine == raw; });
    if (it == m_engines.end()) return;
    engine.removeListener(this);
    QObject::disconnect(it->gone);
    m_engines.erase(it);
}

void TrafficHub::addListener(TrafficListener* listener) {
    if (!listener || std::find(m_listeners.begin(), m_listeners.end(), listener) != m_listeners.end()) return;
    m_listeners.push_back(listener);
    if (m_listeners.size() == 1) listenToEngines(true);
}

void TrafficHub::removeListener(TrafficListener* listener) {
    const auto it = std::find(m_listeners.begin(), m_listeners.end(), listener);
    if (it == m_listeners.end()) return;
    m_listeners.erase(it);
    if (m_listeners.empty()) listenToEngines(false);
}

void TrafficHub::listenToEngines(bool on) {
    for (const Attached& a : m_engines) {
        if (on)
            a.engine->addListener(this);
        else
            a.engine->removeListener(this);
    }
}

void TrafficHub::onTraffic(const TrafficEvent& event) {
    // A copy: a listener may leave while being told.
    const std::vector<TrafficListener*> listeners = m_listeners;
    for (TrafficListener* listener : listeners)
        if (std::find(m_listeners.begin(), m_listeners.end(), listener) != m_listeners.end())
            listener->onTraffic(event);
}

} // namespace engine
