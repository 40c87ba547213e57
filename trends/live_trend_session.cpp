#include "trends/live_trend_session.h"

#include "link/message_sink.h"
#include "link/serial_link.h"
#include "search/port_messages.h"
#include "trends/live_trend_window.h"

#include <QCheckBox>
#include <QEvent>

namespace trends {

LiveTrendSession* LiveTrendSession::create(serial::SerialLink& link, serial::MessageSink& messages) {
    auto* window = new LiveTrendWindow;
    window->setAttribute(Qt::WA_DeleteOnClose);
    return new LiveTrendSession(link, messages, window);
}

LiveTrendSession::LiveTrendSession(serial::SerialLink& link, serial::MessageSink& messages,
                                   LiveTrendWindow* window)
    : QObject(window), m_link(link), m_messages(messages), m_window(window), m_poll(link),
      m_recording(messages, window) {
    m_recording.addBox(window->recordBox());
    window->installEventFilter(this);
    connect(&m_poll, &diagnosis::SampledPoll::sampled, this, &LiveTrendSession::sampled);
    connect(&m_poll, &diagnosis::SampledPoll::lost, this, &LiveTrendSession::lost);
}

bool LiveTrendSession::start(const Instrument& instrument, engine::Intervals intervals,
                             const QString& historyFile) {
    const serial::PortError opened = m_poll.start(instrument, intervals);
    if (opened != serial::NoError) {
        m_messages.show(m_window, portmsg::textFor(opened), portmsg::kTitle);
        return false;
    }
    m_window->setInstrument(instrument.address, instrument.modelName());
    m_window->setPollIntervalMs(intervals.sendMs);
    history::RecordingInfo info;
    info.port = QStringLiteral("COM%1").arg(m_link.portNumber());
    info.baudRate = m_link.baudRate();
    info.address = instrument.address;
    info.typeCode = instrument.typeCode;
    info.model = instrument.modelName();
    info.intervalMs = intervals.sendMs;
    m_recording.setTarget(historyFile, info);
    return true;
}

void LiveTrendSession::stop() {
    const bool was = m_poll.isPolling();
    m_poll.stop();
    m_recording.pollStopped();
    if (was) emit stopped();
}

void LiveTrendSession::sampled(const protocol::Sample& sample) {
    // Stored first: the recording is queued in microseconds, the chart takes its time.
    m_recording.record(sample);
    m_window->addSample(sample);
}

void LiveTrendSession::lost(const QString& reason) {
    m_recording.pollStopped();
    emit stopped();
    m_messages.show(m_window, portmsg::lostText(reason), portmsg::kTitle);
}

bool LiveTrendSession::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_window && event->type() == QEvent::Close) stop();
    return QObject::eventFilter(watched, event);
}

} // namespace trends
