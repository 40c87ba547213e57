// What the trend charts cost. Live: the window following the newest poll with 24 hours (43,200
// polls at 2 s) in view; one poll added and the whole window painted, and the same view moved by a
// column (a pan, a zoom or the following view moving on: every line drawn anew). History: a week
// of one reading (302,400 polls) handed to a chart and drawn over the whole week. The window is
// 1280 x 800. Run with -median 9.
#include "trends/chart_canvas.h"
#include "trends/live_trend_window.h"
#include "trends/series_table.h"
#include "trends/trend_chart.h"

#include <QChart>
#include <QListWidget>
#include <QTest>

#include <cmath>

namespace {

constexpr qint64 kStart = 1'796'709'600'000; // 2026-12-08, in milliseconds
constexpr qint64 kPoll = 2000;
constexpr int kDay = 43200;
constexpr int kWeek = 7 * kDay;

double wave(int i, int k) {
    return 50 + 20 * std::sin(i / 900.0 + k) + (qint64(i) * 7919 % 100) / 100.0;
}

protocol::Sample poll(int i, int readings, int missEvery) {
    protocol::Sample s;
    s.epochMs = kStart + qint64(i) * kPoll;
    s.address = 1;
    if (missEvery > 0 && i % missEvery == 0) {
        s.verdict = QStringLiteral("no reply");
        return s;
    }
    s.typeCode = 0x25;
    for (int k = 0; k < readings; ++k)
        s.readings.push_back({QStringLiteral("CH%1").arg(k + 1, 2, 10, QLatin1Char('0')),
                              QStringLiteral("通道%1").arg(k + 1), QStringLiteral("℃"), 1, wave(i, k)});
    return s;
}

// Counts the paint events of the widget it watches.
struct PaintCounter : public QObject {
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        count += event->type() == QEvent::Paint;
        return false;
    }
};

} // namespace

class BenchTrends : public QObject {
    Q_OBJECT

    static void liveRows() {
        QTest::addColumn<int>("readings");
        QTest::addColumn<int>("missEvery");
        QTest::newRow("1 reading") << 1 << 0;
        QTest::newRow("4 readings") << 4 << 0;
        QTest::newRow("16 readings") << 16 << 0;
        QTest::newRow("4 readings, 1 poll in 10 missed") << 4 << 10;
    }

    // A day of polls in the window, every reading drawn, the window shown and painted once.
    static bool fillADay(trends::LiveTrendWindow& window, int readings, int missEvery) {
        window.resize(1280, 800);
        window.addSample(poll(1, readings, 0));
        for (int row = 0; row < window.readingList()->count(); ++row)
            window.readingList()->item(row)->setCheckState(Qt::Checked);
        for (int i = 2; i < kDay; ++i)
            window.addSample(poll(i, readings, missEvery));
        window.chart()->setSpan(trends::TrendBuffer::kKeepMs);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window)) return false;
        const bool laidOut =
            QTest::qWaitFor([&] { return window.chart()->chart()->plotArea().width() > 600; });
        // A few polls shown the ordinary way first, so what the first one sets up once is not
        // counted against every poll.
        for (int i = kDay; i < kDay + 3; ++i) {
            window.addSample(poll(i, readings, missEvery));
            QCoreApplication::processEvents();
        }
        window.grab();
        return laidOut;
    }

private slots:
    void livePollAndPaint_data() { liveRows(); }
    void livePollAndPaint() {
        QFETCH(int, readings);
        QFETCH(int, missEvery);
        trends::LiveTrendWindow window;
        QVERIFY(fillADay(window, readings, missEvery));
        int i = kDay + 3;
        QBENCHMARK {
            window.addSample(poll(i++, readings, missEvery));
            window.grab();
        }
    }

    void livePollAsShown_data() { liveRows(); }
    void livePollAsShown() {
        QFETCH(int, readings);
        QFETCH(int, missEvery);
        trends::LiveTrendWindow window;
        QVERIFY(fillADay(window, readings, missEvery));
        PaintCounter paints;
        window.chart()->canvas()->viewport()->installEventFilter(&paints);
        int i = kDay + 3;
        int answered = 0;
        QBENCHMARK {
            answered += missEvery == 0 || i % missEvery != 0;
            window.addSample(poll(i++, readings, missEvery));
            QCoreApplication::processEvents();
        }
        // Every answered poll was painted, not merely asked for (a missed one draws nothing new).
        QVERIFY2(paints.count >= answered,
                 qPrintable(QStringLiteral("%1 of %2").arg(paints.count).arg(answered)));
    }

    void liveViewMoves_data() { liveRows(); }
    void liveViewMoves() {
        QFETCH(int, readings);
        QFETCH(int, missEvery);
        trends::LiveTrendWindow window;
        QVERIFY(fillADay(window, readings, missEvery));
        trends::TrendChart* chart = window.chart();
        const qint64 column = chart->window().span() / qint64(chart->chart()->plotArea().width());
        qint64 step = -column;
        QBENCHMARK {
            chart->panBy(step);
            step = -step;
            window.grab();
        }
    }

    void historyWeek_data() {
        QTest::addColumn<int>("missEvery");
        QTest::newRow("a week of one reading") << 0;
        QTest::newRow("a week of one reading, 1 poll in 3 missed") << 3;
    }
    void historyWeek() {
        QFETCH(int, missEvery);
        trends::SeriesTable table;
        table.keys = QStringList{QStringLiteral("PV")};
        table.values.resize(1);
        for (int i = 0; i < kWeek; ++i) {
            table.timesMs.push_back(kStart + qint64(i) * kPoll);
            table.values[0].push_back(missEvery > 0 && i % missEvery == 0 ? std::nan("") : wave(i, 0));
        }
        const QVector<trends::Curve> curves{{"PV", "测量值", "℃", 1, false}};
        trends::TrendChart chart;
        chart.resize(1280, 800);
        chart.show();
        QVERIFY(QTest::qWaitForWindowExposed(&chart));
        QTRY_VERIFY(chart.chart() && chart.chart()->plotArea().width() > 600);
        // As the history browser hands over a range it has read: the week drawn from nothing.
        QBENCHMARK {
            chart.showSeries(&table, curves, table.timesMs.front(), table.timesMs.back(), 5000);
            chart.grab();
        }
    }
};

QTEST_MAIN(BenchTrends)
#include "trends.moc"
