#include "terminal/ui/plain_text_delegate.h"

#include <QApplication>
#include <QPainter>

namespace terminal {

void PlainTextDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    const QStyle* style = option.widget ? option.widget->style() : QApplication::style();
    const QPalette::ColorGroup group = !(option.state & QStyle::State_Enabled) ? QPalette::Disabled
                                       : (option.state & QStyle::State_Active) ? QPalette::Normal
                                                                               : QPalette::Inactive;
    const bool selected = option.state & QStyle::State_Selected;
    if (selected) painter->fillRect(option.rect, option.palette.brush(group, QPalette::Highlight));

    QColor pen = option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text);
    if (!selected) {
        const QVariant foreground = index.data(Qt::ForegroundRole);
        if (foreground.canConvert<QBrush>()) pen = foreground.value<QBrush>().color();
    }
    const QString text = displayText(index.data(Qt::DisplayRole), option.locale);
    if (!text.isEmpty()) {
        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, option.widget) + 1;
        const QRect box = option.rect.adjusted(margin, 0, -margin, 0);
        const QFontMetrics& metrics = option.fontMetrics;
        // Measured only when it might not fit: measuring is what the stock delegate spends on.
        const bool mayOverflow = qint64(text.size()) * metrics.maxWidth() > box.width() &&
                                 !surelyFits(text, option.font, box.width());
        painter->setPen(pen);
        // Drawn from its baseline, as a single line needs: a text drawn into a box is laid out as
        // a paragraph first.
        const QPointF baseline(box.left(),
                               box.top() + (box.height() - metrics.height()) / 2.0 + metrics.ascent());
        painter->drawText(baseline,
                          mayOverflow ? metrics.elidedText(text, Qt::ElideRight, box.width()) : text);
    }
    if (option.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(option);
        focus.backgroundColor = option.palette.color(group, selected ? QPalette::Highlight : QPalette::Base);
        style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, option.widget);
    }
}

bool PlainTextDelegate::surelyFits(const QString& text, const QFont& font, int width) const {
    if (!m_metrics || font != m_font) {
        m_font = font;
        m_metrics.emplace(font);
        m_advances.clear();
    }
    qreal sum = 0;
    for (const QChar c : text) {
        // Control characters and surrogate pairs may draw wider than their own advance.
        if (c.unicode() < 0x20 || c.isSurrogate()) return false;
        auto known = m_advances.constFind(c.unicode());
        if (known == m_advances.cend())
            known = m_advances.insert(c.unicode(), m_metrics->horizontalAdvance(c));
        sum += known.value();
    }
    // Room for what shaping may add: kerning, and advances rounded to whole pixels.
    return sum * 1.03 + 1 <= width;
}

} // namespace terminal
