#pragma once
// Draws a cell of the terminal's tables as one line of plain text. The stock delegate asks the
// model for a dozen roles per cell and lays each text out as a paragraph, which made up most of
// the cost of drawing the tables; they have no icons, check boxes or wrapped text. Colours,
// selection, focus, the number format and the "…" of a text too long for its column are as the
// stock delegate's.
#include <QStyledItemDelegate>

namespace terminal {

class PlainTextDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

} // namespace terminal
