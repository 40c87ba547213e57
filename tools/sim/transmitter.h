#pragma once
// Sends bytes onto the line when the bus schedule says the line carries them, so that the program
// receives a reply in pieces as it would from a real instrument. A pseudo-terminal carries bytes
// at once, hence the pacing here.
#include "tools/sim/bus_schedule.h"
#include "tools/sim/line.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

namespace sim {

class Transmitter : public QObject {
    Q_OBJECT
public:
    Transmitter(Line& line, int baud, bool halfDuplex, QRandomGenerator& random, QObject* parent = nullptr);

    // Microseconds since the transmitter was made: the schedule's clock.
    qint64 nowUs() const { return m_clock.nsecsElapsed() / 1000; }

    BusSchedule::Request requestArrived(int length) { return m_schedule.requestArrived(nowUs(), length); }
    // Queues `bytes` to start at `notBeforeUs` on the schedule's clock, or when the line is free.
    void send(BlockKind kind, const QByteArray& bytes, qint64 notBeforeUs, int address = -1);
    QList<Collision> takeCollisions() { return m_schedule.takeCollisions(); }
    bool isIdle() const { return m_schedule.idle(); }

private:
    void tick();

    Line& m_line;
    BusSchedule m_schedule;
    QElapsedTimer m_clock;
    QTimer m_timer;
};

} // namespace sim
