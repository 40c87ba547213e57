#include "search/scan.h"

#include "engine/reply_reader.h"
#include "protocol/fields.h"
#include "protocol/frame.h"
#include "search/instrument_list.h"
#include "views/instrument_types.h"

#include <algorithm>

Scan::Scan(InstrumentList& list, qint16 first, qint16 last, QObject* parent)
    : QObject(parent), m_list(list), m_first(first), m_scanAddress(first), m_scanEnd(last) {}

bool Scan::nextRequest(engine::Request& request) {
    if (m_scanAddress > m_scanEnd) return false;
    emit asking(m_scanAddress);
    request.bytes = protocol::readRequest(protocol::addressField(m_scanAddress));
    request.address = m_scanAddress;
    m_askedAddress = m_scanAddress;
    if (m_clock) {
        const qint64 lineMs = m_baud > 0 ? (request.bytes.size() * 10 * 1000 + m_baud - 1) / m_baud : 0;
        m_requestEndMs = m_clock->nowMs() + lineMs;
    }
    ++m_scanAddress;
    return true;
}

void Scan::replyTick(const engine::ReplyReader& reader) {
    if (!reader.accepted()) return;
    // Address and type come from the reply line itself, so noise in front of its "@" is harmless.
    const QByteArray& line = reader.line();
    const int address = protocol::replyAddress(line);
    const int typeCode = protocol::replyTypeCode(line);
    const int row = rowFor(address);

    const Instrument* listed = m_list.instrument(row);
    Instrument found = listed ? *listed : Instrument{};
    if (!listed) found.foundAt = m_now();
    found.address = address;
    found.addressText = protocol::field(line, 2, 2);
    // An unlisted type leaves the type cell as it was.
    const int listedCode = found.typeCode;
    found.typeCode = typeCode;
    if (listed && found.modelName().isEmpty()) found.typeCode = listedCode;
    // The first tick that holds the reply times it; later ticks hold the same line.
    if (m_clock && m_requestEndMs >= 0 && address == m_askedAddress) {
        found.roundTripMs = static_cast<int>(std::max<qint64>(0, m_clock->nowMs() - m_requestEndMs));
        m_requestEndMs = -1;
    }
    m_list.setInstrument(row, found);
    m_lastRow = row;
}

int Scan::rowFor(int address) {
    if (m_foundCount > 0) {
        const Instrument* last = m_list.instrument(m_foundCount);
        if (last && last->address == address) return m_foundCount;
    }
    ++m_foundCount;
    // Row 1 exists from the start; later instruments get a row appended.
    if (m_foundCount > 1) m_list.addRow();
    return m_foundCount;
}
