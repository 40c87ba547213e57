#include "mqtt/outbox.h"

namespace mqtt {

Outbox::Outbox(int capacity, int window) : m_capacity(capacity), m_window(window) {}

void Outbox::enqueue(Message message) {
    message.retain = false;
    m_queue.push_back(std::move(message));
    // Messages in flight count against the capacity too, so memory stays bounded by it.
    while (!m_queue.empty() && int(m_queue.size()) + m_inFlightReadings > m_capacity) {
        m_queue.pop_front();
        ++m_dropped;
    }
}

void Outbox::setState(const QByteArray& topic, const QByteArray& payload) {
    auto it = m_state.find(topic);
    if (it == m_state.end()) {
        it = m_state.insert(topic, State{});
        m_stateOrder.append(topic);
    } else if (it->payload == payload) {
        return; // sent, on its way or waiting already
    }
    it->payload = payload;
    if (!it->dirty) {
        it->dirty = true;
        m_dirty.push_back(topic);
    }
}

void Outbox::connected() {
    m_connected = true;
    m_draining = !m_inFlight.isEmpty();
    m_dirty.clear();
    for (const QByteArray& topic : m_stateOrder) {
        m_state[topic].dirty = true;
        m_dirty.push_back(topic);
    }
}

void Outbox::disconnected() {
    m_connected = false;
}

void Outbox::acknowledged(int id) {
    const auto it = m_inFlight.constFind(id);
    if (it == m_inFlight.constEnd()) return;
    if (!it->isState) {
        --m_inFlightReadings;
        ++m_delivered;
    }
    m_inFlight.erase(it);
    if (m_inFlight.isEmpty()) m_draining = false;
}

bool Outbox::handOver(Transport& transport, const Message& message, bool isState) {
    const std::optional<int> id = transport.publish(message);
    if (!id) {
        ++m_refused;
        return false;
    }
    m_inFlight.insert(*id, Sent{isState});
    if (!isState) ++m_inFlightReadings;
    return true;
}

void Outbox::pump(Transport& transport) {
    if (!m_connected || m_draining) return;
    while (m_inFlight.size() < m_window) {
        if (!m_dirty.empty()) {
            const QByteArray topic = m_dirty.front();
            m_dirty.pop_front();
            State& state = m_state[topic];
            state.dirty = false;
            handOver(transport, Message{topic, state.payload, true}, true);
        } else if (!m_queue.empty()) {
            const Message message = std::move(m_queue.front());
            m_queue.pop_front();
            handOver(transport, message, false);
        } else {
            break;
        }
    }
}

} // namespace mqtt
