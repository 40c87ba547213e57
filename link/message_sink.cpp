#include "link/message_sink.h"

#include <QMessageBox>

namespace serial {

void MessageBoxSink::show(QWidget* parent, const QString& text, const QString& title) {
    QMessageBox::information(parent, title, text, QMessageBox::Ok);
}

} // namespace serial
