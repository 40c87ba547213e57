#include "trends/chart_canvas.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWheelEvent>

namespace trends {

ChartCanvas::ChartCanvas(QChart* chart, QWidget* parent) : QChartView(chart, parent) {
    setMouseTracking(true);
    setDragMode(QGraphicsView::NoDrag);
    setRubberBand(QChartView::NoRubberBand);
}

void ChartCanvas::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        emit rightClicked();
        event->accept();
        return;
    }
    if (event->button() != Qt::LeftButton) return QChartView::mousePressEvent(event);
    m_pressed = true;
    m_dragging = false;
    m_pressAt = m_lastAt = event->position();
    event->accept();
}

void ChartCanvas::mouseMoveEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    if (m_pressed && !m_dragging && (at - m_pressAt).manhattanLength() >= QApplication::startDragDistance())
        m_dragging = true;
    if (m_dragging) {
        emit dragged(at.x() - m_lastAt.x());
        m_lastAt = at;
    }
    emit hovered(at);
    event->accept();
}

void ChartCanvas::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !m_pressed) return QChartView::mouseReleaseEvent(event);
    if (!m_dragging) emit clicked(event->position());
    m_pressed = m_dragging = false;
    event->accept();
}

void ChartCanvas::wheelEvent(QWheelEvent* event) {
    const int delta = event->angleDelta().y();
    if (delta != 0) emit wheeled(event->position(), delta / 120.0);
    event->accept();
}

void ChartCanvas::leaveEvent(QEvent* event) {
    emit left();
    QChartView::leaveEvent(event);
}

} // namespace trends
