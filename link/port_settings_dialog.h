#pragma once
// The port settings dialog "FormCommSet": port COM1-COM4 and the baud rate. OK applies the choice to
// the link and saves it; Cancel leaves both alone.
#include <QDialog>

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

    // The buttons' handlers, public so that tests can press them without a modal loop.
    void accept() override; // Command1 "确定"

private:
    void presetFromLink();

    SerialLink& m_link;
    QString m_settingsPath;
    MessageSink& m_messages;
    QRadioButton* m_portOptions[4] = {};
    QRadioButton* m_rateOptions[6] = {};
};

} // namespace serial
