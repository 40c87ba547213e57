#pragma once
// One diagnosis panel fed with captured frames, each handled as one receive tick of the diagnosis
// window handles a freshly emptied buffer into which that frame has arrived: cut, checked and
// dispatched by type code. The panel and the page counter carry over from frame to frame, so a
// frame given 25 times pages as 25 receive ticks do.
#include "diagnosis/panel/panel_model.h"
#include "protocol/reading.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace decode {

struct FrameOutcome {
    bool check = false;          // the reply line passed CheckReply
    std::optional<int> type;     // its type code, when it passed
    QString view;                // name of the routine that handled it; empty for an unlisted code
    protocol::Readings readings; // what the routine decoded; empty when no routine ran
};

class DecodeSession {
public:
    // Lays the panel out for a model name of the instrument types. False, leaving the panel as it
    // is, for a name the table lacks. Without a call the first frame's type code chooses the model.
    bool layOutFor(const QString& modelName);

    FrameOutcome handle(const QByteArray& frame);

    const panel::PanelModel& panel() const { return m_panel; }
    qint16 tn() const { return m_tn; }

private:
    void layOutForFirstFrame(const QByteArray& frame);

    panel::PanelModel m_panel = panel::PanelModel::design();
    qint16 m_tn = 0;
    bool m_laidOut = false;
};

} // namespace decode
