#pragma once
// The chart view of a trend: it reports what the mouse does and leaves the meaning to its owner.
#include <QChartView>

namespace trends {

class ChartCanvas : public QChartView {
    Q_OBJECT
public:
    explicit ChartCanvas(QChart* chart, QWidget* parent = nullptr);

signals:
    void hovered(QPointF position);
    void left();
    void clicked(QPointF position);
    void rightClicked();
    // Dragged by dx pixels since the last report.
    void dragged(qreal dx);
    // Wheel turned by steps notches (positive away from the user) at position.
    void wheeled(QPointF position, double steps);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QPointF m_pressAt;
    QPointF m_lastAt;
    bool m_pressed = false;
    bool m_dragging = false;
};

} // namespace trends
