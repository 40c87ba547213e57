#pragma once
// The manual's window: contents on the left, a search box listing the sections that hold the
// words, and the page on the right.
#include "help/manual_index.h"

#include <QWidget>

class QLineEdit;
class QListWidget;
class QTextBrowser;
class QTreeWidget;

namespace help {

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    // Shows the manual in `folder` (a language's folder, see manualFolder()).
    explicit HelpWindow(const QString& folder, QWidget* parent = nullptr);

    // Opens a page or section ("page.html#id").
    void open(const QString& target);
    void search(const QString& query);

    // Why the manual could not be read, or not all of it; empty when it was.
    QString problem() const { return m_problem; }
    const ManualIndex& index() const { return m_index; }
    QTreeWidget* contents() const { return m_contents; }
    QListWidget* results() const { return m_results; }
    QLineEdit* searchBox() const { return m_searchBox; }
    QTextBrowser* browser() const { return m_browser; }

private:
    void fillContents();

    ManualIndex m_index;
    QString m_problem;
    QTreeWidget* m_contents = nullptr;
    QLineEdit* m_searchBox = nullptr;
    QListWidget* m_results = nullptr;
    QTextBrowser* m_browser = nullptr;
};

} // namespace help
