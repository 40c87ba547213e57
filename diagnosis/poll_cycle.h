#pragma once
// The diagnosis window's poll cycle, a client of the poll engine: a read request to the chosen
// instrument on every send tick, and on every receive tick the checked reply line handed to the
// view routine of its type code.
//
// It lives as long as the window object, so the page counter Tn survives closing and reopening;
// the panel starts from its design on every opening (begin()).
#include "diagnosis/panel/panel_model.h"
#include "engine/poll_client.h"
#include "protocol/reading.h"
#include "search/instrument.h"
#include "views/view_routine.h"

class PollCycle : public engine::PollClient {
public:
    // The view routine of a type code, or nullptr for an unlisted one.
    using Dispatch = views::ViewRoutine (*)(int typeCode);

    explicit PollCycle(Dispatch dispatch);

    // Opening for `instrument`: the panel as designed, no readings yet. Tn is kept.
    void begin(const Instrument& instrument);
    // Closing: value captions emptied, lamps hidden.
    void unload();

    // The read request to the instrument's address.
    bool nextRequest(engine::Request& request) override;
    // An accepted reply line goes to its type's view, on every tick it is there.
    void replyTick(const engine::ReplyReader& reader) override;

    const Instrument& instrument() const { return m_instrument; }
    panel::PanelModel& panel() { return m_panel; }
    const panel::PanelModel& panel() const { return m_panel; }
    // What the view read from the last accepted reply.
    const protocol::Readings& lastReadings() const { return m_readings; }
    qint16 tn() const { return m_tn; }
    void setDispatch(Dispatch dispatch) { m_dispatch = dispatch; }

private:
    Dispatch m_dispatch = nullptr;
    Instrument m_instrument;
    panel::PanelModel m_panel = panel::PanelModel::design();
    protocol::Readings m_readings;
    qint16 m_tn = 0;
};
