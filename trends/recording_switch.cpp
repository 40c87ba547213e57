#include "trends/recording_switch.h"

#include "link/message_sink.h"
#include "trends/live_trend_texts.h"

#include <QAbstractButton>
#include <QDateTime>
#include <QSignalBlocker>

namespace trends {

RecordingSwitch::RecordingSwitch(serial::MessageSink& messages, QWidget* messageParent, QObject* parent)
    : QObject(parent), m_messages(messages), m_messageParent(messageParent) {
    connect(&m_recorder, &history::Recorder::failed, this, &RecordingSwitch::failed);
}

void RecordingSwitch::addBox(QAbstractButton* box) {
    m_boxes.append(box);
    connect(box, &QAbstractButton::toggled, this, &RecordingSwitch::toggled);
    showState();
}

void RecordingSwitch::setTarget(const QString& filePath, const history::RecordingInfo& info) {
    m_filePath = filePath;
    m_info = info;
}

void RecordingSwitch::toggled(bool on) {
    if (on == m_recorder.isRecording()) return;
    if (on) {
        history::RecordingInfo info = m_info;
        info.startedMs = QDateTime::currentMSecsSinceEpoch();
        m_recorder.start(m_filePath, info);
    } else {
        m_recorder.stop();
    }
    showState();
}

void RecordingSwitch::pollStopped() {
    m_recorder.stop();
    showState();
}

void RecordingSwitch::failed(const QString& message) {
    // The boxes go off before the message, which waits for the operator while the poll goes on.
    showState();
    m_messages.show(m_messageParent, message, livetext::kRecord.toString());
}

void RecordingSwitch::showState() {
    const bool on = m_recorder.isRecording();
    for (const QPointer<QAbstractButton>& box : qAsConst(m_boxes)) {
        if (!box) continue;
        const QSignalBlocker quiet(box);
        box->setChecked(on);
    }
}

} // namespace trends
