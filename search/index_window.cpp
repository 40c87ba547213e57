#include "search/index_window.h"

#include "link/window_placement.h"
#include "search/index_texts.h"
#include "search/instrument_list.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableView>

namespace {

// Design client size and grid sizes, in twips; the grid scales with the client size at load.
constexpr double kDesignWidthTwips = 9510.0;
constexpr double kDesignHeightTwips = 4305.0;
constexpr int kGridWidthTwips = 12000;
constexpr int kGridHeightTwips = 6800;
constexpr int kColumnWidthsTwips[InstrumentList::kColumns] = {800, 2500, 5000, 3550};

// Column 0 is a fixed column: drawn in the header's colours.
class FixedColumnDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        option->backgroundBrush = option->palette.button();
        option->palette.setBrush(QPalette::Text, option->palette.buttonText());
    }
};

// Whether `x` (in the header's viewport) lies on the grip between two sections, where a
// double-click fits the column to its contents instead. The same margin the header itself uses.
bool onSectionHandle(const QHeaderView& header, int x) {
    const int logical = header.logicalIndexAt(x);
    if (logical < 0) return false;
    const int grip = header.style()->pixelMetric(QStyle::PM_HeaderGripMargin, nullptr, &header);
    const int start = header.sectionViewportPosition(logical);
    const bool atStart = x < start + grip && header.visualIndex(logical) > 0;
    const bool atEnd = x > start + header.sectionSize(logical) - grip;
    return atStart || atEnd;
}

} // namespace

IndexWindow::IndexWindow(InstrumentList& list, QWidget* parent) : QWidget(parent), m_list(list) {
    setObjectName(QStringLiteral("Index"));
    setWindowTitle(indextext::kTitle);

    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("MSFlexGrid1"));
    m_grid->setModel(&m_list);
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setItemDelegateForColumn(0, new FixedColumnDelegate(m_grid));

    // Model row r is list row r + 1.
    connect(m_grid, &QTableView::clicked, this,
            [this](const QModelIndex& i) { m_list.setCurrentRow(i.row() + 1); });
    // The view reports double-clicks on cells only; the filter sees them on the whole grid.
    m_grid->viewport()->installEventFilter(this);
    m_grid->horizontalHeader()->viewport()->installEventFilter(this);
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid()) m_list.setCurrentRow(current.row() + 1);
            });
    connect(&m_list, &InstrumentList::currentRowChanged, this, &IndexWindow::selectCurrentRow);
    connect(&m_list, &QAbstractItemModel::modelReset, this,
            [this] { selectCurrentRow(m_list.currentRow()); });
}

QSize IndexWindow::sizeHint() const {
    return {twipsToPixels(static_cast<int>(kDesignWidthTwips), this),
            twipsToPixels(static_cast<int>(kDesignHeightTwips), this)};
}

void IndexWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_loaded) return;
    m_loaded = true;
    sizeGrid();
}

bool IndexWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonDblClick) return QWidget::eventFilter(watched, event);
    const auto* mouse = static_cast<const QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton) return false;
    const QPoint at = mouse->position().toPoint();
    if (watched == m_grid->viewport()) {
        const QModelIndex cell = m_grid->indexAt(at);
        if (cell.isValid()) m_list.setCurrentRow(cell.row() + 1);
    } else if (watched == m_grid->horizontalHeader()->viewport()) {
        if (onSectionHandle(*m_grid->horizontalHeader(), at.x())) return false;
    } else {
        return false;
    }
    // Taken here: the view has nothing more to do with it, and the diagnosis window may have run
    // a modal loop by the time this returns.
    emit openDiagnosisRequested();
    return true;
}

void IndexWindow::sizeGrid() {
    const double widthFactor = pixelsToTwips(width(), this) / kDesignWidthTwips;
    const double heightFactor = pixelsToTwips(height(), this) / kDesignHeightTwips;
    auto px = [this](double twips) { return twipsToPixels(static_cast<int>(twips + 0.5), this); };
    m_grid->setGeometry(0, 0, px(kGridWidthTwips * widthFactor), px(kGridHeightTwips * heightFactor));
    for (int c = 0; c < InstrumentList::kColumns; ++c)
        m_grid->setColumnWidth(c, px(kColumnWidthsTwips[c] * widthFactor));
}

void IndexWindow::selectCurrentRow(int row) {
    const QModelIndex wanted = m_list.index(row - 1, 0);
    if (m_grid->currentIndex().row() != wanted.row()) m_grid->setCurrentIndex(wanted);
}
