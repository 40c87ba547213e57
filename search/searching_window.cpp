#include "search/searching_window.h"

#include "link/message_sink.h"
#include "link/serial_link.h"
#include "link/window_placement.h"
#include "search/port_messages.h"
#include "search/scan.h"
#include "search/searching_texts.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

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

    auto* grid = new QGridLayout(this);
    grid->addWidget(m_label2[0], 0, 0);
    grid->addWidget(m_label3[0], 0, 1);
    grid->addWidget(m_label2[1], 0, 2);
    grid->addWidget(m_label3[1], 0, 3);
    grid->addWidget(m_label1, 1, 0, 1, 2);
    grid->addWidget(m_label4, 1, 2, 1, 2);
    grid->addWidget(m_command1, 2, 1, 1, 2);

    connect(&m_scan, &Scan::asking, m_label4, qOverload<int>(&QLabel::setNum));
    connect(&m_engine, &engine::PollEngine::finished, this, &SearchingWindow::finish);
    connect(&m_engine, &engine::PollEngine::lost, this, &SearchingWindow::onLost);
    connect(m_command1, &QPushButton::clicked, this, &SearchingWindow::finish);

    // Load step: the labels now, polling once the window is shown.
    m_label3[0]->setText(kPortPrefix + QString::number(m_link.portNumber()));
    m_label3[1]->setNum(m_link.baudRate());
    m_label4->setNum(m_scan.scanAddress());
}

void SearchingWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (m_loaded) return;
    m_loaded = true;
    placeFromCentre(*this, m_mainArea, kLeftOfCentreTwips, kAboveCentreTwips);
    m_scan.setClock(&m_engine.clock(), m_link.baudRate());
    m_engine.start(m_scan, m_intervals);
}

void SearchingWindow::finish() {
    if (m_finished) return;
    m_finished = true;
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
