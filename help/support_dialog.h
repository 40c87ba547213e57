#pragma once
// 获得技术支持: the facts a support request needs, selectable, with a button that copies them.
#include <QDialog>

class QPlainTextEdit;

namespace help {

class SupportDialog : public QDialog {
    Q_OBJECT
public:
    explicit SupportDialog(const QString& text, QWidget* parent = nullptr);
    QPlainTextEdit* textView() const { return m_text; }
    // Puts the whole text on the clipboard.
    void copy();

private:
    QPlainTextEdit* m_text = nullptr;
};

} // namespace help
