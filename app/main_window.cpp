#include "app/main_window.h"

#include "app/main_window_texts.h"
#include "app/mdi_arrange.h"
#include "config/config_dialog.h"
#include "diagnosis/dynamic_window.h"
#include "help/help_texts.h"
#include "help/help_window.h"
#include "help/support_dialog.h"
#include "help/support_info.h"
#include "link/message_sink.h"
#include "link/port_names.h"
#include "link/port_settings_dialog.h"
#include "link/serial_link.h"
#include "link/settings_file.h"
#include "report/report_print.h"
#include "search/diagnosis_gate.h"
#include "search/index_window.h"
#include "search/instrument_list.h"
#include "search/list_file.h"
#include "search/search_dialog.h"
#include "terminal/ui/terminal_window.h"
#include "trends/file_chooser.h"
#include "trends/history_window.h"
#include "trends/live_trend_session.h"
#include "trends/live_trend_window.h"

#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProcessEnvironment>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>

namespace app {

MainWindow::MainWindow(serial::SerialLink& link, serial::MessageSink& messages, const QString& programDir,
                       QWidget* parent)
    : MainWindow(link, messages, config::DataFolders::beside(programDir), parent) {}

MainWindow::MainWindow(serial::SerialLink& link, serial::MessageSink& messages,
                       const config::DataFolders& folders, QWidget* parent)
    : QMainWindow(parent), m_link(link), m_messages(messages), m_programDir(folders.resources),
      m_settingsFolder(folders.settings), m_appSettings(folders), m_list(std::make_unique<InstrumentList>()) {
    setObjectName(QStringLiteral("MDIForm1"));
    setWindowTitle(texts::kTitle);
    m_area = new QMdiArea(this);
    setCentralWidget(m_area);
    buildMenus();
    buildToolbar();
    buildStatusBar();
    resize(1000, 720);
    loadSettings();
}

MainWindow::~MainWindow() {
    // The terminal and the live trend leave the hub before the hub goes.
    delete m_terminal;
    if (m_liveTrend) delete m_liveTrend->window();
}

QString MainWindow::settingsPath() const {
    return QDir(m_settingsFolder).filePath(QStringLiteral("Communicate.txt"));
}

void MainWindow::loadSettings() {
    const serial::ReadResult read = serial::readSettingsFile(settingsPath());
    // Without a usable file the program still starts, on port 1 (or the file's port) at 9600 baud;
    // the file is left alone until the operator saves new settings.
    const serial::LinkSettings settings = read.settings.value_or(serial::LinkSettings{});
    m_settingsProblem = read.problem;
    m_portKept = read.settings.has_value();
    m_link.setPortNumber(settings.portNumber);
    m_link.setSettings(settings.settings);
}

void MainWindow::startUp() {
    showInstrumentList();
    if (!m_settingsProblem.isEmpty()) {
        const QString text =
            m_portKept
                ? texts::kDefaultRateInUse.arg(settingsPath(), m_settingsProblem).arg(m_link.portNumber())
                : texts::kDefaultsInUse.arg(settingsPath(), m_settingsProblem);
        m_messages.show(this, text, texts::kDefaultsInUseTitle);
    }
    m_appSettings.load(m_messages, this);
    applyAppSettings();
    showSearchDialog();
}

void MainWindow::applyAppSettings() {
    m_link.setPortMapping(m_appSettings.values().portMapping);
    // The diagnosis window asks at the interval chosen in 配置 (2000 ms unless changed).
    engine::Intervals diagnosis = m_diagnosisIntervals;
    diagnosis.sendMs = m_appSettings.values().pollIntervalMs;
    setPollIntervals(m_scanIntervals, diagnosis);
}

void MainWindow::buildMenus() {
    QMenu* menus[3] = {};
    for (const texts::MenuEntry& e : texts::kMenu) {
        const QString name = QString::fromLatin1(e.name);
        const QString caption = i18n::tr(e.caption);
        if (e.depth == 0) {
            menus[0] = menuBar()->addMenu(caption);
            menus[0]->setObjectName(name);
            continue;
        }
        QMenu* owner = menus[e.depth - 1];
        if (caption == QLatin1String("-")) {
            owner->addSeparator()->setObjectName(name);
        } else if (e.depth == 1 && name == QLatin1String("web")) {
            menus[1] = owner->addMenu(caption);
            menus[1]->setObjectName(name);
            menus[1]->menuAction()->setObjectName(name);
        } else {
            QAction* action = owner->addAction(caption);
            action->setObjectName(name);
            if (*e.shortcut) action->setShortcut(QKeySequence(QString::fromLatin1(e.shortcut)));
        }
    }
    connect(findChild<QAction*>(QStringLiteral("set")), &QAction::triggered, this, &MainWindow::portSettings);
    connect(findChild<QAction*>(QStringLiteral("Searched")), &QAction::triggered, this, &MainWindow::newScan);
    connect(findChild<QAction*>(QStringLiteral("diagnose")), &QAction::triggered, this,
            &MainWindow::openDiagnosis);
    connect(findChild<QAction*>(QStringLiteral("station")), &QAction::triggered, this,
            &MainWindow::configure);
    const std::pair<const char*, void (MainWindow::*)()> commands[] = {
        {"open", &MainWindow::openList},           {"save", &MainWindow::saveList},
        {"print", &MainWindow::printReport},       {"Horizon", &MainWindow::tileHorizontally},
        {"Plumb", &MainWindow::tileVertically},    {"Cascade", &MainWindow::cascade},
        {"Item", &MainWindow::showInstrumentList}, {"topic", &MainWindow::showManual},
        {"ally", &MainWindow::showManual},         {"gain", &MainWindow::showSupport},
        {"about", &MainWindow::showAbout},
    };
    for (const auto& [name, command] : commands)
        connect(findChild<QAction*>(QString::fromLatin1(name)), &QAction::triggered, this, command);
    connect(findChild<QAction*>(QStringLiteral("terminal")), &QAction::triggered, this,
            &MainWindow::openTerminal);
    connect(findChild<QAction*>(QStringLiteral("current")), &QAction::triggered, this,
            &MainWindow::openLiveTrend);
    connect(findChild<QAction*>(QStringLiteral("history")), &QAction::triggered, this,
            &MainWindow::openHistory);
    // Exit ends the program (the other placeholder entries stay without action).
    connect(findChild<QAction*>(QStringLiteral("exit")), &QAction::triggered, this, &QWidget::close);
}

void MainWindow::buildToolbar() {
    auto* bar = addToolBar(QString());
    bar->setObjectName(QStringLiteral("Toolbar1"));
    bar->setMovable(false);
    // The image list: standard icons of the platform style.
    const QStyle::StandardPixmap icons[] = {
        QStyle::SP_FileDialogContentsView, QStyle::SP_ComputerIcon,       QStyle::SP_DriveNetIcon,
        QStyle::SP_FileDialogDetailedView, QStyle::SP_FileDialogListView, QStyle::SP_MediaPlay,
        QStyle::SP_FileDialogInfoView,     QStyle::SP_DialogHelpButton,
    };
    int i = 0;
    for (const texts::ToolButton& b : texts::kToolbar) {
        const QString tip = i18n::tr(b.tip);
        QAction* action = bar->addAction(style()->standardIcon(icons[i++]), tip);
        action->setObjectName(QString::fromLatin1(b.key));
        action->setToolTip(tip);
        if (b.separatorAfter) bar->addSeparator();
    }
    connect(bar, &QToolBar::actionTriggered, this,
            [this](QAction* action) { toolbarButtonClicked(action->objectName()); });
}

void MainWindow::buildStatusBar() {
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    auto* product = new QLabel(texts::kStatusProduct);
    product->setObjectName(QStringLiteral("Panel1"));
    m_timePanel = new QLabel;
    m_timePanel->setObjectName(QStringLiteral("Panel2"));
    m_datePanel = new QLabel;
    m_datePanel->setObjectName(QStringLiteral("Panel3"));
    statusBar()->addWidget(product, 1);
    statusBar()->addPermanentWidget(m_timePanel);
    statusBar()->addPermanentWidget(m_datePanel);
    m_clock = new QTimer(this);
    m_clock->setObjectName(QStringLiteral("clock"));
    m_clock->setSingleShot(true);
    // A coarse timer may wake seconds early on a one-minute wait; a precise one wakes on time.
    m_clock->setTimerType(Qt::PreciseTimer);
    connect(m_clock, &QTimer::timeout, this, &MainWindow::updateClock);
    updateClock();
}

int MainWindow::msecsToClockChange(const QTime& now, const QString& timeFormat) {
    const bool showsSeconds = timeFormat.contains(QLatin1Char('s'));
    const int period = showsSeconds ? 1000 : 60 * 1000;
    const int into = showsSeconds ? now.msec() : now.second() * 1000 + now.msec();
    return period - into;
}

void MainWindow::updateClock() {
    const QDateTime now = QDateTime::currentDateTime();
    m_timePanel->setText(now.toString(texts::kTimeFormat));
    m_datePanel->setText(now.toString(texts::kDateFormat));
    // The date changes at midnight, which is a minute boundary as well. Waking a little early only
    // shows the same text again and waits for the rest.
    m_clock->start(msecsToClockChange(now.time(), texts::kTimeFormat));
}

void MainWindow::toolbarButtonClicked(const QString& key) {
    if (key == QLatin1String("TSearch"))
        newScan();
    else if (key == QLatin1String("TSet"))
        portSettings();
    else if (key == QLatin1String("TData"))
        openDiagnosis();
    else if (key == QLatin1String("TConfig"))
        configure();
    else if (key == QLatin1String("THelp"))
        showManual();
    else if (key == QLatin1String("TTerminal"))
        openTerminal();
    else if (key == QLatin1String("TCurrent"))
        openLiveTrend();
    else if (key == QLatin1String("TTrend"))
        openHistory();
}

void MainWindow::takePortFromTerminal() {
    if (m_terminal) m_terminal->releasePort();
}

terminal::TerminalWindow* MainWindow::terminalWindow() const {
    return m_terminal;
}

void MainWindow::openTerminal() {
    if (!m_terminal) {
        m_terminal = new terminal::TerminalWindow(m_link, m_hub, m_messages);
        m_terminal->setAttribute(Qt::WA_DeleteOnClose);
        QMdiSubWindow* sub = m_area->addSubWindow(m_terminal);
        sub->resize(900, 560);
    }
    m_terminal->show();
    if (auto* sub = qobject_cast<QMdiSubWindow*>(m_terminal->parentWidget())) {
        sub->showNormal();
        m_area->setActiveSubWindow(sub);
        sub->raise();
    }
}

bool MainWindow::refuseWhileTrendPolls() {
    if (!m_liveTrend || !m_liveTrend->isPolling()) return false;
    m_messages.show(this, texts::kTrendHoldsPort, texts::kDefaultsInUseTitle);
    return true;
}

trends::LiveTrendSession* MainWindow::liveTrend() const {
    return m_liveTrend;
}

void MainWindow::openLiveTrend() {
    if (!checkDiagnosable(*m_list, m_messages, this)) return;
    const Instrument* chosen = m_list->currentInstrument();
    if (!chosen) return;
    takePortFromTerminal();
    if (m_liveTrend) {
        // Its poll and recording end with its window.
        QWidget* window = m_liveTrend->window();
        if (auto* frame = qobject_cast<QMdiSubWindow*>(window->parentWidget()))
            frame->close();
        else
            window->close();
    }
    trends::LiveTrendSession* session = trends::LiveTrendSession::create(m_link, m_messages);
    m_liveTrend = session;
    m_hub.attach(session->poll().engine());
    QMdiSubWindow* sub = m_area->addSubWindow(session->window());
    sub->resize(sub->sizeHint().expandedTo(m_area->size() * 3 / 4));
    if (!session->start(*chosen, m_diagnosisIntervals, m_appSettings.historyDatabasePath())) {
        sub->close();
        return;
    }
    sub->show();
    m_area->setActiveSubWindow(sub);
}

trends::HistoryWindow* MainWindow::historyWindow() const {
    return m_history;
}

void MainWindow::openHistory() {
    if (!m_history) {
        if (!m_files) m_files = std::make_unique<trends::DialogFileChooser>();
        m_history = new trends::HistoryWindow(m_appSettings.historyDatabasePath(), m_messages, *m_files);
        m_history->setAttribute(Qt::WA_DeleteOnClose);
        QMdiSubWindow* sub = m_area->addSubWindow(m_history);
        sub->resize(sub->sizeHint().expandedTo(m_area->size() * 3 / 4));
    }
    auto* sub = qobject_cast<QMdiSubWindow*>(m_history->parentWidget());
    if (sub) {
        sub->show();
        m_area->setActiveSubWindow(sub);
        sub->raise();
    }
}

void MainWindow::newScan() {
    if (refuseWhileTrendPolls()) return;
    takePortFromTerminal();
    m_list->reset();
    showSearchDialog();
}

void MainWindow::portSettings() {
    if (refuseWhileTrendPolls()) return;
    takePortFromTerminal();
    if (m_link.isOpen()) m_link.close();
    showPortSettingsDialog();
}

void MainWindow::openDiagnosis() {
    if (refuseWhileTrendPolls()) return;
    takePortFromTerminal();
    if (checkDiagnosable(*m_list, m_messages, this)) showDiagnosisWindow();
}

void MainWindow::configure() {
    if (showConfigDialog()) applyAppSettings();
}

void MainWindow::openList() {
    const QString path = chooseOpenPath();
    if (path.isEmpty()) return;
    const listfile::ReadResult read = listfile::load(path);
    if (!read.ok()) {
        m_messages.show(this, texts::kListNotOpened.arg(QFileInfo(path).fileName(), read.problem),
                        texts::kOpenListTitle);
        return;
    }
    listfile::fill(*m_list, read.instruments);
    showInstrumentList();
}

void MainWindow::saveList() {
    const std::vector<Instrument> instruments = listfile::instrumentsOf(*m_list);
    if (instruments.empty()) {
        m_messages.show(this, texts::kListEmpty, texts::kSaveListTitle);
        return;
    }
    QString path = chooseSavePath();
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += QLatin1Char('.') + texts::kListSuffix;
    const QString problem = listfile::save(path, instruments);
    if (!problem.isEmpty())
        m_messages.show(this, texts::kListNotSaved.arg(QFileInfo(path).fileName(), problem),
                        texts::kSaveListTitle);
}

report::ReportContent MainWindow::reportContent() const {
    report::ReportContent content;
    content.printedAt = QDateTime::currentDateTime();
    content.portNumber = m_link.portNumber();
    content.baudRate = m_link.baudRate();
    content.instruments = listfile::instrumentsOf(*m_list);
    content.readings = m_lastReadings.all();
    return content;
}

void MainWindow::printReport() {
    showPrintPreview(report::reportHtml(reportContent()));
}

void MainWindow::showPrintPreview(const QString& html) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    QPrintPreviewDialog preview(&printer, this);
    preview.setWindowTitle(texts::kPrintPreviewTitle);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [&html](QPrinter* target) { report::printHtml(html, *target); });
    preview.exec();
}

