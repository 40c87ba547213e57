#pragma once
// The "Searching" window: progress of a scan and its "停止" button. Its poll engine runs the scan;
// however the window closes, polling stops and the port is closed.
#include "engine/intervals.h"
#include "engine/poll_engine.h"

#include <QDialog>
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
    // The port is open already (the search dialog opened it).
    SearchingWindow(Scan& scan, serial::SerialLink& link, serial::MessageSink& messages, QWidget* mainArea,
                    engine::Intervals intervals = engine::kScanIntervals);

    engine::PollEngine& engine() { return m_engine; }
    QPushButton* command1() const { return m_command1; }
    QLabel* label3(int i) const { return m_label3[i]; }
    QLabel* label4() const { return m_label4; }

    // Esc closes like "停止".
    void reject() override;

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    // Stops polling, closes the port and removes the window; safe to call more than once.
    void finish();
    void onLost(const QString& reason);

    Scan& m_scan;
    serial::SerialLink& m_link;
    serial::MessageSink& m_messages;
    QWidget* m_mainArea = nullptr;
    engine::Intervals m_intervals;
    engine::PollEngine m_engine;
    std::array<QLabel*, 2> m_label2{};
    std::array<QLabel*, 2> m_label3{};
    QLabel* m_label1 = nullptr;
    QLabel* m_label4 = nullptr;
    QPushButton* m_command1 = nullptr;
    bool m_loaded = false;
    bool m_finished = false;
};
