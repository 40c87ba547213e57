#include "trends/trend_chart.h"

#include "trends/axis_scale.h"
#include "trends/chart_canvas.h"
#include "trends/trend_chart_texts.h"
#include "trends/value_text.h"

#include <QChart>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QGraphicsLineItem>
#include <QGraphicsSimpleTextItem>
#include <QHeaderView>
#include <QLegendMarker>
#include <QLineSeries>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace trends {

namespace {

// Colours that stay apart from each other on white, in the order series take them.
const QColor kPalette[] = {QColor(0x1f, 0x77, 0xb4), QColor(0xd6, 0x27, 0x28), QColor(0x2c, 0xa0, 0x2c),
                           QColor(0xff, 0x7f, 0x0e), QColor(0x94, 0x67, 0xbd), QColor(0x8c, 0x56, 0x4b),
                           QColor(0xe3, 0x77, 0xc2), QColor(0x17, 0xbe, 0xcf), QColor(0xbc, 0xbd, 0x22),
                           QColor(0x7f, 0x7f, 0x7f), QColor(0x00, 0x33, 0x66), QColor(0x99, 0x00, 0x33)};
constexpr int kPaletteSize = int(sizeof(kPalette) / sizeof(kPalette[0]));

const QColor kCursorAColor(0xc0, 0x00, 0x00);
const QColor kCursorBColor(0x00, 0x00, 0xc0);
constexpr double kWheelStep = 0.8; // span per notch towards the user's screen
constexpr int kColumnSlack = 10;   // percent the plot may change width before it is drawn again
constexpr int kMaxTicks = 7;       // on a value axis
constexpr int kTableRowsShown = 8; // rows of the table without scrolling

QList<QPointF> chartPoints(const Run& run) {
    QList<QPointF> points;
    points.reserve(qsizetype(run.size()));
    for (const PlotPoint& p : run)
        points.append(QPointF(double(p.t), p.v));
    return points;
}

QTableWidgetItem* cell(const QString& text = QString()) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

} // namespace

TrendChart::TrendChart(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_layout = layout;
    m_table = new QTableWidget(0, DeltaColumn + 1, this);
    m_table->verticalHeader()->hide();
    m_table->setSelectionMode(QAbstractItemView::NoSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_table->setHorizontalHeaderLabels({trendtext::kReading, trendtext::kMin, trendtext::kMax,
                                        trendtext::kMean, trendtext::kHover, trendtext::kCursorA,
                                        trendtext::kCursorB, trendtext::kDelta});
    layout->addWidget(m_table);
    fitTableHeight();
}

void TrendChart::fitTableHeight() {
    const int rows = std::min(kTableRowsShown, std::max(1, m_table->rowCount()));
    const int rowHeight = m_table->verticalHeader()->defaultSectionSize();
    // Room for a caption and a time under it, whether a cursor is placed or not.
    const int header = 2 * m_table->fontMetrics().height() + 8;
    m_table->horizontalHeader()->setFixedHeight(header);
    m_table->setFixedHeight(header + rows * rowHeight + 2 * m_table->frameWidth());
}

TrendChart::~TrendChart() = default;

void TrendChart::setSource(const TrendSource* source) {
    m_source = source;
    sourceReset();
}

void TrendChart::setSeries(const QVector<Curve>& curves) {
    m_curves = curves;
    m_table->setRowCount(int(curves.size()));
    for (int row = 0; row < curves.size(); ++row) {
        auto* name = cell(curves[row].title());
        name->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        name->setData(Qt::DecorationRole, kPalette[row % kPaletteSize]);
        m_table->setItem(row, NameColumn, name);
        for (int column = MinColumn; column <= DeltaColumn; ++column)
            m_table->setItem(row, column, cell());
    }
    fitTableHeight();
    if (m_chart) buildPlots();
    sourceReset(); // the newest sample may be another with other series
}

void TrendChart::setMaxGapMs(qint64 ms) {
    m_maxGapMs = std::max<qint64>(0, ms);
    refresh();
}

void TrendChart::setSpanLimits(qint64 minSpan, qint64 maxSpan) {
    m_window.setSpanLimits(minSpan, maxSpan);
    viewChanged(m_window.following());
}

void TrendChart::setSpan(qint64 ms) {
    m_window.setSpan(ms);
    viewChanged(m_window.following());
}

void TrendChart::followNewest() {
    const bool was = m_window.following();
    m_window.follow(m_newest ? *m_newest : QDateTime::currentMSecsSinceEpoch());
    viewChanged(was);
}

void TrendChart::setRange(qint64 from, qint64 to) {
    const bool was = m_window.following();
    m_window.setRange(from, to);
    viewChanged(was);
}

void TrendChart::zoomAt(qint64 anchor, double factor) {
    m_window.zoomAt(anchor, factor);
    viewChanged(m_window.following());
}

void TrendChart::panBy(qint64 ms) {
    const bool was = m_window.following();
    m_window.panBy(ms);
    viewChanged(was);
}

void TrendChart::viewChanged(bool wasFollowing) {
    emit rangeChanged(m_window.from(), m_window.to());
    if (wasFollowing != m_window.following()) emit followingChanged(m_window.following());
    refresh();
}

qint64 TrendChart::newestInSource() const {
    qint64 newest = 0;
    bool any = false;
    for (const Curve& curve : m_curves) {
        const SeriesView view = m_source ? m_source->series(curve.key) : SeriesView{};
        if (view.empty()) continue;
        newest = any ? std::max(newest, view.t[view.n - 1]) : view.t[view.n - 1];
        any = true;
    }
    return any ? newest : 0;
}

void TrendChart::sourceReset() {
    for (Plot& plot : m_plots)
        plot.plotter.clear();
    const qint64 newest = newestInSource();
    m_newest = newest != 0 ? std::optional<qint64>(newest) : std::nullopt;
    if (m_window.following() && m_newest && m_window.newestAt(*m_newest))
        emit rangeChanged(m_window.from(), m_window.to());
    refresh();
}

void TrendChart::showSeries(const TrendSource* source, const QVector<Curve>& curves, qint64 from, qint64 to,
                            qint64 maxGapMs) {
    m_holdRefresh = true;
    m_source = source;
    setMaxGapMs(maxGapMs);
    setSpanLimits(m_window.minSpan(), std::max(m_window.minSpan(), to - from));
    setSeries(curves);
    setRange(from, to);
    m_holdRefresh = false;
    sourceReset();
}

void TrendChart::sampleAdded(qint64 t) {
    // Whether the view showed where the data ended: a later sample then draws into it.
    const bool endInView = !m_newest || *m_newest <= m_window.to();
    if (!m_newest || t > *m_newest) m_newest = t;
    if (m_window.following()) {
        if (m_window.newestAt(*m_newest)) emit rangeChanged(m_window.from(), m_window.to());
        refresh();
        return;
    }
    if ((t >= m_window.from() && t <= m_window.to()) || (endInView && t > m_window.to())) refresh();
}

void TrendChart::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    ensureChart();
    if (m_dirty) refresh();
}