QString MainWindow::interfaceLanguage() {
    return QLocale().language() == QLocale::English ? QStringLiteral("en") : QStringLiteral("zh");
}

void MainWindow::showManual() {
    if (!m_help) {
        m_help = new help::HelpWindow(help::manualFolder(m_programDir, interfaceLanguage()), this);
        m_help->setWindowFlag(Qt::Window);
    }
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
}

QString MainWindow::supportText() const {
    help::SupportFacts facts = help::machineFacts();
    facts.portNumber = m_link.portNumber();
    facts.baudRate = m_link.baudRate();
    facts.portDevice = serial::resolvePort(m_link.portNumber(), QProcessEnvironment::systemEnvironment(),
                                           m_link.portMapping(), serial::presentPorts())
                           .device;
    facts.traffic = m_traffic.lines();
    return help::supportText(facts);
}

void MainWindow::showSupport() {
    showSupportDialog(supportText());
}

void MainWindow::showAbout() {
    showAboutBox(help::aboutHtml(QStringLiteral(COMMTEST_VERSION)));
}

void MainWindow::showSupportDialog(const QString& text) {
    help::SupportDialog dialog(text, this);
    dialog.exec();
}

void MainWindow::showAboutBox(const QString& html) {
    QMessageBox::about(this, help::texts::kAboutTitle, html);
}

