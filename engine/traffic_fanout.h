#pragma once
// The listeners of one engine and the events it tells them. Every event is built only when a
// listener is attached; without one, no bytes are copied and the clock is not read.
#include "engine/monotonic_clock.h"
#include "engine/reply_reader.h"
#include "engine/traffic_event.h"

#include <vector>

namespace engine {

class TrafficFanout final : public CutObserver {
public:
    explicit TrafficFanout(const MonotonicClock* clock) : m_clock(clock) {}

    void setClock(const MonotonicClock* clock) { m_clock = clock; }
    // Told in the order added; adding one twice adds nothing. Safe from inside onTraffic().
    void add(TrafficListener* listener);
    void remove(TrafficListener* listener);
    bool isEmpty() const { return m_count == 0; }

    // Events of one tick share one reading of the clock, taken when the first is built.
    void beginTick() { m_tickMs = -1; }

    void requestWritten(const QByteArray& bytes, int address);
    void bytesReceived(const QByteArray& bytes);
    void noReply(int address);

    // CutObserver
    void echoSkipped(const QByteArray& line) override;
    void noiseDropped(const QByteArray& noise) override;
    void lineCut(const QByteArray& line, ReplyStatus status) override;

private:
    TrafficEvent event(TrafficKind kind);
    void tell(const TrafficEvent& event);

    const MonotonicClock* m_clock = nullptr;
    std::vector<TrafficListener*> m_listeners; // nullptr where one left while being told
    int m_count = 0;
    int m_telling = 0;
    qint64 m_tickMs = -1;
    int m_askedAddress = -1; // of the last request, for its echo
};

} // namespace engine
