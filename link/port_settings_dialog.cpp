#include "link/port_settings_dialog.h"

#include "link/message_sink.h"
#include "link/port_settings_texts.h"
#include "link/serial_link.h"
#include "link/settings_file.h"
#include "link/window_placement.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace serial {

namespace texts = port_settings_texts;

namespace {

QGroupBox* fixedValueFrame(const QString& objectName, const QString& caption, const QString& boxName,
                           int value, const QString& special = QString()) {
    auto* frame = new QGroupBox(caption);
    frame->setObjectName(objectName);
    // The line format is fixed at 8 data bits, 1 stop bit, no parity: the boxes show it and their
    // spinners cannot move it.
    auto* box = new QSpinBox;
    box->setObjectName(boxName);
    box->setRange(value, value);
    box->setValue(value);
    if (!special.isEmpty()) box->setSpecialValueText(special);
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(box);
    return frame;
}

// A mapped adapter that is not there, by what identifies it.
QString wantedText(const PortChoice& wanted) {
    return describePort({wanted.portName, {}, {}, wanted.serialNumber, {}});
}

QLabel* noteLabel(const QString& objectName) {
    auto* label = new QLabel;
    label->setObjectName(objectName);
    label->setWordWrap(true);
    return label;
}

} // namespace

PortSettingsDialog::PortSettingsDialog(SerialLink& link, const QString& settingsPath, MessageSink& messages,
                                       QWidget* mainArea)
    : QDialog(mainArea ? mainArea->window() : nullptr), m_link(link), m_settingsPath(settingsPath),
      m_messages(messages) {
    setObjectName(QStringLiteral("FormCommSet"));
    setWindowTitle(texts::kTitle);

    auto* portFrame = new QGroupBox(texts::kPortFrame);
    portFrame->setObjectName(QStringLiteral("Frame1"));
    auto* portLayout = new QVBoxLayout(portFrame);
    for (int i = 0; i < 4; ++i) {
        m_portOptions[i] = new QRadioButton(QStringLiteral("COM%1").arg(i + 1));
        m_portOptions[i]->setObjectName(QStringLiteral("Option%1").arg(i + 1));
        portLayout->addWidget(m_portOptions[i]);
        connect(m_portOptions[i], &QRadioButton::toggled, this, &PortSettingsDialog::showDevice);
    }
    m_deviceLabel = noteLabel(QStringLiteral("deviceLabel"));
    portLayout->addWidget(m_deviceLabel);
    auto* rateFrame = new QGroupBox(texts::kRateFrame);
    rateFrame->setObjectName(QStringLiteral("frame2"));
    auto* rateLayout = new QGridLayout(rateFrame);
    const QList<int>& rates = supportedRates();
    for (int i = 0; i < 6; ++i) {
        m_rateOptions[i] = new QRadioButton(QStringLiteral("%1bps").arg(rates[i]));
        m_rateOptions[i]->setObjectName(QStringLiteral("Option%1").arg(i + 5));
        rateLayout->addWidget(m_rateOptions[i], i % 3, i / 3);
    }
    m_keptRateLabel = noteLabel(QStringLiteral("keptRateLabel"));
    m_keptRateLabel->hide();
    rateLayout->addWidget(m_keptRateLabel, 3, 0, 1, 2);
    m_portOptions[0]->setChecked(true);
    m_rateOptions[2]->setChecked(true);

    auto* formatRow = new QHBoxLayout;
    formatRow->addWidget(
        fixedValueFrame(QStringLiteral("Frame5"), texts::kDataBitsFrame, QStringLiteral("Text3"), 8));
    formatRow->addWidget(
        fixedValueFrame(QStringLiteral("Frame6"), texts::kStopBitsFrame, QStringLiteral("Text4"), 1));
    formatRow->addWidget(fixedValueFrame(QStringLiteral("Frame7"), texts::kParityFrame,
                                         QStringLiteral("Text5"), 0, texts::kNoParity));

    auto* ok = new QPushButton(texts::kOk);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(texts::kCancel);
    cancel->setObjectName(QStringLiteral("Command2"));
    connect(ok, &QPushButton::clicked, this, &PortSettingsDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &PortSettingsDialog::reject);

    auto* top = new QHBoxLayout;
    top->addWidget(portFrame);
    top->addWidget(rateFrame, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(formatRow);
    layout->addLayout(buttons);

    presetFromLink();
    setSystem(QProcessEnvironment::systemEnvironment(), presentPorts());

    placeFromCentre(*this, mainArea, 2300, 2230);
}

void PortSettingsDialog::presetFromLink() {
    const int port = m_link.portNumber();
    if (port >= 1 && port <= 4) m_portOptions[port - 1]->setChecked(true);
    // The file keeps a blank before rates below 19200 (" 9600,n,8,1"); compare without it, or a
    // saved 9600 would come back as the design choice 2400 and the next OK would save that.
    const QString text = m_link.settings().trimmed();
    const QList<int>& rates = supportedRates();
    for (int i = 0; i < rates.size(); ++i) {
        if (text == QStringLiteral("%1,n,8,1").arg(rates[i])) {
            m_rateOptions[i]->setChecked(true);
            return;
        }
    }
    // A rate none of the options offers, kept from the settings file: no option is chosen, so
    // that OK without a choice keeps it rather than saving 2400.
    const int rate = m_link.baudRate();
    if (!acceptedRates().contains(rate) || text != QStringLiteral("%1,n,8,1").arg(rate)) return;
    QRadioButton* design = m_rateOptions[2];
    design->setAutoExclusive(false);
    design->setChecked(false);
    design->setAutoExclusive(true);
    m_keptRateLabel->setText(texts::kRateKept.arg(rate));
    m_keptRateLabel->show();
}

void PortSettingsDialog::setSystem(const QProcessEnvironment& environment, const QList<PortInfo>& present) {
    m_environment = environment;
    m_present = present;
    showDevice();
}

int PortSettingsDialog::checkedPort() const {
    for (int i = 0; i < 4; ++i)
        if (m_portOptions[i]->isChecked()) return i + 1;
    return 1;
}

void PortSettingsDialog::showDevice() {
    if (!m_deviceLabel) return;
    const int port = checkedPort();
    const PortResolution r = resolvePort(port, m_environment, m_link.portMapping(), m_present);
    const QString device = r.info.portName.isEmpty() ? r.device : describePort(r.info);
    QString text;
    switch (r.source) {
    case PortResolution::Source::Environment:
        text = texts::kDeviceFromEnvironment.arg(device).arg(port);
        break;
    case PortResolution::Source::Mapped: text = texts::kDeviceIs.arg(device); break;
    case PortResolution::Source::Automatic: text = texts::kDeviceAutomatic.arg(device); break;
    case PortResolution::Source::None:
        text = r.wanted.isAutomatic() ? texts::kNoDevice : texts::kMappedAbsent.arg(wantedText(r.wanted));
        break;
    }
    m_deviceLabel->setText(text);
}

void PortSettingsDialog::accept() {
    for (int i = 0; i < 4; ++i)
        if (m_portOptions[i]->isChecked()) m_link.setPortNumber(static_cast<qint16>(i + 1));
    // With no rate option chosen the link keeps the rate it has.
    const QList<int>& rates = supportedRates();
    for (int i = 0; i < 6; ++i)
        if (m_rateOptions[i]->isChecked()) m_link.setSettings(QStringLiteral("%1,n,8,1").arg(rates[i]));

    QString error;
    if (!writeSettingsFile(m_settingsPath, LinkSettings{m_link.portNumber(), m_link.settings()}, &error))
        m_messages.show(this, texts::kSaveFailed.arg(m_settingsPath, error), texts::kSaveFailedTitle);

    if (m_link.isOpen()) {
        m_messages.show(this, texts::kStillOpen, texts::kStillOpenTitle);
        return;
    }
    QDialog::accept();
}

} // namespace serial
