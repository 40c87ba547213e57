#include "terminal/ui/status_line.h"

#include <QPainter>

namespace terminal {

namespace {
constexpr int kMargin = 2;
}

StatusLine::StatusLine(QWidget* parent) : QWidget(parent) {
    // Wide as the window lets it be, one line high whatever the text.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    // Opaque: a new text repaints this line alone, not the window behind it.
    setAutoFillBackground(true);
}

void StatusLine::setText(const QString& text) {
    if (text == m_text) return;
    m_text = text;
    setAccessibleName(text);
    update();
}

QSize StatusLine::sizeHint() const {
    return {fontMetrics().averageCharWidth() * 40, fontMetrics().height() + 2 * kMargin};
}

QSize StatusLine::minimumSizeHint() const {
    return {0, sizeHint().height()};
}

void StatusLine::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(rect().adjusted(kMargin, 0, -kMargin, 0), Qt::AlignLeft | Qt::AlignVCenter, m_text);
}

} // namespace terminal
