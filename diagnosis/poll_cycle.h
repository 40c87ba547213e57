#pragma once
// The diagnosis window's poll cycle: a read request to the chosen instrument on every send tick,
// and on every receive tick the first reply line, checked and handed to the view routine of its
// type code. A plain object; the window owns the timers that call it and renders the panel.
//
// It lives as long as the window object, so the page counter Tn survives closing and reopening;
// the panel starts from its design on every opening (begin()).
#include "diagnosis/panel/panel_model.h"
#include "protocol/line_texts.h"
#include "views/view_routine.h"

class InstrumentList;
namespace serial {
class SerialLink;
}

class PollCycle {
public:
    // The view routine of a type code, or nullptr for an unlisted one.
    using Dispatch = views::ViewRoutine (*)(int typeCode);

    PollCycle(serial::SerialLink& link, protocol::LineTexts& line, const InstrumentList& list, Dispatch dispatch);

    // Opening: the panel as designed and an empty receive buffer, so nothing left over from the
    // scan is shown as this instrument's data. Tn is kept.
    void begin();
    // Closing: value captions emptied, lamps hidden, receive buffer emptied.
    void unload();

    // Empties the buffer and asks the instrument on the list's current row (characters 8-9 of its
    // address cell).
    void sendTick();
    // Collects input; a checked first reply line goes to its type's view. The buffer is kept, so
    // the same line is handed over again on every tick until the next request.
    void receiveTick();

    panel::PanelModel& panel() { return m_panel; }
    const panel::PanelModel& panel() const { return m_panel; }
    qint16 tn() const { return m_tn; }
    void setDispatch(Dispatch dispatch) { m_dispatch = dispatch; }

private:
    serial::SerialLink& m_link;
    protocol::LineTexts& m_line;
    const InstrumentList& m_list;
    Dispatch m_dispatch = nullptr;
    panel::PanelModel m_panel = panel::PanelModel::design();
    qint16 m_tn = 0;
};
