#include "config/config_dialog.h"

#include "config/app_settings.h"
#include "config/config_dialog_texts.h"
#include "i18n/language.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace config {

namespace texts = dialog_texts;

namespace {

QSpinBox* millisecondsBox(const QString& objectName, int low, int high, int value) {
    auto* box = new QSpinBox;
    box->setObjectName(objectName);
    box->setRange(low, high);
    box->setSuffix(texts::kMilliseconds);
    box->setValue(value);
    return box;
}

QVariant choiceData(const serial::PortChoice& choice) {
    return QStringList{choice.serialNumber, choice.portName};
}

serial::PortChoice choiceOf(const QVariant& data) {
    const QStringList parts = data.toStringList();
    return parts.size() == 2 ? serial::PortChoice{parts[0], parts[1]} : serial::PortChoice{};
}

// The devices in port order, so that the list reads as the automatic rule counts.
QList<serial::PortInfo> inPortOrder(const QList<serial::PortInfo>& present) {
    QStringList names;
    for (const serial::PortInfo& p : present)
        names << p.portName;
    QList<serial::PortInfo> out;
    for (const QString& name : serial::orderedDeviceNames(names))
        for (const serial::PortInfo& p : present)
            if (p.portName == name && !out.contains(p)) out << p;
    return out;
}

} // namespace

ConfigDialog::ConfigDialog(AppSettings& settings, serial::MessageSink& messages,
                           const QList<serial::PortInfo>& present, QWidget* parent)
    : QDialog(parent), m_settings(settings), m_messages(messages) {
    setObjectName(QStringLiteral("ConfigDialog"));
    setWindowTitle(texts::kTitle);
    const AppValues& values = m_settings.values();

    auto* scanFrame = new QGroupBox(texts::kScanFrame);
    auto* scanLayout = new QFormLayout(scanFrame);
    m_replyTimeout = millisecondsBox(QStringLiteral("replyTimeout"), kReplyTimeoutMinMs, kReplyTimeoutMaxMs,
                                     values.replyTimeoutMs);
    m_replyTimeout->setToolTip(texts::kReplyTimeoutTip);
    scanLayout->addRow(texts::kReplyTimeout, m_replyTimeout);

    auto* diagnosisFrame = new QGroupBox(texts::kDiagnosisFrame);
    auto* diagnosisLayout = new QFormLayout(diagnosisFrame);
    m_pollInterval = millisecondsBox(QStringLiteral("pollInterval"), kPollIntervalMinMs, kPollIntervalMaxMs,
                                     values.pollIntervalMs);
    m_pollInterval->setSingleStep(100);
    diagnosisLayout->addRow(texts::kPollInterval, m_pollInterval);

    auto* portFrame = new QGroupBox(texts::kPortFrame);
    auto* portLayout = new QFormLayout(portFrame);
    const QList<serial::PortInfo> ordered = inPortOrder(present);
    for (int i = 0; i < serial::kMappedPorts; ++i) {
        m_ports[i] = new QComboBox;
        m_ports[i]->setObjectName(QStringLiteral("port%1").arg(i + 1));
        fillPortBox(m_ports[i], values.portMapping[i], ordered);
        portLayout->addRow(texts::kPortLabel.arg(i + 1), m_ports[i]);
    }

    auto* interfaceFrame = new QGroupBox(texts::kInterfaceFrame);
    auto* interfaceLayout = new QFormLayout(interfaceFrame);
    m_language = new QComboBox;
    m_language->setObjectName(QStringLiteral("language"));
    m_language->addItem(texts::kFollowSystem, QString());
    m_language->addItem(texts::kChinese, i18n::languageCode(i18n::Language::Chinese));
    m_language->addItem(texts::kEnglish, i18n::languageCode(i18n::Language::English));
    const std::optional<i18n::Language> configured = i18n::configuredLanguage(values.language);
    m_language->setCurrentIndex(!configured ? 0 : *configured == i18n::Language::Chinese ? 1 : 2);
    interfaceLayout->addRow(texts::kLanguage, m_language);
    auto* later = new QLabel(texts::kLanguageLater);
    later->setObjectName(QStringLiteral("languageLater"));
    later->setWordWrap(true);
    interfaceLayout->addRow(later);

    auto* buttons = new QDialogButtonBox;
    buttons->addButton(texts::kOk, QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(texts::kCancel, QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &ConfigDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ConfigDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scanFrame);
    layout->addWidget(diagnosisFrame);
    layout->addWidget(portFrame);
    layout->addWidget(interfaceFrame);
    layout->addWidget(buttons);
}

void ConfigDialog::fillPortBox(QComboBox* box, const serial::PortChoice& current,
                               const QList<serial::PortInfo>& present) {
    box->addItem(texts::kAutomatic, choiceData({}));
    for (const serial::PortInfo& p : present)
        box->addItem(serial::describePort(p), choiceData({p.serialNumber, p.portName}));
    if (current.isAutomatic()) return;

    // The present device the choice means, found as the link finds it (by serial number first).
    serial::PortMapping alone{};
    alone[0] = current;
    const serial::PortResolution found = serial::resolvePort(1, QProcessEnvironment(), alone, present);
    if (found.source == serial::PortResolution::Source::Mapped) {
        for (int i = 1; i < box->count(); ++i)
            if (choiceOf(box->itemData(i)).portName == found.device) box->setCurrentIndex(i);
        return;
    }
    // Not plugged in now: offer it as it was, so that OK does not lose the choice.
    const QString wanted = serial::describePort({current.portName, {}, {}, current.serialNumber, {}});
    box->addItem(texts::kAbsent.arg(wanted), choiceData(current));
    box->setCurrentIndex(box->count() - 1);
}

void ConfigDialog::accept() {
    AppValues values = m_settings.values();
    values.replyTimeoutMs = m_replyTimeout->value();
    values.pollIntervalMs = m_pollInterval->value();
    for (int i = 0; i < serial::kMappedPorts; ++i)
        values.portMapping[i] = choiceOf(m_ports[i]->currentData());
    // A hand-written name of the same language ("zh_CN") stays as it was.
    const QString chosen = m_language->currentData().toString();
    if (i18n::configuredLanguage(chosen) != i18n::configuredLanguage(values.language))
        values.language = chosen;
    m_settings.setValues(values);
    m_settings.save(m_messages, this);
    QDialog::accept();
}

} // namespace config