QString MainWindow::chooseOpenPath() {
    return QFileDialog::getOpenFileName(this, texts::kOpenListTitle, QString(), texts::kListFilter);
}

QString MainWindow::chooseSavePath() {
    return QFileDialog::getSaveFileName(this, texts::kSaveListTitle, QString(), texts::kListFilter);
}

void MainWindow::tileHorizontally() {
    tile(*m_area, Tiling::HorizontalBands);
}

void MainWindow::tileVertically() {
    tile(*m_area, Tiling::VerticalBands);
}

void MainWindow::cascade() {
    m_area->cascadeSubWindows();
}

void MainWindow::setPollIntervals(engine::Intervals scan, engine::Intervals diagnosis) {
    m_scanIntervals = scan;
    m_diagnosisIntervals = diagnosis;
    if (m_dynamic) m_dynamic->setIntervals(diagnosis);
}

void MainWindow::showInstrumentList() {
    if (!m_index) {
        m_index = new IndexWindow(*m_list);
        // A frame of our own: the one the area would make deletes itself, and the list, on close.
        m_indexFrame = new QMdiSubWindow;
        m_indexFrame->setWidget(m_index);
        m_area->addSubWindow(m_indexFrame);
        connect(m_index, &IndexWindow::openDiagnosisRequested, this, &MainWindow::openDiagnosis);
    }
    // Closing the frame closed (hid) the list inside it too.
    m_index->show();
    if (m_indexFrame->isMinimized())
        m_indexFrame->showNormal();
    else
        m_indexFrame->show();
    m_area->setActiveSubWindow(m_indexFrame);
}