void TrendChart::ensureChart() {
    if (m_chart) return;
    m_chart = new QChart;
    m_chart->setAnimationOptions(QChart::NoAnimation);
    m_chart->setBackgroundRoundness(0);
    m_chart->setMargins(QMargins(4, 4, 4, 4));
    m_chart->legend()->setAlignment(Qt::AlignTop);

    m_timeAxis = new QDateTimeAxis;
    m_timeAxis->setTickCount(7);
    m_chart->addAxis(m_timeAxis, Qt::AlignBottom);

    m_canvas = new ChartCanvas(m_chart);
    // Crisp one-pixel lines, and a quarter less time painting them than smoothed ones.
    m_canvas->setRenderHint(QPainter::Antialiasing, false);
    m_canvas->setMinimumSize(320, 200);
    m_canvas->setToolTip(trendtext::kMouseHelp);
    m_layout->insertWidget(0, m_canvas, 1);

    const auto line = [this](const QPen& pen) {
        auto* item = new QGraphicsLineItem(m_chart);
        item->setPen(pen);
        item->setZValue(100);
        item->hide();
        return item;
    };
    QPen hoverPen(QColor(0x60, 0x60, 0x60));
    hoverPen.setStyle(Qt::DashLine);
    m_hoverLine = line(hoverPen);
    m_lineA = line(QPen(kCursorAColor, 1.5));
    m_lineB = line(QPen(kCursorBColor, 1.5));
    const auto mark = [this](const QString& text, const QColor& color) {
        auto* item = new QGraphicsSimpleTextItem(text, m_chart);
        item->setBrush(color);
        item->setZValue(100);
        item->hide();
        return item;
    };
    m_markA = mark(trendtext::kCursorA, kCursorAColor);
    m_markB = mark(trendtext::kCursorB, kCursorBColor);

    connect(m_canvas, &ChartCanvas::hovered, this, [this](QPointF p) { setHoverTime(timeAt(p)); });
    connect(m_canvas, &ChartCanvas::left, this, [this] { setHoverTime(std::nullopt); });
    connect(m_canvas, &ChartCanvas::clicked, this, [this](QPointF p) {
        if (const auto t = timeAt(p)) placeCursor(*t);
    });
    connect(m_canvas, &ChartCanvas::rightClicked, this, &TrendChart::clearCursors);
    connect(m_canvas, &ChartCanvas::dragged, this, [this](qreal dx) {
        const qreal width = m_chart->plotArea().width();
        if (width > 0) panBy(-qint64(std::llround(dx * double(m_window.span()) / width)));
    });
    connect(m_canvas, &ChartCanvas::wheeled, this, [this](QPointF p, double steps) {
        zoomAt(timeAt(p).value_or(m_window.to()), std::pow(kWheelStep, steps));
    });
    connect(m_chart, &QChart::plotAreaChanged, this, [this](const QRectF& area) {
        const int columns = int(area.width());
        if (std::abs(columns - m_columnsDrawn) * 100 > m_columnsDrawn * kColumnSlack) {
            // Not from inside the chart's own layout: when the event loop gets to it.
            if (!m_redrawPending) QMetaObject::invokeMethod(this, &TrendChart::refresh, Qt::QueuedConnection);
            m_redrawPending = true;
        } else {
            updateCursors();
        }
    });
    buildPlots();
    m_dirty = true;
}

