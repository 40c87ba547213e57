#pragma once
// The "Searching" window: progress of a scan and its "停止" button. Its poll engine runs the scan
// (the standard one, or the fast one when chosen); however the window closes, polling stops and
// the port is closed. Beside the address being asked it shows a progress bar over the range, the
// number found, the time elapsed and an estimate of the time left.
#include "engine/intervals.h"
#include "engine/poll_engine.h"

#include <QDialog>
#include <QTimer>
#include <array>
#include <memory>

class FastScan;
class QLabel;
class QProgressBar;
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
    ~SearchingWindow() override;

    // Before it is shown: run the fast scan, with this configured reply time-out.
    void setFastScan(int configuredTimeoutMs);
    FastScan* fastScan() const { return m_fast.get(); }

    engine::PollEngine& engine() { return m_engine; }
    QPushButton* command1() const { return m_command1; }
    QLabel* label3(int i) const { return m_label3[i]; }
    QLabel* label4() const { return m_label4; }
    QProgressBar* progressBar() const { return m_progressBar; }
    QLabel* foundLabel() const { return m_found; }
    QLabel* elapsedLabel() const { return m_elapsed; }
    QLabel* leftLabel() const { return m_left; }
    // Brings the progress display up to date (also done on every request and every second).
    void updateProgress();

    // Esc closes like "停止".
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Stops polling, closes the port and removes the window; safe to call more than once.
    void finish();
    void onLost(const QString& reason);
    void onAsking(int address);

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
    QProgressBar* m_progressBar = nullptr;
    QLabel* m_found = nullptr;
    QLabel* m_elapsed = nullptr;
    QLabel* m_left = nullptr;
    QTimer m_clockTimer;
    std::unique_ptr<FastScan> m_fast;
    int m_configuredTimeoutMs = 0;
    int m_standardAsked = 0; // requests of the standard scan so far
    qint64 m_startMs = -1;
    bool m_loaded = false;
    bool m_finished = false;
};
