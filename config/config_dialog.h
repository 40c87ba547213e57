#pragma once
// The 配置 dialog: the fast scan's reply time-out, the diagnosis window's poll interval, and which
// adapter each of COM1 to COM4 stands for, and the interface language. OK takes the values and
// saves them; Cancel leaves both the values and the file alone.
#include "link/port_names.h"

#include <QDialog>

class QComboBox;
class QSpinBox;

namespace serial {
class MessageSink;
}

namespace config {

class AppSettings;

class ConfigDialog : public QDialog {
    Q_OBJECT
public:
    // `present` is the serial devices to offer (presentPorts() in the program).
    ConfigDialog(AppSettings& settings, serial::MessageSink& messages, const QList<serial::PortInfo>& present,
                 QWidget* parent = nullptr);

    QSpinBox* replyTimeoutBox() const { return m_replyTimeout; }
    QSpinBox* pollIntervalBox() const { return m_pollInterval; }
    QComboBox* portBox(int index) const { return m_ports[index]; } // COM1..COM4
    // Follow the system, Chinese, English; the choice applies from the next start.
    QComboBox* languageBox() const { return m_language; }

    // OK, public so that tests can press it without a modal loop. The values take effect even
    // when saving fails; the operator is then told that the file was kept as it was.
    void accept() override;

private:
    void fillPortBox(QComboBox* box, const serial::PortChoice& current,
                     const QList<serial::PortInfo>& present);

    AppSettings& m_settings;
    serial::MessageSink& m_messages;
    QSpinBox* m_replyTimeout = nullptr;
    QSpinBox* m_pollInterval = nullptr;
    QComboBox* m_ports[serial::kMappedPorts] = {};
    QComboBox* m_language = nullptr;
};

} // namespace config
