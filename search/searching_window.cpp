#include "search/searching_window.h"

#include "engine/line_timing.h"
#include "link/message_sink.h"
#include "link/serial_link.h"
#include "link/window_placement.h"
#include "search/fast_scan.h"
#include "search/port_messages.h"
#include "search/scan.h"
#include "search/scan_progress.h"
#include "search/searching_texts.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <algorithm>

namespace {
// Top-left corner relative to the centre of the main window's client area.
constexpr int kLeftOfCentreTwips = 2000;
constexpr int kAboveCentreTwips = 1000;
} // namespace

SearchingWindow::SearchingWindow(Scan& scan, serial::SerialLink& link, serial::MessageSink& messages,
                                 QWidget* mainArea, engine::Intervals intervals)
    : QDialog(mainArea), m_scan(scan), m_link(link), m_messages(messages), m_mainArea(mainArea),
      m_intervals(intervals), m_engine(link) {
    setObjectName(QStringLiteral("Searching"));
    setWindowTitle(QString());
    setModal(true);

    using namespace searchingtext;
    m_label2[0] = new QLabel(kPortCaption, this);
    m_label3[0] = new QLabel(this);
    m_label2[1] = new QLabel(kRateCaption, this);
    m_label3[1] = new QLabel(this);
    m_label1 = new QLabel(kAddressCaption, this);
    m_label4 = new QLabel(this);
    m_command1 = new QPushButton(kStop, this);
    m_command1->setObjectName(QStringLiteral("Command1"));
    m_progressBar = new QProgressBar(this);
    m_progressBar->setObjectName(QStringLiteral("ProgressBar"));
    m_progressBar->setRange(0, std::max(1, m_scan.rangeSize()));
    m_progressBar->setValue(0);
    m_found = new QLabel(this);
    m_elapsed = new QLabel(this);
    m_left = new QLabel(this);

    auto* grid = new QGridLayout(this);
    grid->addWidget(m_label2[0], 0, 0);
    grid->addWidget(m_label3[0], 0, 1);
    grid->addWidget(m_label2[1], 0, 2);
    grid->addWidget(m_label3[1], 0, 3);
    grid->addWidget(m_label1, 1, 0, 1, 2);
    grid->addWidget(m_label4, 1, 2, 1, 2);
    grid->addWidget(m_progressBar, 2, 0, 1, 4);
    grid->addWidget(new QLabel(kFoundCaption, this), 3, 0);
    grid->addWidget(m_found, 3, 1);
    grid->addWidget(new QLabel(kElapsedCaption, this), 4, 0);
    grid->addWidget(m_elapsed, 4, 1);
    grid->addWidget(new QLabel(kLeftCaption, this), 4, 2);
    grid->addWidget(m_left, 4, 3);
    grid->addWidget(m_command1, 5, 1, 1, 2);

    connect(&m_scan, &Scan::asking, this, &SearchingWindow::onAsking);
    m_clockTimer.setInterval(1000);
    connect(&m_clockTimer, &QTimer::timeout, this, &SearchingWindow::updateProgress);
    connect(&m_engine, &engine::PollEngine::finished, this, &SearchingWindow::finish);
    connect(&m_engine, &engine::PollEngine::lost, this, &SearchingWindow::onLost);
    connect(m_command1, &QPushButton::clicked, this, &SearchingWindow::finish);

    // Load step: the labels now, polling once the window is shown.
    m_label3[0]->setText(kPortPrefix + QString::number(m_link.portNumber()));
    m_label3[1]->setNum(m_link.baudRate());
    m_label4->setNum(m_scan.scanAddress());
    updateProgress();
}

SearchingWindow::~SearchingWindow() = default;

void SearchingWindow::setFastScan(int configuredTimeoutMs) {
    m_configuredTimeoutMs = configuredTimeoutMs;
    m_fast = std::make_unique<FastScan>(m_scan, m_engine, configuredTimeoutMs);
    connect(m_fast.get(), &FastScan::asking, this, &SearchingWindow::onAsking);
}

void SearchingWindow::onAsking(int address) {
    m_label4->setNum(address);
    if (!m_fast) ++m_standardAsked;
    updateProgress();
}

void SearchingWindow::updateProgress() {
    scanprogress::Progress p;
    p.total = m_scan.rangeSize();
    p.found = m_scan.foundCount();
    p.elapsedMs = m_startMs < 0 ? 0 : m_engine.clock().nowMs() - m_startMs;
    if (m_fast) {
        // The slot of the address being asked is not over yet.
        p.done = m_fast->inSecondLook() ? p.total : std::max(0, m_fast->askedCount() - 1);
        const int pending = m_fast->secondLookLeft();
        const int perLook = m_configuredTimeoutMs + engine::charactersMs(m_link.baudRate(), 8);
        p.extraLeftMs = qint64(pending) * perLook;
    } else {
        p.done = std::max(0, m_standardAsked - 1);
    }
    m_progressBar->setValue(std::min(p.done, m_progressBar->maximum()));
    m_found->setNum(p.found);
    m_elapsed->setText(scanprogress::clockText(p.elapsedMs));
    m_left->setText(scanprogress::clockText(m_startMs < 0 ? -1 : scanprogress::estimateLeftMs(p)));
}

void SearchingWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (m_loaded) return;
    m_loaded = true;
    placeFromCentre(*this, m_mainArea, kLeftOfCentreTwips, kAboveCentreTwips);
    m_startMs = m_engine.clock().nowMs();
    m_clockTimer.start();
    m_scan.setClock(&m_engine.clock(), m_link.baudRate());
    if (m_fast)
        m_fast->start();
    else
        m_engine.start(m_scan, m_intervals);
    updateProgress();
}

void SearchingWindow::finish() {
    if (m_finished) return;
    m_finished = true;
    m_clockTimer.stop();
    m_engine.stop();
    done(QDialog::Accepted);
}

void SearchingWindow::reject() {
    finish();
}

void SearchingWindow::closeEvent(QCloseEvent* event) {
    finish();
    event->accept();
}

void SearchingWindow::onLost(const QString& reason) {
    // The engine has stopped and the port is closed; say so once and leave.
    m_messages.show(this, portmsg::lostText(reason), portmsg::kTitle);
    finish();
}
