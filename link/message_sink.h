#pragma once
// Every message box of the program goes through this seam, so tests can read what was shown.
#include <QString>

class QWidget;

namespace serial {

class MessageSink {
public:
    virtual ~MessageSink() = default;
    // A modal message with a text, a title and one OK button. Returns when it was dismissed.
    virtual void show(QWidget* parent, const QString& text, const QString& title) = 0;
};

// The real one: QMessageBox::information with a single OK button.
class MessageBoxSink final : public MessageSink {
public:
    void show(QWidget* parent, const QString& text, const QString& title) override;
};

} // namespace serial
