#include "app/main_window.h"

#include "app/main_window_texts.h"
#include "config/config_dialog.h"
#include "diagnosis/dynamic_window.h"
#include "link/message_sink.h"
#include "link/port_names.h"
#include "link/port_settings_dialog.h"
#include "link/serial_link.h"
#include "link/settings_file.h"
#include "search/diagnosis_gate.h"
#include "search/index_window.h"
#include "search/instrument_list.h"
#include "search/search_dialog.h"
#include "terminal/ui/terminal_window.h"

#include <QDateTime>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>

namespace app {

MainWindow::MainWindow(serial::SerialLink& link, serial::MessageSink& messages, const QString& programDir,
                       QWidget* parent)
    : QMainWindow(parent), m_link(link), m_messages(messages), m_programDir(programDir),
      m_appSettings(programDir), m_list(std::make_unique<InstrumentList>()) {
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
    // The terminal leaves the hub before the hub goes.
    delete m_terminal;
}

QString MainWindow::settingsPath() const {
    return serial::settingsFilePath(m_programDir);
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
    if (!m_index) {
        m_index = new IndexWindow(*m_list);
        QMdiSubWindow* sub = m_area->addSubWindow(m_index);
        connect(m_index, &IndexWindow::openDiagnosisRequested, this, &MainWindow::openDiagnosis);
        sub->show();
    }
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
        const QString caption = QString::fromUtf8(e.caption);
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
    connect(findChild<QAction*>(QStringLiteral("terminal")), &QAction::triggered, this,
            &MainWindow::openTerminal);
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
        QAction* action = bar->addAction(style()->standardIcon(icons[i++]), QString::fromUtf8(b.tip));
        action->setObjectName(QString::fromLatin1(b.key));
        action->setToolTip(QString::fromUtf8(b.tip));
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
    m_clock->setInterval(1000);
    connect(m_clock, &QTimer::timeout, this, &MainWindow::updateClock);
    m_clock->start();
    updateClock();
}

void MainWindow::updateClock() {
    const QDateTime now = QDateTime::currentDateTime();
    m_timePanel->setText(now.toString(texts::kTimeFormat));
    m_datePanel->setText(now.toString(texts::kDateFormat));
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
    else if (key == QLatin1String("TTerminal"))
        openTerminal();
}

void MainWindow::takePortFromTerminal() {
    if (m_terminal) m_terminal->releasePort();
}

terminal::TerminalWindow* MainWindow::terminalWindow() const { return m_terminal; }

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

void MainWindow::newScan() {
    takePortFromTerminal();
    m_list->reset();
    showSearchDialog();
}

void MainWindow::portSettings() {
    takePortFromTerminal();
    if (m_link.isOpen()) m_link.close();
    showPortSettingsDialog();
}

void MainWindow::openDiagnosis() {
    takePortFromTerminal();
    if (checkDiagnosable(*m_list, m_messages, this)) showDiagnosisWindow();
}

void MainWindow::configure() {
    if (showConfigDialog()) applyAppSettings();
}

void MainWindow::setPollIntervals(engine::Intervals scan, engine::Intervals diagnosis) {
    m_scanIntervals = scan;
    m_diagnosisIntervals = diagnosis;
    if (m_dynamic) m_dynamic->setIntervals(diagnosis);
}

void MainWindow::showSearchDialog() {
    SearchDialog dialog(m_link, *m_list, m_messages, m_area);
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
        m_hub.attach(m_dynamic->engine());
    }
    m_dynamic->showModal(*chosen);
}

bool MainWindow::showConfigDialog() {
    config::ConfigDialog dialog(m_appSettings, m_messages, serial::presentPorts(), this);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace app
