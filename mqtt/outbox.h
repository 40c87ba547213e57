#pragma once
// What waits to go to the broker, kept apart from the client library so that its rules can be
// tested without one.
//
// Two kinds of message, all QoS 1:
// - readings messages, one a sample: a bounded queue, sent oldest first; when it is full the
//   oldest unsent one is dropped and counted;
// - retained state (latest values, availability, the gateway's status, health): one payload a
//   topic, the latest wins, sent before the queue; every connection sends all of it again, since
//   a restarted broker may have forgotten it.
// A message leaves only when the broker acknowledged it (PUBACK). Until then the client library
// holds it and sends it again after a reconnection; nothing new is handed over after a
// reconnection until those have been acknowledged, so the broker sees every topic's messages in
// the order they were made.
#include <QByteArray>
#include <QHash>
#include <QList>

#include <deque>
#include <optional>

namespace mqtt {

struct Message {
    QByteArray topic;
    QByteArray payload;
    bool retain = false;
};

class Transport {
public:
    virtual ~Transport() = default;
    // Hands one QoS 1 message to the client library: its message id, or nothing when the library
    // refuses it for good (too large, a topic it will not take).
    virtual std::optional<int> publish(const Message& message) = 0;
};

class Outbox {
public:
    Outbox(int capacity, int window);

    void enqueue(Message message);
    void setState(const QByteArray& topic, const QByteArray& payload);

    void connected();
    void disconnected();
    // The broker acknowledged message `id`; unknown ids are ignored.
    void acknowledged(int id);
    // Hands over what may go now: state first, then the queue, while fewer than `window` messages
    // are unacknowledged.
    void pump(Transport& transport);

    bool isConnected() const { return m_connected; }
    int queued() const { return int(m_queue.size()); } // readings messages not yet handed over
    int inFlight() const { return int(m_inFlight.size()); }
    qint64 dropped() const { return m_dropped; }     // readings messages dropped unsent
    qint64 delivered() const { return m_delivered; } // readings messages acknowledged
    qint64 refused() const { return m_refused; }     // messages the library would not take
    // The payload last set for a state topic; empty when none.
    QByteArray state(const QByteArray& topic) const { return m_state.value(topic).payload; }

private:
    struct State {
        QByteArray payload;
        bool dirty = false;
    };
    struct Sent {
        bool isState = false;
    };
    bool handOver(Transport& transport, const Message& message, bool isState);

    int m_capacity = 0;
    int m_window = 0;
    std::deque<Message> m_queue;
    QHash<QByteArray, State> m_state;
    QList<QByteArray> m_stateOrder; // topics in the order first set, so a connection resends them so
    std::deque<QByteArray> m_dirty; // state topics to send, each once
    QHash<int, Sent> m_inFlight;
    int m_inFlightReadings = 0;
    bool m_connected = false;
    bool m_draining = false; // after a reconnection, until what was in flight is acknowledged
    qint64 m_dropped = 0;
    qint64 m_delivered = 0;
    qint64 m_refused = 0;
};

} // namespace mqtt
