#include "diagnosis/dynamic_window.h"

#include "diagnosis/dynamic_texts.h"
#include "diagnosis/panel/panel_widget.h"
#include "diagnosis/panel_texts.h"
#include "link/message_sink.h"
#include "link/serial_link.h"
#include "link/window_placement.h"
#include "search/instrument_list.h"
#include "search/port_messages.h"
#include "views/view_table.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// Top-left corner relative to the centre of the main window's client area.
constexpr int kLeftOfCentreTwips = 3700;
constexpr int kAboveCentreTwips = 2000;
} // namespace

DynamicWindow::DynamicWindow(serial::SerialLink& link, protocol::LineTexts& line, const InstrumentList& list,
                             serial::MessageSink& messages, const QString& programDir, QWidget* mainArea)
    : QDialog(mainArea), m_link(link), m_list(list), m_messages(messages), m_mainArea(mainArea),
      m_poll(link, line, list, &views::viewForCode) {
    setObjectName(QStringLiteral("Dynamic"));
    setWindowTitle(dynamictext::kTitle);
    setModal(true);

    m_panelWidget = new panel::PanelWidget(programDir, this);
    m_panelWidget->setCaptionTranslator(i18n::CaptionTranslator(panelTexts()));
    m_command1 = new QPushButton(dynamictext::kExit, this);
    m_command1->setObjectName(QStringLiteral("Command1"));
    m_command1->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_command1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_panelWidget, 1);
    layout->addLayout(buttons);

    m_timer2.setInterval(kSendIntervalMs);
    // A coarse timer may fire up to 5 % early; the request slots are the instruments' answer time.
    m_timer2.setTimerType(Qt::PreciseTimer);
    m_timer1.setInterval(kReceiveIntervalMs);
    m_timer1.setTimerType(Qt::PreciseTimer);
    connect(&m_timer2, &QTimer::timeout, this, &DynamicWindow::sendTick);
    connect(&m_timer1, &QTimer::timeout, this, &DynamicWindow::receiveTick);
    connect(m_command1, &QPushButton::clicked, this, &DynamicWindow::exitWindow);
    connect(&m_link, &serial::SerialLink::lost, this, &DynamicWindow::onLost);
}

bool DynamicWindow::showModal() {
    if (!load()) return false;
    exec();
    // Unload step.
    m_poll.unload();
    renderPanel();
    return true;
}

bool DynamicWindow::load() {
    placeFromCentre(*this, m_mainArea, kLeftOfCentreTwips, kAboveCentreTwips);
    const serial::PortError opened = m_link.open();
    if (opened != serial::NoError) {
        // The same words as the search dialog's, for the same failure.
        m_messages.show(m_mainArea, portmsg::textFor(opened), portmsg::kTitle);
        return false;
    }
    m_poll.begin();
    panel::PanelModel& panel = m_poll.panel();
    const QString model = m_list.typeCell(m_list.currentRow());
    panel.label3[0].caption = dynamictext::kPortLabel + QString::number(m_link.portNumber());
    panel.label3[1].caption = dynamictext::kRateLabel + QString::number(m_link.baudRate());
    panel.label3[2].caption = dynamictext::kTypeLabel + model;
    m_polling = true;
    m_timer1.start();
    m_timer2.start();
    // A name the catalogue lacks keeps the design layout.
    views::layoutForModel(model, panel);
    renderPanel();
    return true;
}

void DynamicWindow::sendTick() {
    m_poll.sendTick();
    renderPanel();
}

void DynamicWindow::receiveTick() {
    m_poll.receiveTick();
    renderPanel();
}

void DynamicWindow::renderPanel() { m_panelWidget->render(m_poll.panel()); }

void DynamicWindow::exitWindow() {
    m_timer1.stop();
    m_timer2.stop();
    if (m_polling) {
        m_polling = false;
        m_link.close();
    }
    done(QDialog::Accepted);
}

void DynamicWindow::reject() { exitWindow(); }

void DynamicWindow::closeEvent(QCloseEvent* event) {
    exitWindow();
    event->accept();
}

void DynamicWindow::onLost(const QString& reason) {
    if (!m_polling) return;
    m_timer1.stop();
    m_timer2.stop();
    m_messages.show(this, portmsg::lostText(reason), portmsg::kTitle);
    exitWindow();
}