void MainWindow::showSearchDialog() {
    SearchDialog dialog(m_link, *m_list, m_messages, m_area);
    dialog.setAppSettings(&m_appSettings);
    dialog.setScanIntervals(m_scanIntervals);
    dialog.setTrafficHub(&m_hub);
    dialog.exec();
}

void MainWindow::showPortSettingsDialog() {
    serial::PortSettingsDialog dialog(m_link, settingsPath(), m_messages, m_area);
    dialog.exec();
}

void MainWindow::showDiagnosisWindow() {
    // The gate has passed: the current row holds an instrument.
    const Instrument* chosen = m_list->currentInstrument();
    if (!chosen) return;
    if (!m_dynamic) {
        m_dynamic = new DynamicWindow(m_link, m_messages, m_programDir, m_area, m_diagnosisIntervals);
        connect(m_dynamic, &DynamicWindow::readingsRead, this,
                [this](const Instrument& instrument, const protocol::Readings& readings) {
                    m_lastReadings.record(instrument, readings, QDateTime::currentDateTime());
                });
        m_dynamic->engine().addListener(&m_traffic);
        m_hub.attach(m_dynamic->engine());
    }
    m_dynamic->setHistoryFile(m_appSettings.historyDatabasePath());
    m_dynamic->showModal(*chosen);
}

bool MainWindow::showConfigDialog() {
    config::ConfigDialog dialog(m_appSettings, m_messages, serial::presentPorts(), this);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace app
