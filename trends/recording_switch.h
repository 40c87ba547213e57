#pragma once
// The 记录 switch of a polling window: its boxes start and stop recording the poll into the history
// file; a failure unticks them and is told once, while the poll goes on.
#include "history/recorder.h"

#include <QList>
#include <QObject>
#include <QPointer>

class QAbstractButton;
class QWidget;
namespace serial {
class MessageSink;
}

namespace trends {

class RecordingSwitch : public QObject {
    Q_OBJECT
public:
    // Messages go to `messageParent`'s window.
    RecordingSwitch(serial::MessageSink& messages, QWidget* messageParent, QObject* parent = nullptr);

    // A box that shows and turns the switch; several boxes (a window and its trend) stay alike.
    void addBox(QAbstractButton* box);
    // Where and what is recorded from the next time a box is ticked.
    void setTarget(const QString& filePath, const history::RecordingInfo& info);

    // One poll of the window; stored while the switch is on.
    void record(const protocol::Sample& sample) { m_recorder.record(sample); }
    // The poll ended: the recording ends with it and the boxes are unticked.
    void pollStopped();

    bool isOn() const { return m_recorder.isRecording(); }
    history::Recorder& recorder() { return m_recorder; }

private:
    void toggled(bool on);
    void failed(const QString& message);
    void showState();

    serial::MessageSink& m_messages;
    QWidget* m_messageParent = nullptr;
    QList<QPointer<QAbstractButton>> m_boxes;
    QString m_filePath;
    history::RecordingInfo m_info;
    history::Recorder m_recorder;
};

} // namespace trends