void TrendChart::clearPlots() {
    for (Plot& plot : m_plots)
        for (QLineSeries* run : plot.runs) {
            m_chart->removeSeries(run);
            delete run;
        }
    m_plots.clear();
    for (UnitAxis& a : m_unitAxes) {
        m_chart->removeAxis(a.axis);
        delete a.axis;
    }
    m_unitAxes.clear();
    if (m_flagAxis) {
        m_chart->removeAxis(m_flagAxis);
        delete m_flagAxis;
        m_flagAxis = nullptr;
    }
}

QValueAxis* TrendChart::axisFor(const Curve& curve) {
    if (curve.step) {
        if (!m_flagAxis) {
            m_flagAxis = new QValueAxis;
            m_flagAxis->setRange(-0.2, 1.2);
            m_flagAxis->setTickType(QValueAxis::TicksDynamic);
            m_flagAxis->setTickAnchor(0);
            m_flagAxis->setTickInterval(1);
            m_flagAxis->setLabelFormat(QStringLiteral("%.0f"));
            m_chart->addAxis(m_flagAxis, Qt::AlignRight);
        }
        return m_flagAxis;
    }
    for (const UnitAxis& a : m_unitAxes)
        if (a.unit == curve.unit) return a.axis;
    auto* axis = new QValueAxis;
    axis->setTitleText(curve.unit);
    m_chart->addAxis(axis, m_unitAxes.size() % 2 == 0 ? Qt::AlignLeft : Qt::AlignRight);
    m_unitAxes.push_back({curve.unit, axis, 0, 0});
    return axis;
}

void TrendChart::addRun(Plot& plot) {
    auto* run = new QLineSeries;
    if (plot.runs.empty()) run->setName(plot.curve.title());
    m_chart->addSeries(run);
    run->attachAxis(m_timeAxis);
    run->attachAxis(plot.axis);
    // One pixel wide: the painter draws such lines on its fast path, a third of the time of 1.5.
    run->setPen(QPen(plot.color, 1.0));
    run->setMarkerSize(5);
    if (!plot.runs.empty())
        for (QLegendMarker* marker : m_chart->legend()->markers(run))
            marker->setVisible(false);
    plot.runs.push_back(run);
}

void TrendChart::buildPlots() {
    clearPlots();
    for (int i = 0; i < m_curves.size(); ++i) {
        Plot plot;
        plot.curve = m_curves[i];
        plot.color = kPalette[i % kPaletteSize];
        plot.axis = axisFor(plot.curve);
        addRun(plot);
        m_plots.push_back(std::move(plot));
    }
}

void TrendChart::refresh() {
    if (!m_chart || !isVisible() || m_holdRefresh) {
        m_dirty = true;
        return;
    }
    m_dirty = false;
    m_redrawPending = false;
    ++m_refreshCount;
    const int plotWidth = int(m_chart->plotArea().width());
    const int columns = plotWidth > 1 ? plotWidth : std::max(1, m_canvas->width());
    m_columnsDrawn = columns;
    for (Plot& plot : m_plots)
        drawPlot(plot, columns);
    fitAxes();
    fitTimeAxis();
    fillStats();
    updateCursors();
}

