#pragma once
// The terminal's record of the line: every traffic event of every engine, judged, as lines in a
// ring of the newest ones, and the bus health of the addresses asked.
//
// Round trips run from the end of the request to the CR of the reply. The end of a request we
// wrote is estimated as its write time plus its line time at the port's rate (the write call
// returns before the last bit leaves); a request heard from another master ends when its CR was
// read. Replies are timed when the receive tick reads their CR, so a round trip is late by at
// most one receive interval.
#include "engine/traffic_event.h"
#include "terminal/bus_health.h"
#include "terminal/traffic_line.h"

#include <functional>
#include <vector>

namespace terminal {

// Microseconds one character takes on the line for a settings text such as "9600,n,8,1": start
// bit, data bits, parity bit unless "n", stop bits. 8N1 at 9600 when the text cannot be read.
int charMicros(const QString& settings);

class TrafficLog final : public engine::TrafficListener {
public:
    static constexpr int kCapacity = 100000;

    explicit TrafficLog(int capacity = kCapacity);

    // Wall-clock milliseconds since the epoch, read once to place the engine's monotonic times.
    void setWallClock(std::function<qint64()> now) { m_wallClock = std::move(now); }
    void setCharMicros(int micros) { m_charMicros = micros; }

    void onTraffic(const engine::TrafficEvent& event) override;

    // Lines are numbered from 0 for the log's life; the ring holds [firstSeq, endSeq).
    qint64 firstSeq() const { return m_first; }
    qint64 endSeq() const { return m_end; }
    const TrafficLine& at(qint64 seq) const { return m_ring[static_cast<size_t>(seq % m_capacity)]; }
    int capacity() const { return m_capacity; }

    // Lines gone; the bus health stays.
    void clear();
    const BusHealth& health() const { return m_health; }
    void resetHealth() { m_health.reset(); }

private:
    void append(TrafficLine line, qint64 timeMs);
    void consume(int bytes);
    void flushStray(qint64 timeMs);
    // A new request (written or heard): the last one, still unanswered, is missing.
    void openRequest(int address, qint64 endMs, qint64 timeMs);
    void closeMissing(qint64 timeMs, bool engineSaid);
    void reply(const engine::TrafficEvent& event, bool accepted);

    int m_capacity = kCapacity;
    std::vector<TrafficLine> m_ring;
    qint64 m_first = 0;
    qint64 m_end = 0;
    BusHealth m_health;
    std::function<qint64()> m_wallClock;
    qint64 m_wallBase = 0;
    qint64 m_monoBase = -1;
    int m_charMicros = 1042;
    QByteArray m_pending; // received and not yet part of a line
    int m_asked = -1;
    bool m_open = false;     // a request is out
    bool m_answered = false; // and its reply (good or bad) has come
    qint64 m_requestEndMs = 0;
};

} // namespace terminal
