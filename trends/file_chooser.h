#pragma once
// Where a file is to be saved, asked through one seam so tests can answer without a dialog.
#include <QString>

class QWidget;

namespace trends {

class FileChooser {
public:
    virtual ~FileChooser() = default;
    // A path to save to, starting from `suggested`; empty when the user cancelled.
    virtual QString saveFileName(QWidget* parent, const QString& caption, const QString& suggested,
                                 const QString& filter) = 0;
};

// The real one: the platform's save dialog.
class DialogFileChooser final : public FileChooser {
public:
    QString saveFileName(QWidget* parent, const QString& caption, const QString& suggested,
                         const QString& filter) override;
};

} // namespace trends
