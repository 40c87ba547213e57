#pragma once
// A trend chart: one line per chosen reading over a time axis, read from a TrendSource and drawn
// through the downsampler, so a day or a week costs no more to draw than the chart is wide. Each
// block of columns is a line of its own, and only lines whose points changed are handed to the
// chart again: a poll added to a day-long trend redraws one block, not the day.
//
// The mouse: the wheel zooms the time axis about the pointer, a drag pans, a click places cursor
// A and then B (alternately), a right click clears them; the pointer itself is a third cursor. The
// table under the chart gives each series' minimum, maximum and mean of what is in view, its value
// at each cursor, and the difference from A to B in time and value.
//
// Nothing of the chart library is made until the chart is first shown, and it redraws only when the
// view changed or a sample arrived that shows in it, never on a timer.
#include "trends/curve.h"
#include "trends/series_plotter.h"
#include "trends/series_stats.h"
#include "trends/series_view.h"
#include "trends/time_window.h"

#include <QList>
#include <QPointF>
#include <QVector>
#include <QWidget>

#include <optional>
#include <vector>

class QChart;
class QDateTimeAxis;
class QGraphicsLineItem;
class QGraphicsSimpleTextItem;
class QLineSeries;
class QVBoxLayout;
class QTableWidget;
class QValueAxis;

namespace trends {

class ChartCanvas;

class TrendChart : public QWidget {
    Q_OBJECT
public:
    // Columns of the table under the chart.
    enum Column { NameColumn, MinColumn, MaxColumn, MeanColumn, HoverColumn, AColumn, BColumn, DeltaColumn };

    explicit TrendChart(QWidget* parent = nullptr);
    ~TrendChart() override;

    // Where the series come from; the chart never owns it. Call sourceReset() when it changed
    // wholesale and sampleAdded() when it gained a sample.
    void setSource(const TrendSource* source);
    // The series to draw, in the order of the table.
    void setSeries(const QVector<Curve>& curves);
    QVector<Curve> series() const { return m_curves; }
    // Samples further apart than this are not joined, and a cursor reads nothing further away
    // from a sample; 0 joins everything.
    void setMaxGapMs(qint64 ms);
    void setSpanLimits(qint64 minSpan, qint64 maxSpan);

    const TimeWindow& window() const { return m_window; }
    void setSpan(qint64 ms);
    void followNewest();
    void setRange(qint64 from, qint64 to);
    void zoomAt(qint64 anchor, double factor);
    void panBy(qint64 ms);

    void sampleAdded(qint64 t);
    void sourceReset();
    // All at once, drawn once: a new source with these series over from..to, not following, and
    // zooming out no further than that range.
    void showSeries(const TrendSource* source, const QVector<Curve>& curves, qint64 from, qint64 to,
                    qint64 maxGapMs);

    // Cursors, by time. placeCursor() places A, then B, then A again, ...; a placed cursor sits on
    // the nearest sample of the first series.
    void setHoverTime(std::optional<qint64> t);
    void placeCursor(qint64 t);
    void clearCursors();
    std::optional<qint64> hoverTime() const { return m_hover; }
    std::optional<qint64> cursorA() const { return m_cursorA; }
    std::optional<qint64> cursorB() const { return m_cursorB; }

    // Time at a position of the chart view (its viewport), and back.
    std::optional<qint64> timeAt(QPointF viewPosition) const;
    std::optional<QPointF> viewPositionOf(qint64 t) const;

    // Read back, for the windows and tests. chart() and canvas() are null until first shown.
    QChart* chart() const { return m_chart; }
    ChartCanvas* canvas() const { return m_canvas; }
    QTableWidget* table() const { return m_table; }
    // The lines drawn for a series as they show: split where it has gaps, the line series of
    // blocks that meet joined into one.
    QList<QList<QPointF>> drawnLines(const QString& key) const;
    RangeStats statsOf(const QString& key) const;
    QValueAxis* valueAxisOf(const QString& key) const;
    QDateTimeAxis* timeAxis() const { return m_timeAxis; }
    int refreshCount() const { return m_refreshCount; }
    // The plot changed width since the lines were drawn; they are drawn again when the event loop
    // gets to it.
    bool redrawPending() const { return m_redrawPending; }

signals:
    void followingChanged(bool following);
    void rangeChanged(qint64 from, qint64 to);

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct Plot {
        Curve curve;
        QColor color;
        QValueAxis* axis = nullptr;
        std::vector<QLineSeries*> runs;    // run 0 carries the legend entry
        std::vector<QList<QPointF>> shown; // what each run was last given
        SeriesPlotter plotter;
        RangeStats stats;
    };

    void ensureChart();
    void fitTableHeight();
    void buildPlots();
    void clearPlots();
    QValueAxis* axisFor(const Curve& curve);
    void addRun(Plot& plot);
    void viewChanged(bool wasFollowing);
    void refresh();
    void drawPlot(Plot& plot, int columns);
    void fitAxes();
    void fitTimeAxis();
    void fillStats();
    void updateCursors();
    void placeLine(QGraphicsLineItem* line, QGraphicsSimpleTextItem* mark, std::optional<qint64> t);
    qint64 snapped(qint64 t) const;
    qint64 newestInSource() const;
    QString cursorTimeText(qint64 t) const;

    const TrendSource* m_source = nullptr;
    QVector<Curve> m_curves;
    TimeWindow m_window;
    qint64 m_maxGapMs = 0;
    std::optional<qint64> m_newest;
    std::optional<qint64> m_hover;
    std::optional<qint64> m_cursorA;
    std::optional<qint64> m_cursorB;
    bool m_nextIsB = false;
    bool m_dirty = true;
    bool m_redrawPending = false;
    bool m_holdRefresh = false; // while several settings change as one
    int m_refreshCount = 0;
    int m_columnsDrawn = 0;

    QVBoxLayout* m_layout = nullptr;
    QTableWidget* m_table = nullptr;
    QChart* m_chart = nullptr;
    ChartCanvas* m_canvas = nullptr;
    QDateTimeAxis* m_timeAxis = nullptr;
    struct UnitAxis {
        QString unit;
        QValueAxis* axis = nullptr;
        double lo = 0; // the range last asked of it, before nice numbers widened it
        double hi = 0;
    };
    std::vector<UnitAxis> m_unitAxes;
    QValueAxis* m_flagAxis = nullptr;
    std::vector<Plot> m_plots;
    QGraphicsLineItem* m_hoverLine = nullptr;
    QGraphicsLineItem* m_lineA = nullptr;
    QGraphicsLineItem* m_lineB = nullptr;
    QGraphicsSimpleTextItem* m_markA = nullptr;
    QGraphicsSimpleTextItem* m_markB = nullptr;
};

} // namespace trends
