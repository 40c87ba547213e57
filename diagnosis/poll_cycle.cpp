#include "diagnosis/poll_cycle.h"

#include "link/serial_link.h"
#include "protocol/frame.h"
#include "search/instrument_list.h"

namespace {
// "0031（0x1FH）": the two hexadecimal address characters sit at characters 8 and 9.
constexpr int kAddressFieldIndex = 7;
constexpr int kAddressFieldWidth = 2;
} // namespace

PollCycle::PollCycle(serial::SerialLink& link, protocol::LineTexts& line, const InstrumentList& list,
                     Dispatch dispatch)
    : m_link(link), m_line(line), m_list(list), m_dispatch(dispatch) {}

void PollCycle::begin() {
    m_panel = panel::PanelModel::design();
    m_line.receiveBuffer.clear();
}

void PollCycle::unload() {
    m_panel.unload();
    m_line.receiveBuffer.clear();
}

void PollCycle::sendTick() {
    m_line.receiveBuffer.clear();
    const QString cell = m_list.addressCell(m_list.currentRow());
    const QByteArray address = cell.mid(kAddressFieldIndex, kAddressFieldWidth).toLatin1();
    m_line.commandFrame = protocol::readRequest(address);
    m_link.write(m_line.commandFrame);
}

void PollCycle::receiveTick() {
    m_line.receiveBuffer += m_link.readAll();
    const auto reply = protocol::cutReplyLine(m_line.receiveBuffer, m_line.commandFrame);
    if (!reply) return;
    m_line.replyLine = *reply;
    if (!protocol::CheckReply(m_line.replyLine)) return;
    const views::ViewRoutine view = m_dispatch ? m_dispatch(protocol::replyTypeCode(m_line.replyLine)) : nullptr;
    if (!view) return;
    const QByteArray ntemp = m_line.replyLine; // the view gets its own copy
    protocol::Readings readings;
    view(ntemp, m_panel, m_tn, readings);
}
