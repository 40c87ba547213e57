#pragma once
// The "Dynamic" window (数据诊断): live data of one instrument. Its poll engine runs the poll cycle;
// the window renders the panel after every tick and ends polling however it closes.
//
// The main window keeps one of these for the whole run and calls showModal() for each opening, so
// the page counter Tn lives with the object and survives closing.
#include "diagnosis/poll_cycle.h"
#include "engine/intervals.h"
#include "engine/poll_engine.h"

#include <QDialog>

class QPushButton;
namespace panel {
class PanelWidget;
}
namespace serial {
class MessageSink;
class SerialLink;
} // namespace serial

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

    qint16 tn() const { return m_poll.tn(); }

    PollCycle& pollCycle() { return m_poll; }
    engine::PollEngine& engine() { return m_engine; }
    panel::PanelWidget* panelWidget() const { return m_panelWidget; }
    QPushButton* command1() const { return m_command1; }

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

    // The poll cycle, with the panel rendered after each receive tick.
    bool nextRequest(engine::Request& request) override { return m_poll.nextRequest(request); }
    void replyTick(const engine::ReplyReader& reader) override;

    serial::SerialLink& m_link;
    serial::MessageSink& m_messages;
    QWidget* m_mainArea = nullptr;
    engine::Intervals m_intervals;
    PollCycle m_poll;
    engine::PollEngine m_engine;
    panel::PanelWidget* m_panelWidget = nullptr;
    QPushButton* m_command1 = nullptr;
    bool m_polling = false;
};
