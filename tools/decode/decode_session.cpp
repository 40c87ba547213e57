#include "decode_session.h"

#include "protocol/frame.h"
#include "views/instrument_types.h"

namespace decode {

bool DecodeSession::layOutFor(const QString& modelName) {
    if (!views::layoutForModel(modelName, m_panel)) return false;
    // The window shows the model name here, and the power view tells meter from module by it.
    m_panel.label3[2].caption = QStringLiteral("仪表类型：") + modelName;
    m_laidOut = true;
    return true;
}

void DecodeSession::layOutForFirstFrame(const QByteArray& frame) {
    m_laidOut = true;
    // The model the instrument list would show for this reply; an unlisted code keeps the design.
    if (const auto line = protocol::cutReplyLine(frame, QByteArray())) {
        const QString model = views::modelNameOf(protocol::replyTypeCode(*line));
        if (!model.isEmpty()) layOutFor(model);
    }
}

FrameOutcome DecodeSession::handle(const QByteArray& frame) {
    if (!m_laidOut) layOutForFirstFrame(frame);
    FrameOutcome outcome;
    // No request of ours precedes a captured frame, so there is no echo to skip.
    const auto line = protocol::cutReplyLine(frame, QByteArray());
    if (!line || !protocol::CheckReply(*line)) return outcome;
    outcome.check = true;
    const int code = protocol::replyTypeCode(*line);
    outcome.type = code;
    if (const views::InstrumentType* type = views::typeForCode(code)) {
        outcome.view = type->viewName;
        type->view(*line, m_panel, m_tn, outcome.readings);
    }
    return outcome;
}

} // namespace decode
