#include "help/support_dialog.h"

#include "help/help_texts.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace help {

SupportDialog::SupportDialog(const QString& text, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("SupportDialog"));
    setWindowTitle(texts::kSupportTitle);
    m_text = new QPlainTextEdit(text);
    m_text->setReadOnly(true);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setFont(QFont(QStringLiteral("monospace")));
    auto* buttons = new QDialogButtonBox;
    QPushButton* copyButton = buttons->addButton(texts::kCopy, QDialogButtonBox::ActionRole);
    copyButton->setObjectName(QStringLiteral("copy"));
    buttons->addButton(texts::kClose, QDialogButtonBox::RejectRole);
    connect(copyButton, &QPushButton::clicked, this, &SupportDialog::copy);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(texts::kSupportIntro));
    layout->addWidget(m_text, 1);
    layout->addWidget(buttons);
    resize(720, 460);
}

void SupportDialog::copy() {
    QGuiApplication::clipboard()->setText(m_text->toPlainText());
}

} // namespace help
