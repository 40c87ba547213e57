#include "diagnosis/dynamic_window.h"

#include "diagnosis/dynamic_texts.h"
#include "diagnosis/panel/panel_widget.h"
#include "diagnosis/panel_texts.h"
#include "link/message_sink.h"
#include "link/serial_link.h"
#include "link/window_placement.h"
#include "search/port_messages.h"
#include "trends/live_trend_window.h"
#include "trends/recording_switch.h"
#include "views/instrument_types.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// Top-left corner relative to the centre of the main window's client area.
constexpr int kLeftOfCentreTwips = 3700;
constexpr int kAboveCentreTwips = 2000;
} // namespace

DynamicWindow::DynamicWindow(serial::SerialLink& link, serial::MessageSink& messages,
                             const QString& programDir, QWidget* mainArea, engine::Intervals intervals)
    : QDialog(mainArea), m_link(link), m_messages(messages), m_mainArea(mainArea), m_intervals(intervals),
      m_poll(&views::viewForCode), m_engine(link) {
    setObjectName(QStringLiteral("Dynamic"));
    setWindowTitle(dynamictext::kTitle);
    setModal(true);

    m_panelWidget = new panel::PanelWidget(programDir, this);
    m_panelWidget->setCaptionTranslator(i18n::CaptionTranslator(panelTexts()));
    m_command1 = new QPushButton(dynamictext::kExit, this);
    m_command1->setObjectName(QStringLiteral("Command1"));
    m_command1->setAutoDefault(false);
    m_trendButton = new QPushButton(dynamictext::kTrend, this);
    m_trendButton->setObjectName(QStringLiteral("Trend"));
    m_trendButton->setAutoDefault(false);
    m_recordBox = new QCheckBox(dynamictext::kRecord, this);
    m_recordBox->setObjectName(QStringLiteral("Record"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_recordBox);
    buttons->addWidget(m_trendButton);
    buttons->addStretch();
    buttons->addWidget(m_command1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_panelWidget, 1);
    layout->addLayout(buttons);

    m_recording = new trends::RecordingSwitch(messages, this, this);
    m_recording->addBox(m_recordBox);
    m_sampler.setSink([this](const protocol::Sample& sample) { sampled(sample); });

    connect(m_command1, &QPushButton::clicked, this, &DynamicWindow::exitWindow);
    connect(m_trendButton, &QPushButton::clicked, this, &DynamicWindow::showTrend);
    connect(&m_engine, &engine::PollEngine::lost, this, &DynamicWindow::onLost);
}

bool DynamicWindow::showModal(const Instrument& instrument) {
    if (!load(instrument)) return false;
    exec();
    // Unload step.
    m_poll.unload();
    renderPanel();
    return true;
}

bool DynamicWindow::load(const Instrument& instrument) {
    placeFromCentre(*this, m_mainArea, kLeftOfCentreTwips, kAboveCentreTwips);
    const serial::PortError opened = m_engine.open();
    if (opened != serial::NoError) {
        // The same words as the search dialog's, for the same failure.
        m_messages.show(m_mainArea, portmsg::textFor(opened), portmsg::kTitle);
        return false;
    }
    m_poll.begin(instrument);
    panel::PanelModel& panel = m_poll.panel();
    const QString model = instrument.modelName();
    panel.label3[0].caption = dynamictext::kPortLabel + QString::number(m_link.portNumber());
    panel.label3[1].caption = dynamictext::kRateLabel + QString::number(m_link.baudRate());
    panel.label3[2].caption = dynamictext::kTypeLabel + model;
    history::RecordingInfo info;
    info.port = QStringLiteral("COM%1").arg(m_link.portNumber());
    info.baudRate = m_link.baudRate();
    info.address = instrument.address;
    info.typeCode = instrument.typeCode;
    info.model = model;
    info.intervalMs = m_intervals.sendMs;
    m_recording->setTarget(m_historyFile, info);
    m_sampler.reset();
    m_polling = true;
    // Nothing left over from the scan is shown as this instrument's data: the engine starts with
    // an empty buffer.
    m_engine.start(*this, m_intervals);
    // A name the catalogue lacks keeps the design layout.
    views::layoutForModel(model, panel);
    renderPanel();
    return true;
}

bool DynamicWindow::nextRequest(engine::Request& request) {
    const bool more = m_poll.nextRequest(request);
    m_sampler.requestSent(m_engine.reader(), request.address);
    return more;
}

void DynamicWindow::replyTick(const engine::ReplyReader& reader) {
    m_poll.replyTick(reader);
    m_sampler.replyTick(reader, m_poll.lastReadings());
    renderPanel();
    if (reader.accepted()) emit readingsRead(m_poll.instrument(), m_poll.lastReadings());
}

void DynamicWindow::renderPanel() {
    m_panelWidget->render(m_poll.panel());
}

void DynamicWindow::sampled(const protocol::Sample& sample) {
    m_recording->record(sample);
    if (m_trend) m_trend->addSample(sample);
}

void DynamicWindow::showTrend() {
    if (!m_trend) {
        // A window of its own, but the dialog's child: the modal dialog leaves it usable.
        m_trend = new trends::LiveTrendWindow(this);
        m_trend->setWindowFlag(Qt::Window);
        m_trend->setAttribute(Qt::WA_DeleteOnClose);
        const Instrument& instrument = m_poll.instrument();
        m_trend->setInstrument(instrument.address, instrument.modelName());
        m_trend->setPollIntervalMs(m_intervals.sendMs);
        m_recording->addBox(m_trend->recordBox());
    }
    m_trend->show();
    m_trend->raise();
    m_trend->activateWindow();
}

void DynamicWindow::exitWindow() {
    if (m_polling) {
        m_polling = false;
        m_engine.stop();
    }
    m_sampler.reset();
    m_recording->pollStopped();
    if (m_trend) m_trend->close();
    done(QDialog::Accepted);
}

void DynamicWindow::reject() {
    exitWindow();
}

void DynamicWindow::closeEvent(QCloseEvent* event) {
    exitWindow();
    event->accept();
}

void DynamicWindow::onLost(const QString& reason) {
    // The engine has stopped and the port is closed; say so once and leave.
    m_polling = false;
    m_recording->pollStopped();
    m_messages.show(this, portmsg::lostText(reason), portmsg::kTitle);
    exitWindow();
}
