#pragma once
// The main window "MDIForm1": menus, toolbar, status bar, the instrument list inside it, and the
// three commands that lead to the other windows.
#include "config/app_settings.h"
#include "engine/intervals.h"
#include "engine/traffic_hub.h"
#include "help/traffic_ring.h"
#include "report/last_readings.h"
#include "report/report_html.h"

#include <QMainWindow>
#include <QPointer>
#include <memory>

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QTime;
class QTimer;
class InstrumentList;
class IndexWindow;
class DynamicWindow;
namespace terminal {
class TerminalWindow;
}
namespace trends {
class DialogFileChooser;
class HistoryWindow;
class LiveTrendSession;
} // namespace trends

namespace serial {
class SerialLink;
class MessageSink;
} // namespace serial

namespace app {

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Loading the window reads the settings file into the link; the port stays closed.
    MainWindow(serial::SerialLink& link, serial::MessageSink& messages, const QString& programDir,
               QWidget* parent = nullptr);
    // The program's files in `folders.resources`, the settings and history where `folders` say.
    MainWindow(serial::SerialLink& link, serial::MessageSink& messages, const config::DataFolders& folders,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    // The rest of start-up: the instrument list, a word about defaults if the settings file could
    // not be read, then the search dialog.
    void startUp();

    // The three commands.
    void newScan();
    void portSettings();
    void openDiagnosis();
    // The 配置 command (menu "station", toolbar "TConfig").
    void configure();
    // The 终端 command (menu "terminal", toolbar "TTerminal"): the one terminal window, opened
    // or raised.
    void openTerminal();
    terminal::TerminalWindow* terminalWindow() const;
    // 实时趋势 (menu "current", toolbar "TCurrent"): with the diagnosis window's two checks, a live
    // trend of the current row's instrument, polled at the diagnosis window's intervals. While it
    // polls it holds the port: a scan, a diagnosis or the port settings are refused with a word
    // why, and the terminal's own open says the port is in use. One at a time: opening another
    // closes the one before.
    void openLiveTrend();
    trends::LiveTrendSession* liveTrend() const;
    // 历史趋势 (menu "history", toolbar "TTrend"): the browser of the history file, opened or raised.
    void openHistory();
    trends::HistoryWindow* historyWindow() const;
    // Every engine of the program reports its traffic here.
    engine::TrafficHub& trafficHub() { return m_hub; }

    // 文件: the instrument list from and to a CSV file. A file that cannot be read leaves the list
    // as it was.
    void openList();
    void saveList();
    // The commissioning report, previewed before it goes to a printer or a PDF file.
    void printReport();
    // What the report holds now.
    report::ReportContent reportContent() const;
    // The last readings of every instrument diagnosed in this run.
    report::LastReadings& lastReadings() { return m_lastReadings; }

    // 窗口: arranging the child windows; 搜索列表 brings the list window back.
    void tileHorizontally();
    void tileVertically();
    void cascade();

    // 帮助: the manual in the interface language, the facts for a support request, the about box.
    void showManual();
    void showSupport();
    void showAbout();
    // "en" for an English interface, otherwise "zh".
    static QString interfaceLanguage();
    QString supportText() const;
    help::TrafficRing& recentTraffic() { return m_traffic; }

    // The send and receive intervals of the scan window and of the diagnosis window, for the
    // openings after this call (the defaults are the program's; tests run faster ones).
    void setPollIntervals(engine::Intervals scan, engine::Intervals diagnosis);

    // 窗口 → 搜索列表: shows the instrument list and brings it to the front. Closing the list only
    // hides it, so the instruments found can always be chosen again.
    void showInstrumentList();

    // A toolbar click, by the button's key.
    void toolbarButtonClicked(const QString& key);

    InstrumentList& instruments() { return *m_list; }
    IndexWindow* indexWindow() const { return m_index; }
    QMdiArea* mdiArea() const { return m_area; }
    QString settingsPath() const;
    // Why the settings file was not used at load, or not all of it; empty when it was.
    QString settingsProblem() const { return m_settingsProblem; }
    // The application's own settings, read at start-up.
    config::AppSettings& appSettings() { return m_appSettings; }

    // Milliseconds from `now` until a time shown in `timeFormat` next changes: to the next second
    // when the format shows seconds, else to the next minute. Never 0.
    static int msecsToClockChange(const QTime& now, const QString& timeFormat);

protected:
    // The modal windows, behind virtual calls so that tests can stand in for them.
    virtual void showSearchDialog();
    virtual void showPortSettingsDialog();
    virtual void showDiagnosisWindow();
    // Returns whether the operator pressed OK.
    virtual bool showConfigDialog();
    // The file chosen to open or to save to; empty when the operator cancelled.
    virtual QString chooseOpenPath();
    virtual QString chooseSavePath();
    virtual void showPrintPreview(const QString& html);
    virtual void showSupportDialog(const QString& text);
    virtual void showAboutBox(const QString& html);

private:
    void loadSettings();
    void applyAppSettings();
    void buildMenus();
    void buildToolbar();
    void buildStatusBar();
    // Shows the time and date, then sleeps until what they show next changes.
    void updateClock();
    // A scan or diagnosis is about to take the port: the terminal's sending or listening stops.
    void takePortFromTerminal();
    // The live trend holds the port: says so and returns true.
    bool refuseWhileTrendPolls();

    serial::SerialLink& m_link;
    serial::MessageSink& m_messages;
    QString m_programDir; // the program's own files: pictures, translations, manual
    QString m_settingsFolder;
    QString m_settingsProblem;
    bool m_portKept = false; // the settings file's port was used though its rate was not
    config::AppSettings m_appSettings;
    // Declared before the windows whose engines report to it.
    engine::TrafficHub m_hub;
    engine::Intervals m_scanIntervals = engine::kScanIntervals;
    engine::Intervals m_diagnosisIntervals = engine::kDiagnosisIntervals;
    std::unique_ptr<InstrumentList> m_list;
    report::LastReadings m_lastReadings;
    help::TrafficRing m_traffic; // of the diagnosis window's polling, for a support request
    QWidget* m_help = nullptr;
    QMdiArea* m_area = nullptr;
    IndexWindow* m_index = nullptr;
    QMdiSubWindow* m_indexFrame = nullptr;
    // One diagnosis window for the whole run: its page counter outlives each showing.
    DynamicWindow* m_dynamic = nullptr;
    QPointer<terminal::TerminalWindow> m_terminal;
    QPointer<trends::LiveTrendSession> m_liveTrend;
    QPointer<trends::HistoryWindow> m_history;
    std::unique_ptr<trends::DialogFileChooser> m_files;
    QLabel* m_timePanel = nullptr;
    QLabel* m_datePanel = nullptr;
    QTimer* m_clock = nullptr;
};

} // namespace app
