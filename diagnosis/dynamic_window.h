#pragma once
// The "Dynamic" window (数据诊断): live data of the instrument on the list's current row. It owns
// the poll cycle's timers, renders the panel after every tick and ends polling however it closes.
//
// The main window keeps one of these for the whole run and calls showModal() for each opening, so
// the page counter Tn lives with the object and survives closing.
#include "diagnosis/poll_cycle.h"

#include <QDialog>
#include <QTimer>

class InstrumentList;
class QPushButton;
namespace panel {
class PanelWidget;
}
namespace protocol {
struct LineTexts;
}
namespace serial {
class MessageSink;
class SerialLink;
} // namespace serial

class DynamicWindow : public QDialog {
    Q_OBJECT
public:
    static constexpr int kSendIntervalMs = 2000;
    static constexpr int kReceiveIntervalMs = 80;

    DynamicWindow(serial::SerialLink& link, protocol::LineTexts& line, const InstrumentList& list,
                  serial::MessageSink& messages, const QString& programDir, QWidget* mainArea);

    // One opening: the load step (place, open the port, captions, timers, layout), the modal run
    // and the unload step. When the port cannot be opened the operator is told why and the window
    // does not show. Returns whether it was shown.
    bool showModal();

    qint16 tn() const { return m_poll.tn(); }

    PollCycle& pollCycle() { return m_poll; }
    panel::PanelWidget* panelWidget() const { return m_panelWidget; }
    QTimer& timer1() { return m_timer1; }
    QTimer& timer2() { return m_timer2; }
    QPushButton* command1() const { return m_command1; }

    // Esc closes like "退出".
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // The load step; false when the port did not open.
    bool load();
    // "退出": timers stop, port closes, window goes.
    void exitWindow();
    void onLost(const QString& reason);
    void sendTick();
    void receiveTick();
    void renderPanel();

    serial::SerialLink& m_link;
    const InstrumentList& m_list;
    serial::MessageSink& m_messages;
    QWidget* m_mainArea = nullptr;
    PollCycle m_poll;
    QTimer m_timer1; // receive
    QTimer m_timer2; // send
    panel::PanelWidget* m_panelWidget = nullptr;
    QPushButton* m_command1 = nullptr;
    bool m_polling = false;
};
