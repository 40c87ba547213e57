#pragma once
// The main window "MDIForm1": menus, toolbar, status bar, the instrument list inside it, and the
// three commands that lead to the other windows.
#include "config/app_settings.h"
#include "engine/intervals.h"
#include "engine/traffic_hub.h"

#include <QMainWindow>
#include <QPointer>
#include <memory>

class QAction;
class QLabel;
class QMdiArea;
class QTimer;
class InstrumentList;
class IndexWindow;
class DynamicWindow;
namespace terminal {
class TerminalWindow;
}

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
    // Every engine of the program reports its traffic here.
    engine::TrafficHub& trafficHub() { return m_hub; }

    // The send and receive intervals of the scan window and of the diagnosis window, for the
    // openings after this call (the defaults are the program's; tests run faster ones).
    void setPollIntervals(engine::Intervals scan, engine::Intervals diagnosis);

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

  protected:
    // The modal windows, behind virtual calls so that tests can stand in for them.
    virtual void showSearchDialog();
    virtual void showPortSettingsDialog();
    virtual void showDiagnosisWindow();
    // Returns whether the operator pressed OK.
    virtual bool showConfigDialog();

  private:
    void loadSettings();
    void applyAppSettings();
    void buildMenus();
    void buildToolbar();
    void buildStatusBar();
    void updateClock();
    // A scan or diagnosis is about to take the port: the terminal's sending or listening stops.
    void takePortFromTerminal();

    serial::SerialLink& m_link;
    serial::MessageSink& m_messages;
    QString m_programDir;
    QString m_settingsProblem;
    bool m_portKept = false; // the settings file's port was used though its rate was not
    config::AppSettings m_appSettings;
    // Declared before the windows whose engines report to it.
    engine::TrafficHub m_hub;
    engine::Intervals m_scanIntervals = engine::kScanIntervals;
    engine::Intervals m_diagnosisIntervals = engine::kDiagnosisIntervals;
    std::unique_ptr<InstrumentList> m_list;
    QMdiArea* m_area = nullptr;
    IndexWindow* m_index = nullptr;
    // One diagnosis window for the whole run: its page counter outlives each showing.
    DynamicWindow* m_dynamic = nullptr;
    QPointer<terminal::TerminalWindow> m_terminal;
    QLabel* m_timePanel = nullptr;
    QLabel* m_datePanel = nullptr;
    QTimer* m_clock = nullptr;
};

} // namespace app
