#pragma once
// Draws a cell of the terminal's tables as one line of plain text. The stock delegate asks the
// model for a dozen roles per cell and lays each text out as a paragraph, which made up most of
// the cost of drawing the tables; they have no icons, check boxes or wrapped text. Colours,
// selection, focus, the number format and the "…" of a text too long for its column are as the
// stock delegate's.
#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QStyledItemDelegate>

#include <optional>

namespace terminal {

class PlainTextDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    // Whether `text` in `font` surely fits `width` pixels, from its characters' advances, which are
    // kept; false when unsure, and the text is measured then.
    bool surelyFits(const QString& text, const QFont& font, int width) const;

    mutable QFont m_font; // of the advances kept
    mutable std::optional<QFontMetricsF> m_metrics;
    mutable QHash<char16_t, qreal> m_advances;
};

} // namespace terminal