void TrendChart::drawPlot(Plot& plot, int columns) {
    const SeriesView view = m_source ? m_source->series(plot.curve.key) : SeriesView{};
    const SeriesPlot drawn =
        plot.plotter.plot(view, {m_window.from(), m_window.to(), columns, m_maxGapMs, plot.curve.step});
    while (plot.runs.size() < drawn.runs.size())
        addRun(plot);
    plot.shown.resize(plot.runs.size());
    for (std::size_t i = 0; i < plot.runs.size(); ++i) {
        QLineSeries* run = plot.runs[i];
        QList<QPointF>& shown = plot.shown[i];
        if (i >= drawn.runs.size()) {
            if (!shown.isEmpty()) run->clear();
            shown.clear();
            continue;
        }
        QList<QPointF> points = chartPoints(drawn.runs[i]);
        if (points == shown) continue;
        run->replace(points);
        shown = std::move(points);
        // A lone sample between two gaps has no line to show it: a dot does.
        const bool lone = shown.size() == 1;
        if (run->pointsVisible() != lone) run->setPointsVisible(lone);
    }
    plot.stats = drawn.stats;
}

void TrendChart::fitAxes() {
    for (UnitAxis& a : m_unitAxes) {
        double lo = std::numeric_limits<double>::infinity();
        double hi = -lo;
        for (const Plot& plot : m_plots) {
            if (plot.axis != a.axis || plot.stats.count == 0) continue;
            lo = std::min(lo, plot.stats.min);
            hi = std::max(hi, plot.stats.max);
        }
        if (!(lo <= hi)) continue; // nothing in view: keep the scale
        if (lo == a.lo && hi == a.hi) continue;
        a.lo = lo;
        a.hi = hi;
        const AxisScale scale = niceScale(lo, hi, kMaxTicks);
        a.axis->setRange(scale.lo, scale.hi);
        a.axis->setTickCount(scale.ticks);
        a.axis->setLabelFormat(QStringLiteral("%.") + QString::number(scale.decimals) + QLatin1Char('f'));
    }
}

void TrendChart::fitTimeAxis() {
    const qint64 span = m_window.span();
    const QDateTime from = QDateTime::fromMSecsSinceEpoch(m_window.from());
    const QDateTime to = QDateTime::fromMSecsSinceEpoch(m_window.to());
    m_timeAxis->setFormat(span <= 10 * TimeWindow::kMinute        ? QStringLiteral("HH:mm:ss")
                          : span <= 12 * 60 * TimeWindow::kMinute ? QStringLiteral("HH:mm")
                                                                  : QStringLiteral("MM-dd HH:mm"));
    m_timeAxis->setRange(from, to);
    const QString day = QStringLiteral("yyyy-MM-dd");
    m_timeAxis->setTitleText(from.date() == to.date()
                                 ? from.toString(day)
                                 : from.toString(day) + QStringLiteral(" — ") + to.toString(day));
}

void TrendChart::fillStats() {
    for (int row = 0; row < int(m_plots.size()); ++row) {
        const Plot& plot = m_plots[std::size_t(row)];
        const int decimals = plot.curve.decimals;
        m_table->item(row, MinColumn)->setText(valueText(plot.stats.min, decimals));
        m_table->item(row, MaxColumn)->setText(valueText(plot.stats.max, decimals));
        // The mean carries one decimal more than the readings, so it tells something they do not.
        m_table->item(row, MeanColumn)->setText(valueText(plot.stats.mean, decimals + 1));
    }
}

qint64 TrendChart::snapped(qint64 t) const {
    if (m_curves.isEmpty() || !m_source) return t;
    const SeriesView view = m_source->series(m_curves.front().key);
    const std::ptrdiff_t i = sampleAt(view, t, false, m_maxGapMs);
    return i < 0 ? t : view.t[i];
}

void TrendChart::setHoverTime(std::optional<qint64> t) {
    if (t == m_hover) return;
    m_hover = t;
    updateCursors();
}

void TrendChart::placeCursor(qint64 t) {
    (m_nextIsB ? m_cursorB : m_cursorA) = snapped(t);
    m_nextIsB = !m_nextIsB;
    updateCursors();
}

void TrendChart::clearCursors() {
    m_cursorA.reset();
    m_cursorB.reset();
    m_nextIsB = false;
    updateCursors();
}

std::optional<qint64> TrendChart::timeAt(QPointF viewPosition) const {
    if (!m_chart) return std::nullopt;
    const QRectF area = m_chart->plotArea();
    if (area.width() <= 0) return std::nullopt;
    const QPointF p = m_chart->mapFromScene(m_canvas->mapToScene(viewPosition.toPoint()));
    if (p.x() < area.left() || p.x() > area.right()) return std::nullopt;
    const double share = (p.x() - area.left()) / area.width();
    return m_window.from() + qint64(std::llround(share * double(m_window.span())));
}

