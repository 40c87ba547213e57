#include "trends/file_chooser.h"

#include <QFileDialog>

namespace trends {

QString DialogFileChooser::saveFileName(QWidget* parent, const QString& caption, const QString& suggested,
                                        const QString& filter) {
    return QFileDialog::getSaveFileName(parent, caption, suggested, filter);
}

} // namespace trends
