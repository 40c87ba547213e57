#pragma once
// The "Dynamic" window (数据诊断): live data of one instrument. Its poll engine runs the poll cycle;
// the window renders the panel after every tick and ends polling however it closes.
//
// The main window keeps one of these for the whole run and calls showModal() for each opening, so
// the page counter Tn lives with the object and survives closing.
#include "diagnosis/poll_cycle.h"
#include "diagnosis/poll_sampler.h"
#include "engine/intervals.h"
#include "engine/poll_engine.h"
#include "trends/live_trend_window.h"

#include <QDialog>
#include <QPointer>

class QCheckBox;
class QPushButton;
namespace panel {
class PanelWidget;
}
namespace serial {
class MessageSink;
class SerialLink;
} // namespace serial
namespace trends {
class RecordingSwitch;
}

class DynamicWindow : public QDialog, private engine::PollClient {
    Q_OBJECT
public:
    DynamicWindow(serial::SerialLink& link, serial::MessageSink& messages, const QString& programDir,
                  QWidget* mainArea, engine::Intervals intervals = engine::kDiagnosisIntervals);

    // One opening for `instrument`: the load step (place, open the port, captions, polling,
    // layout), the modal run and the unload step. When the port cannot be opened the operator is
    // told why and the window does not show. Returns whether it was shown.
    bool showModal(const Instrument& instrument);

    // For the openings after this one.
    void setIntervals(engine::Intervals intervals) { m_intervals = intervals; }
    // Where the 记录 switch records the poll.
    void setHistoryFile(const QString& path) { m_historyFile = path; }

    qint16 tn() const { return m_poll.tn(); }

    PollCycle& pollCycle() { return m_poll; }
    engine::PollEngine& engine() { return m_engine; }
    panel::PanelWidget* panelWidget() const { return m_panelWidget; }
    QPushButton* command1() const { return m_command1; }
    QPushButton* trendButton() const { return m_trendButton; }
    QCheckBox* recordBox() const { return m_recordBox; }
    // The trend of this opening's poll, once "趋势" was pressed; closed with the window.
    trends::LiveTrendWindow* trendWindow() const { return m_trend; }
    trends::RecordingSwitch& recording() { return *m_recording; }
    // "趋势": the trend window of this opening, made on first use, shown and raised.
    void showTrend();

    // Esc closes like "退出".
    void reject() override;

signals:
    // A reply was accepted and read; the readings are the poll cycle's latest.
    void readingsRead(const Instrument& instrument, const protocol::Readings& readings);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // The load step; false when the port did not open.
    bool load(const Instrument& instrument);
    // "退出": polling stops, the port closes, the window goes.
    void exitWindow();
    void onLost(const QString& reason);
    void renderPanel();
    // One poll's outcome, for the trend and the recording.
    void sampled(const protocol::Sample& sample);

    // The poll cycle, with the panel rendered after each receive tick.
    bool nextRequest(engine::Request& request) override;
    void replyTick(const engine::ReplyReader& reader) override;

    serial::SerialLink& m_link;
    serial::MessageSink& m_messages;
    QWidget* m_mainArea = nullptr;
    engine::Intervals m_intervals;
    PollCycle m_poll;
    engine::PollEngine m_engine;
    panel::PanelWidget* m_panelWidget = nullptr;
    QPushButton* m_command1 = nullptr;
    QPushButton* m_trendButton = nullptr;
    QCheckBox* m_recordBox = nullptr;
    diagnosis::PollSampler m_sampler;
    trends::RecordingSwitch* m_recording = nullptr;
    QPointer<trends::LiveTrendWindow> m_trend;
    QString m_historyFile;
    bool m_polling = false;
};