std::optional<QPointF> TrendChart::viewPositionOf(qint64 t) const {
    if (!m_chart) return std::nullopt;
    const QRectF area = m_chart->plotArea();
    if (area.width() <= 0 || t < m_window.from() || t > m_window.to()) return std::nullopt;
    const double x = area.left() + double(t - m_window.from()) / double(m_window.span()) * area.width();
    return QPointF(m_canvas->mapFromScene(m_chart->mapToScene(QPointF(x, area.center().y()))));
}

void TrendChart::placeLine(QGraphicsLineItem* line, QGraphicsSimpleTextItem* mark, std::optional<qint64> t) {
    const QRectF area = m_chart->plotArea();
    const bool shown = t && *t >= m_window.from() && *t <= m_window.to() && area.width() > 0;
    line->setVisible(shown);
    if (mark) mark->setVisible(shown);
    if (!shown) return;
    const double x = area.left() + double(*t - m_window.from()) / double(m_window.span()) * area.width();
    line->setLine(x, area.top(), x, area.bottom());
    if (mark) mark->setPos(x + 2, area.top());
}

QString TrendChart::cursorTimeText(qint64 t) const {
    const QDateTime at = QDateTime::fromMSecsSinceEpoch(t);
    const bool oneDay = QDateTime::fromMSecsSinceEpoch(m_window.from()).date() ==
                        QDateTime::fromMSecsSinceEpoch(m_window.to()).date();
    return at.toString(oneDay ? QStringLiteral("HH:mm:ss") : QStringLiteral("MM-dd HH:mm:ss"));
}

void TrendChart::updateCursors() {
    if (m_chart) {
        placeLine(m_hoverLine, nullptr, m_hover);
        placeLine(m_lineA, m_markA, m_cursorA);
        placeLine(m_lineB, m_markB, m_cursorB);
    }
    const auto header = [this](int column, const QString& caption, std::optional<qint64> t) {
        m_table->horizontalHeaderItem(column)->setText(t ? caption + QLatin1Char('\n') + cursorTimeText(*t)
                                                         : caption);
    };
    header(HoverColumn, trendtext::kHover, m_hover);
    header(AColumn, trendtext::kCursorA, m_cursorA);
    header(BColumn, trendtext::kCursorB, m_cursorB);
    m_table->horizontalHeaderItem(DeltaColumn)
        ->setText(m_cursorA && m_cursorB
                      ? trendtext::kDelta + QLatin1Char('\n') + durationText(*m_cursorB - *m_cursorA)
                      : trendtext::kDelta);

    const auto valueAt = [this](const Curve& curve, std::optional<qint64> t) {
        if (!t || !m_source) return std::numeric_limits<double>::quiet_NaN();
        const SeriesView view = m_source->series(curve.key);
        const std::ptrdiff_t i = sampleAt(view, *t, curve.step, m_maxGapMs);
        return i < 0 ? std::numeric_limits<double>::quiet_NaN() : view.v[i];
    };
    for (int row = 0; row < m_curves.size(); ++row) {
        const Curve& curve = m_curves[row];
        const double a = valueAt(curve, m_cursorA);
        const double b = valueAt(curve, m_cursorB);
        m_table->item(row, HoverColumn)->setText(valueText(valueAt(curve, m_hover), curve.decimals));
        m_table->item(row, AColumn)->setText(valueText(a, curve.decimals));
        m_table->item(row, BColumn)->setText(valueText(b, curve.decimals));
        m_table->item(row, DeltaColumn)->setText(deltaText(b - a, curve.decimals));
    }
}

QList<QList<QPointF>> TrendChart::drawnLines(const QString& key) const {
    QList<QList<QPointF>> out;
    for (const Plot& plot : m_plots) {
        if (plot.curve.key != key) continue;
        for (const QLineSeries* run : plot.runs) {
            const QList<QPointF> points = run->points();
            if (points.isEmpty()) continue;
            if (!out.isEmpty() && out.last().last() == points.first())
                out.last().append(points.mid(1));
            else
                out.append(points);
        }
    }
    return out;
}

RangeStats TrendChart::statsOf(const QString& key) const {
    for (const Plot& plot : m_plots)
        if (plot.curve.key == key) return plot.stats;
    return {};
}

QValueAxis* TrendChart::valueAxisOf(const QString& key) const {
    for (const Plot& plot : m_plots)
        if (plot.curve.key == key) return plot.axis;
    return nullptr;
}

} // namespace trends
