#include "help/help_window.h"

#include "help/help_texts.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSplitter>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace help {

namespace {
constexpr int kTargetRole = Qt::UserRole;
}

HelpWindow::HelpWindow(const QString& folder, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(texts::kHelpTitle);
    m_problem = m_index.load(folder);

    m_searchBox = new QLineEdit;
    m_searchBox->setObjectName(QStringLiteral("helpSearch"));
    m_searchBox->setPlaceholderText(texts::kSearchHint);
    m_searchBox->setClearButtonEnabled(true);
    m_results = new QListWidget;
    m_results->setObjectName(QStringLiteral("helpResults"));
    m_results->hide();
    m_contents = new QTreeWidget;
    m_contents->setObjectName(QStringLiteral("helpContents"));
    m_contents->setHeaderLabel(texts::kContents);
    m_browser = new QTextBrowser;
    m_browser->setObjectName(QStringLiteral("helpBrowser"));
    m_browser->setSearchPaths({folder});
    m_browser->setOpenExternalLinks(false);

    auto* left = new QWidget;
    auto* column = new QVBoxLayout(left);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(new QLabel(texts::kSearch));
    column->addWidget(m_searchBox);
    column->addWidget(m_results, 1);
    column->addWidget(m_contents, 2);
    auto* splitter = new QSplitter;
    splitter->addWidget(left);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 3);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter);
    resize(900, 620);

    fillContents();
    connect(m_contents, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item) open(item->data(0, kTargetRole).toString());
    });
    connect(m_searchBox, &QLineEdit::textChanged, this, &HelpWindow::search);
    connect(m_results, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item && item->flags() != Qt::NoItemFlags) open(item->data(kTargetRole).toString());
    });

    if (!m_problem.isEmpty())
        m_browser->setPlainText(m_problem);
    else if (!m_index.sections().empty())
        m_contents->setCurrentItem(m_contents->topLevelItem(0));
}

void HelpWindow::fillContents() {
    QTreeWidgetItem* page = nullptr;
    for (const Section& s : m_index.sections()) {
        auto* item = s.isPage ? new QTreeWidgetItem(m_contents) : new QTreeWidgetItem(page);
        if (s.isPage) page = item;
        item->setText(0, s.title);
        item->setData(0, kTargetRole, s.target);
    }
    m_contents->expandAll();
}

void HelpWindow::open(const QString& target) {
    if (target.isEmpty()) return;
    // A file URL, so the pages' relative links to the pictures resolve.
    QUrl url = QUrl::fromLocalFile(QDir(m_index.folder()).filePath(target.section(QLatin1Char('#'), 0, 0)));
    url.setFragment(target.section(QLatin1Char('#'), 1));
    m_browser->setSource(url);
}

void HelpWindow::search(const QString& query) {
    m_results->clear();
    if (query.trimmed().isEmpty()) {
        m_results->hide();
        return;
    }
    const std::vector<Section> found = m_index.search(query);
    for (const Section& s : found) {
        auto* item = new QListWidgetItem(s.title, m_results);
        item->setData(kTargetRole, s.target);
    }
    if (found.empty()) {
        auto* none = new QListWidgetItem(texts::kNothingFound.arg(query.trimmed()), m_results);
        none->setFlags(Qt::NoItemFlags);
    }
    m_results->show();
}

} // namespace help
