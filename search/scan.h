#pragma once
// The scan of an address range: one read request per address, one send interval to answer, every
// valid reply written into the instrument list. A plain object driven by two ticks; the search
// window owns the timers that call them.
#include "protocol/line_texts.h"

#include <QObject>

class InstrumentList;
namespace serial {
class SerialLink;
}

class Scan : public QObject {
    Q_OBJECT
public:
    // Starts with `FoundCount` = 0 and the range `first`..`last` (nothing is sent when first > last).
    Scan(serial::SerialLink& link, protocol::LineTexts& line, InstrumentList& list, qint16 first, qint16 last,
         QObject* parent = nullptr);

    // Send tick: empties the receive buffer, then asks the next address, or emits finished() once
    // the range is done.
    void sendTick();
    // Receive tick: collects input and writes the row of a valid reply (again on every tick until
    // the next request empties the buffer; repeated writes give the same row).
    void receiveTick();

    // The next address to ask. Wider than 16 bits so that a range ending at 32767 can step past it.
    int scanAddress() const { return m_scanAddress; }
    qint16 scanEnd() const { return m_scanEnd; }
    qint16 foundCount() const { return m_foundCount; }
    bool isFinished() const { return m_finished; }

signals:
    // The address just asked, for the progress label.
    void asking(int address);
    // The range is done; sent once.
    void finished();

private:
    // Row that a reply from `address` goes to; starts a new row when it differs from the last one.
    int rowFor(int address);

    serial::SerialLink& m_link;
    protocol::LineTexts& m_line;
    InstrumentList& m_list;
    int m_scanAddress = 0;
    qint16 m_scanEnd = 0;
    qint16 m_foundCount = 0;
    bool m_finished = false;
};
