#pragma once
// The one clock an engine reads: monotonic milliseconds, given from outside so that tests (and a
// fast scan's time-out decisions) can run on a clock they move by hand.
#include <QtGlobal>

namespace engine {

class MonotonicClock {
public:
    virtual ~MonotonicClock() = default;
    virtual qint64 nowMs() const = 0;
};

// The system's monotonic clock. Every instance reads the same time line, so events of several
// engines can be ordered against each other.
class SteadyClock final : public MonotonicClock {
public:
    qint64 nowMs() const override;
};

// A clock that stands still until moved; counts how often it was read.
class ManualClock final : public MonotonicClock {
public:
    explicit ManualClock(qint64 startMs = 0) : m_nowMs(startMs) {}
    qint64 nowMs() const override {
        ++m_reads;
        return m_nowMs;
    }
    void advance(qint64 ms) { m_nowMs += ms; }
    void set(qint64 ms) { m_nowMs = ms; }
    int reads() const { return m_reads; }

private:
    qint64 m_nowMs = 0;
    mutable int m_reads = 0;
};

} // namespace engine
