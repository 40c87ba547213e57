#pragma once
// The terminal: every line of traffic of every engine, judged, with the bus health beside it; and
// the hand sender and the listener, which use the port only while nothing else does.
//
// A scan or diagnosis window started while the terminal sends or listens stops that first: the
// main window calls releasePort() before it opens one.
//
// Drawing the table is most of what an open terminal costs, and a busy line redraws all of it each
// time. So the window looks at the log four times a second and brings the table up to it when a
// few lines came, but at most once a second when many did; and not at all while the table cannot
// be seen (the window hidden or minimised, or the table covered by other windows). The log goes
// on judging and counting meanwhile, and the table catches up in one update when seen again.
#include "engine/poll_engine.h"
#include "terminal/hand_sender.h"
#include "terminal/traffic_log.h"

#include <QWidget>
#include <functional>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableView;
class QTimer;
namespace engine {
class TrafficHub;
}
namespace serial {
class MessageSink;
class SerialLink;
} // namespace serial

namespace terminal {

class HealthModel;
class StatusLine;
class TrafficModel;

class TerminalWindow : public QWidget {
    Q_OBJECT
public:
    // Input looked at every 20 ms while sending or listening: round trips to within 20 ms.
    static constexpr int kReceiveMs = 20;
    // A frame sent once waits this long for its reply before the port closes.
    static constexpr int kOnceWindowMs = 1000;
    // How often the log is looked at; how many new lines are drawn at once; how long many wait.
    static constexpr int kLookMs = 250;
    static constexpr int kFewLines = 4;
    static constexpr int kBusyDrawMs = 1000;

    // Asks for the file to save to, with the dialog's file-type filter; empty when cancelled.
    using AskFileName = std::function<QString(QWidget* parent, const QString& filter)>;

    TerminalWindow(serial::SerialLink& link, engine::TrafficHub& hub, serial::MessageSink& messages,
                   QWidget* parent = nullptr, int capacity = TrafficLog::kCapacity);
    ~TerminalWindow() override;

    // Stops hand sending or listening and closes the port; nothing when neither runs.
    void releasePort();
    bool usingPort() const { return m_engine.isRunning() || m_engine.isListening(); }

    // The commands; each says why and sends nothing on bad input. True when started.
    bool sendReadRequest(const QString& address, bool repeat, int intervalMs);
    bool sendText(const QString& typed, bool appendCheck, bool repeat, int intervalMs);
    bool listen();
    // What the window's timer does every kLookMs: the table and the bus health brought up to the
    // log when the table can be seen and either few lines came or kBusyDrawMs have passed since
    // the last update; otherwise nothing.
    void refresh();
    // The same, seen or not.
    void catchUp();
    // Whether the table can be seen: shown, not minimised, and not wholly covered.
    bool tableSeen() const;
    void setFollow(bool follow);
    // Typed address filter ("" shows all); false with a message when it cannot be read.
    bool setFilter(const QString& typed);
    void clear();
    QString selectedText() const;
    bool save(const QString& path, bool csv);
    void setAskFileName(AskFileName ask) { m_askFileName = std::move(ask); }
    // Monotonic milliseconds, for the pace of updates.
    void setClock(std::function<qint64()> now) { m_now = std::move(now); }

    TrafficLog& log() { return m_log; }
    TrafficModel& trafficModel() { return *m_model; }
    HealthModel& healthModel() { return *m_healthModel; }
    engine::PollEngine& engine() { return m_engine; }
    QTableView* trafficView() const { return m_view; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Runs a change of the table's rows keeping the view on its lines: the newest line when
    // following, else the line at the top (or the first one after it still shown).
    void changeRows(const std::function<void()>& change);
    bool start(const QByteArray& frame, bool repeat, int intervalMs);
    void buildControls();
    void updateState();
    void onLost(const QString& reason);
    void sendClicked();
    void saveClicked(bool csv);

    serial::SerialLink& m_link;
    engine::TrafficHub& m_hub;
    serial::MessageSink& m_messages;
    TrafficLog m_log;
    engine::PollEngine m_engine;
    HandSender m_sender;
    AskFileName m_askFileName;
    std::function<qint64()> m_now;
    qint64 m_drawnEnd = 0; // the log's end at the last update
    qint64 m_drawnAt = -1; // and when it was, by m_now; -1 never
    TrafficModel* m_model = nullptr;
    HealthModel* m_healthModel = nullptr;
    QTableView* m_view = nullptr;
    QTableView* m_healthView = nullptr;
    QTimer* m_refresh = nullptr;
    StatusLine* m_status = nullptr;
    QCheckBox* m_follow = nullptr;
    QCheckBox* m_pause = nullptr;
    QLineEdit* m_filter = nullptr;
    QRadioButton* m_readMode = nullptr;
    QLineEdit* m_address = nullptr;
    QLineEdit* m_text = nullptr;
    QCheckBox* m_appendCheck = nullptr;
    QCheckBox* m_repeat = nullptr;
    QSpinBox* m_interval = nullptr;
    QPushButton* m_send = nullptr;
    QPushButton* m_stop = nullptr;
    QPushButton* m_listen = nullptr;
};

} // namespace terminal
