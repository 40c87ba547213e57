#pragma once
// 实时趋势 of one instrument: its own poll on the program's line, the live trend window it feeds and
// the window's 记录 switch. The session belongs to its window and ends with it: closing the window
// stops the poll, ends any recording and frees the port.
#include "diagnosis/sampled_poll.h"
#include "trends/recording_switch.h"

#include <QObject>
#include <QPointer>

namespace serial {
class MessageSink;
class SerialLink;
} // namespace serial

namespace trends {

class LiveTrendWindow;

class LiveTrendSession : public QObject {
    Q_OBJECT
public:
    // Makes the window (without a parent; the caller places it) and the session inside it.
    static LiveTrendSession* create(serial::SerialLink& link, serial::MessageSink& messages);

    // Opens the port and polls `instrument`; an error is told (the port's own words) and false
    // returned, the window left as it is.
    bool start(const Instrument& instrument, engine::Intervals intervals, const QString& historyFile);
    // The poll ends (port closed, recording ended); the window stays with what it shows.
    void stop();
    bool isPolling() const { return m_poll.isPolling(); }

    LiveTrendWindow* window() const { return m_window; }
    diagnosis::SampledPoll& poll() { return m_poll; }
    RecordingSwitch& recording() { return m_recording; }

signals:
    // The poll stopped by itself (the device was lost) or because the window closed.
    void stopped();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    LiveTrendSession(serial::SerialLink& link, serial::MessageSink& messages, LiveTrendWindow* window);
    void sampled(const protocol::Sample& sample);
    void lost(const QString& reason);

    serial::SerialLink& m_link;
    serial::MessageSink& m_messages;
    LiveTrendWindow* m_window = nullptr;
    diagnosis::SampledPoll m_poll;
    RecordingSwitch m_recording;
};

} // namespace trends
