#pragma once
// The scan of an address range: one read request per address, one send interval to answer, every
// valid reply written into the instrument list. A client of the poll engine, which calls it on
// every send and receive tick.
#include "engine/monotonic_clock.h"
#include "engine/poll_client.h"

#include <QDateTime>
#include <QObject>
#include <functional>

class InstrumentList;

class Scan : public QObject, public engine::PollClient {
    Q_OBJECT
public:
    // Starts with `FoundCount` = 0 and the range `first`..`last` (nothing is sent when first > last).
    Scan(InstrumentList& list, qint16 first, qint16 last, QObject* parent = nullptr);

    // The time a new row is stamped with; the system clock unless a test gives its own.
    void setWallClock(std::function<QDateTime()> now) { m_now = std::move(now); }
    // The engine's clock, for each found instrument's round trip: from the request's last byte
    // (its write time plus its line time at `baud`, 10 bits a character) to the receive tick that
    // holds the reply. Without a clock no round trip is measured.
    void setClock(const engine::MonotonicClock* clock, int baud) {
        m_clock = clock;
        m_baud = baud;
    }

    // Send tick: the request to the next address, or false once the range is done.
    bool nextRequest(engine::Request& request) override;
    // Receive tick: an accepted reply is written to its row (again on every tick until the next
    // request; a repeated write gives the same row).
    void replyTick(const engine::ReplyReader& reader) override;

    // The next address to ask. Wider than 16 bits so that a range ending at 32767 can step past it.
    int scanAddress() const { return m_scanAddress; }
    qint16 scanEnd() const { return m_scanEnd; }
    qint16 foundCount() const { return m_foundCount; }
    // The addresses asked so far and the size of the range.
    int askedCount() const { return m_scanAddress - m_first; }
    int rangeSize() const { return m_scanEnd >= m_first ? m_scanEnd - m_first + 1 : 0; }
    // The row the last accepted reply went to; 0 before any.
    int lastRow() const { return m_lastRow; }
    InstrumentList& list() { return m_list; }

signals:
    // The address just asked, for the progress label.
    void asking(int address);

private:
    // Row that a reply from `address` goes to; starts a new row when it differs from the last one.
    int rowFor(int address);

    InstrumentList& m_list;
    std::function<QDateTime()> m_now = &QDateTime::currentDateTime;
    const engine::MonotonicClock* m_clock = nullptr;
    int m_first = 0;
    int m_baud = 0;
    qint64 m_requestEndMs = -1; // -1 once the current request's reply was timed
    int m_scanAddress = 0;
    qint16 m_scanEnd = 0;
    qint16 m_foundCount = 0;
    int m_lastRow = 0;
    int m_askedAddress = -1;
};
