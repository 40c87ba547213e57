#include "diagnosis/poll_cycle.h"

#include "engine/reply_reader.h"
#include "protocol/frame.h"

PollCycle::PollCycle(Dispatch dispatch) : m_dispatch(dispatch) {}

void PollCycle::begin(const Instrument& instrument) {
    m_instrument = instrument;
    m_panel = panel::PanelModel::design();
    m_readings.clear();
}

void PollCycle::unload() {
    m_panel.unload();
}

bool PollCycle::nextRequest(engine::Request& request) {
    request.bytes = protocol::readRequest(m_instrument.requestField());
    request.address = m_instrument.address;
    return true;
}

void PollCycle::replyTick(const engine::ReplyReader& reader) {
    if (!reader.accepted()) return;
    const views::ViewRoutine view = m_dispatch ? m_dispatch(protocol::replyTypeCode(reader.line())) : nullptr;
    if (!view) return;
    const QByteArray ntemp = reader.line(); // the view gets its own copy
    view(ntemp, m_panel, m_tn, m_readings);
}
