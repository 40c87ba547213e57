#pragma once
// Sends bytes onto the line at the pace the baud rate allows, each block not before its own start
// time and never overlapping the one before, so that the program receives a reply in pieces as it
// would from a real instrument. A pseudo-terminal carries bytes at once, hence the pacing here.
#include "tools/sim/line.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <deque>

namespace sim {

class Transmitter : public QObject {
    Q_OBJECT
public:
    Transmitter(Line& line, int baud, QObject* parent = nullptr);

    // Queues `bytes` to start `delayMs` from now, or when the line is free, whichever is later.
    void send(const QByteArray& bytes, int delayMs);
    bool isIdle() const { return m_queue.empty(); }

private:
    struct Block {
        QByteArray bytes;
        qint64 notBeforeUs = 0;
    };

    void tick();
    qint64 nowUs() const { return m_clock.nsecsElapsed() / 1000; }

    Line& m_line;
    int m_baud = 9600;
    QElapsedTimer m_clock;
    QTimer m_timer;
    std::deque<Block> m_queue;
    bool m_started = false;  // the front block has begun
    qint64 m_startUs = 0;    // when it began
    qint64 m_sent = 0;       // its characters sent so far
    qint64 m_lineFreeUs = 0; // when the block before it ended
};

} // namespace sim
