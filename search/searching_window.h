#pragma once
// The "Searching" window: progress of a scan and its "停止" button. It owns the scan's timers and
// the end of every scan: however it closes, the timers stop and the port is closed.
#include <QDialog>
#include <QTimer>
#include <array>

class QLabel;
class QPushButton;
class Scan;
namespace serial {
class MessageSink;
class SerialLink;
} // namespace serial

class SearchingWindow : public QDialog {
    Q_OBJECT
public:
    static constexpr int kSendIntervalMs = 1360;
    static constexpr int kReceiveIntervalMs = 80;

    SearchingWindow(Scan& scan, serial::SerialLink& link, serial::MessageSink& messages, QWidget* mainArea);

    QTimer& timer1() { return m_timer1; }
    QTimer& timer2() { return m_timer2; }
    QPushButton* command1() const { return m_command1; }
    QLabel* label3(int i) const { return m_label3[i]; }
    QLabel* label4() const { return m_label4; }

    // Esc closes like "停止".
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Stops the timers, closes the port and removes the window; safe to call more than once.
    void finish();
    void onLost(const QString& reason);

    Scan& m_scan;
    serial::SerialLink& m_link;
    serial::MessageSink& m_messages;
    QWidget* m_mainArea = nullptr;
    QTimer m_timer1; // send
    QTimer m_timer2; // receive
    std::array<QLabel*, 2> m_label2{};
    std::array<QLabel*, 2> m_label3{};
    QLabel* m_label1 = nullptr;
    QLabel* m_label4 = nullptr;
    QPushButton* m_command1 = nullptr;
    bool m_loaded = false;
    bool m_finished = false;
};
