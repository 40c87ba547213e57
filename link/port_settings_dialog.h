#pragma once
// The port settings dialog "FormCommSet": port COM1-COM4 and the baud rate. OK applies the choice to
// the link and saves it; Cancel leaves both alone.
#include "link/port_names.h"

#include <QDialog>

class QLabel;
class QRadioButton;

namespace serial {

class SerialLink;
class MessageSink;

class PortSettingsDialog : public QDialog {
    Q_OBJECT
public:
    // `settingsPath` is the settings file; `mainArea` the main window's client area the dialog is
    // placed in (may be null).
    PortSettingsDialog(SerialLink& link, const QString& settingsPath, MessageSink& messages,
                       QWidget* mainArea = nullptr);

    QRadioButton* portOption(int index) const { return m_portOptions[index]; } // Option1..Option4
    QRadioButton* rateOption(int index) const { return m_rateOptions[index]; } // Option5..Option10
    QLabel* deviceLabel() const { return m_deviceLabel; }     // which device the chosen port is
    QLabel* keptRateLabel() const { return m_keptRateLabel; } // a rate none of the options offers

    // What the device line looks up: the environment and the serial devices present. The system's
    // own by default; tests give their own.
    void setSystem(const QProcessEnvironment& environment, const QList<PortInfo>& present);

    // The buttons' handlers, public so that tests can press them without a modal loop.
    void accept() override; // Command1 "确定"

private:
    void presetFromLink();
    void showDevice();
    int checkedPort() const;

    SerialLink& m_link;
    QString m_settingsPath;
    MessageSink& m_messages;
    QRadioButton* m_portOptions[4] = {};
    QRadioButton* m_rateOptions[6] = {};
    QLabel* m_deviceLabel = nullptr;
    QLabel* m_keptRateLabel = nullptr;
    QProcessEnvironment m_environment;
    QList<PortInfo> m_present;
};

} // namespace serial
