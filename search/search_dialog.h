#pragma once
// The "Search" dialog: shows the port in use, takes the address range and on OK opens the port and
// runs the scan in the "Searching" window. exec() returns when the scan window has closed (OK) or
// the dialog was cancelled.
#include "engine/intervals.h"

#include <QDialog>
#include <array>
#include <functional>

namespace engine {
class TrafficHub;
}
class InstrumentList;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class Scan;
namespace serial {
class MessageSink;
class SerialLink;
} // namespace serial
namespace config {
class AppSettings;
}

class SearchDialog : public QDialog {
    Q_OBJECT
public:
    SearchDialog(serial::SerialLink& link, InstrumentList& list, serial::MessageSink& messages,
                 QWidget* mainArea);

    // Where the "快速搜索" choice and the fast scan's reply time-out are kept. Without settings the
    // box starts unticked and the fast scan waits the default time-out.
    void setAppSettings(config::AppSettings* settings) { m_settings = settings; }
    // The fast scan was chosen for the scan that OK starts.
    bool fastScanChosen() const;

    // The scan window's send and receive intervals.
    void setScanIntervals(engine::Intervals intervals) { m_scanIntervals = intervals; }
    // Where the scan's traffic goes besides the scan (the terminal listens there); may be null.
    void setTrafficHub(engine::TrafficHub* hub) { m_hub = hub; }

    // Shows the scan window for a scan that is ready to run and returns when it has closed. The
    // default runs a SearchingWindow modally; tests put their own driver here.
    using SearchingRunner = std::function<void(Scan&)>;
    void setSearchingRunner(SearchingRunner runner) { m_runSearching = std::move(runner); }

    QLineEdit* text1() const { return m_text1; }
    QLineEdit* text2() const { return m_text2; }
    QPushButton* command1() const { return m_command1; }
    QPushButton* command2() const { return m_command2; }
    QLabel* label3(int i) const { return m_label3[i]; }
    QCheckBox* fastScanBox() const { return m_fastScan; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void load();
    void onOk();
    void runSearchingWindow(Scan& scan);
    // The box's state kept for the next run, when it changed.
    void rememberFastScan();

    serial::SerialLink& m_link;
    InstrumentList& m_list;
    serial::MessageSink& m_messages;
    QWidget* m_mainArea = nullptr;
    SearchingRunner m_runSearching;
    engine::Intervals m_scanIntervals = engine::kScanIntervals;
    config::AppSettings* m_settings = nullptr;
    engine::TrafficHub* m_hub = nullptr;

    std::array<QLabel*, 5> m_label1{}; // Label1(0..4); index 3 is not used
    std::array<QLabel*, 3> m_label2{};
    std::array<QLabel*, 2> m_label3{};
    QLineEdit* m_text1 = nullptr;
    QLineEdit* m_text2 = nullptr;
    QCheckBox* m_fastScan = nullptr;
    QPushButton* m_command1 = nullptr;
    QPushButton* m_command2 = nullptr;
};
