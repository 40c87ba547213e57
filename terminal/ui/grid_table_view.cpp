#include "terminal/ui/grid_table_view.h"

#include <QHeaderView>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace terminal {

GridTableView::GridTableView(QWidget* parent) : QTableView(parent) {
    // The cells keep the pixel their grid line takes; only Qt's own stroking of it is off.
    setGridStyle(Qt::NoPen);
}

void GridTableView::paintEvent(QPaintEvent* event) {
    QTableView::paintEvent(event);
    const QHeaderView* rows = verticalHeader();
    const QHeaderView* columns = horizontalHeader();
    if (!showGrid() || rows->count() == 0 || columns->count() == 0) return;
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const QColor color = QColor::fromRgba(
        static_cast<QRgb>(style()->styleHint(QStyle::SH_Table_GridLineColor, &option, this)));
    const bool leftToRight = isLeftToRight();
    const int width = viewport()->width();
    // Where the table ends: lines go no further, as Qt draws them.
    const int tableWidth = columns->length() - columns->offset();
    const int left = leftToRight ? 0 : width - tableWidth;
    const int right = leftToRight ? tableWidth - 1 : width - 1;
    const int bottom = std::min(viewport()->height(), rows->length() - rows->offset()) - 1;
    if (right < left || bottom < 0) return;

    // Whole lines: a widget's painter keeps to the region being painted, as Qt's lines do.
    QPainter painter(viewport());
    const int firstRow = std::max(0, rows->visualIndexAt(0));
    int lastRow = rows->visualIndexAt(bottom);
    if (lastRow < 0) lastRow = rows->count() - 1;
    for (int visual = firstRow; visual <= lastRow; ++visual) {
        const int row = rows->logicalIndex(visual);
        if (rows->isSectionHidden(row)) continue;
        const int y = rowViewportPosition(row) + rowHeight(row) - 1;
        painter.fillRect(QRect(left, y, right - left + 1, 1), color);
    }
    int firstColumn = columns->visualIndexAt(leftToRight ? 0 : width - 1);
    int lastColumn = columns->visualIndexAt(leftToRight ? right : left);
    if (firstColumn < 0) firstColumn = 0;
    if (lastColumn < 0) lastColumn = columns->count() - 1;
    for (int visual = firstColumn; visual <= lastColumn; ++visual) {
        const int column = columns->logicalIndex(visual);
        if (columns->isSectionHidden(column)) continue;
        const int x = columnViewportPosition(column) + (leftToRight ? columnWidth(column) - 1 : 0);
        painter.fillRect(QRect(x, 0, 1, bottom + 1), color);
    }
}

} // namespace terminal
