#include "search/scan.h"

#include "link/serial_link.h"
#include "protocol/fields.h"
#include "protocol/frame.h"
#include "search/instrument_list.h"
#include "views/instrument_types.h"

namespace {

// "0031（0x1FH）": the address in four decimal digits, then the two characters the reply carried.
QString addressCellText(int address, const QByteArray& received) {
    return QStringLiteral("%1（0x%2H）").arg(address, 4, 10, QLatin1Char('0')).arg(QString::fromLatin1(received));
}

} // namespace

Scan::Scan(serial::SerialLink& link, protocol::LineTexts& line, InstrumentList& list, qint16 first, qint16 last,
           QObject* parent)
    : QObject(parent), m_link(link), m_line(line), m_list(list), m_scanAddress(first), m_scanEnd(last) {}

void Scan::sendTick() {
    if (m_finished) return;
    m_line.receiveBuffer.clear();
    if (m_scanAddress > m_scanEnd) {
        m_finished = true;
        emit finished();
        return;
    }
    emit asking(m_scanAddress);
    m_line.commandFrame = protocol::readRequest(protocol::addressField(m_scanAddress));
    m_link.write(m_line.commandFrame);
    ++m_scanAddress;
}

void Scan::receiveTick() {
    if (m_finished) return;
    m_line.receiveBuffer += m_link.readAll();
    const auto reply = protocol::cutReplyLine(m_line.receiveBuffer, m_line.commandFrame);
    if (!reply) return;
    m_line.replyLine = *reply;
    if (!protocol::CheckReply(m_line.replyLine)) return;

    // Address and type come from the reply line itself, so noise in front of its "@" is harmless.
    const int address = protocol::replyAddress(m_line.replyLine);
    const int row = rowFor(address);
    m_list.setText(row, 0, QString::number(m_foundCount));
    m_list.setText(row, InstrumentList::kAddressColumn,
                   addressCellText(address, protocol::field(m_line.replyLine, 2, 2)));
    // An unlisted type leaves the type cell as it was.
    const QString model = views::modelNameOf(protocol::replyTypeCode(m_line.replyLine));
    if (!model.isEmpty()) m_list.setText(row, InstrumentList::kTypeColumn, model);
}

int Scan::rowFor(int address) {
    if (m_foundCount > 0) {
        const QString lastCell = m_list.addressCell(m_foundCount);
        if (protocol::leadingDecimal(lastCell.left(4).toLatin1()) == address) return m_foundCount;
    }
    ++m_foundCount;
    // Row 1 exists from the start; later instruments get a row appended.
    if (m_foundCount > 1) {
        m_list.addRow();
        m_list.setText(m_list.rows() - 1, 0, QString::number(m_foundCount));
    }
    return m_foundCount;
}
