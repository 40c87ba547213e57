// The plotter draws block by block and keeps what it drew: after any change to the samples its
// lines and statistics equal those drawn from nothing, lines meet across blocks unless a gap lies
// between, and a poll added at the end redraws only the last block or two.
#include "trends/series_plotter.h"
#include "trends/trend_buffer.h"

#include <QRandomGenerator>
#include <QTest>

#include <cmath>

using trends::PlotPoint;
using trends::Run;

namespace {

constexpr qint64 kPoll = 2000;
constexpr qint64 kStart = 1'780'000'000'000;

protocol::Sample poll(qint64 t, double value, bool answered = true) {
    protocol::Sample s;
    s.epochMs = t;
    if (!answered) {
        s.verdict = QStringLiteral("no reply");
        return s;
    }
    s.readings.push_back({QStringLiteral("PV"), QString(), QString(), 1, value});
    return s;
}

QString text(const trends::SeriesPlot& plot) {
    QStringList runs;
    for (const Run& run : plot.runs) {
        QStringList points;
        for (const PlotPoint& p : run)
            points << QStringLiteral("%1:%2").arg(p.t).arg(p.v);
        runs << points.join(' ');
    }
    const trends::RangeStats& s = plot.stats;
    return runs.join(QStringLiteral(" | ")) + QStringLiteral(" / %1 %2 %3 %4 %5")
                                                  .arg(s.count)
                                                  .arg(s.gaps)
                                                  .arg(s.min)
                                                  .arg(s.max)
                                                  .arg(s.mean, 0, 'g', 12);
}

bool same(const trends::SeriesPlot& a, const trends::SeriesPlot& b) {
    const auto points = [](const trends::SeriesPlot& p) {
        std::vector<std::pair<qint64, double>> out;
        for (const Run& run : p.runs) {
            for (const PlotPoint& q : run)
                out.emplace_back(q.t, q.v);
            out.emplace_back(-1, 0); // where a run ends
        }
        return out;
    };
    const trends::RangeStats &x = a.stats, &y = b.stats;
    return points(a) == points(b) && x.count == y.count && x.gaps == y.gaps &&
           (x.count == 0 || (x.min == y.min && x.max == y.max && std::abs(x.mean - y.mean) < 1e-9));
}

} // namespace

class TestSeriesPlotter : public QObject {
    Q_OBJECT
private slots:
    void keptBlocksDrawTheSame_data();
    void keptBlocksDrawTheSame();
    void linesMeetUnlessAGapLiesBetween_data();
    void linesMeetUnlessAGapLiesBetween();
    void statsOfTheRange_data();
    void statsOfTheRange();
};

void TestSeriesPlotter::keptBlocksDrawTheSame_data() {
    QTest::addColumn<QString>("story"); // what happens to the samples between two drawings
    QTest::addColumn<bool>("step");
    QTest::addColumn<int>("mostBlocksPerPoll");
    QTest::newRow("polls appended") << "append" << false << 2;
    QTest::newRow("polls appended, drawn as steps") << "append" << true << 2;
    QTest::newRow("polls appended with some missed") << "miss" << false << 2;
    QTest::newRow("a pause in polling") << "pause" << false << 2;
    QTest::newRow("clock set back: a poll lands earlier") << "back" << false << 64;
    QTest::newRow("old polls dropped at the start") << "trim" << false << 64;
}

void TestSeriesPlotter::keptBlocksDrawTheSame() {
    QFETCH(QString, story);
    QFETCH(bool, step);
    QFETCH(int, mostBlocksPerPoll);
    QRandomGenerator random(11);
    // Keeps a little over an hour, so the story of dropping old polls happens quickly.
    trends::TrendBuffer buffer(story == QLatin1String("trim") ? 3600 * 1000 : trends::TrendBuffer::kKeepMs);
    qint64 t = kStart;
    const auto value = [&] { return step ? double(random.bounded(2)) : random.bounded(100.0); };
    // When dropping, the first batch of old polls leaves a few dozen polls into the story.
    const int first =
        story == QLatin1String("trim") ? 1800 + int(trends::TrendBuffer::kTrimBatch) - 50 : 3000;
    for (int i = 0; i < first; ++i, t += kPoll)
        buffer.append(poll(t, value()));
    const qint64 oldest = buffer.firstTime();

    trends::SeriesPlotter kept;
    const trends::PlotRequest request{kStart, kStart + 3 * 3600 * 1000, 700, 5000, step};
    kept.plot(buffer.series(QStringLiteral("PV")), request);
    for (int i = 0; i < 200; ++i, t += kPoll) {
        if (story == QLatin1String("miss") && i % 7 == 0)
            buffer.append(poll(t, 0, false));
        else if (story == QLatin1String("pause") && i == 100)
            t += 60 * 1000;
        else if (story == QLatin1String("back") && i % 50 == 0)
            buffer.append(poll(t - 3600 * 1000 + 1, value()));
        else
            buffer.append(poll(t, value()));

        const std::size_t before = kept.blocksComputed();
        const trends::SeriesView view = buffer.series(QStringLiteral("PV"));
        const trends::SeriesPlot drawn = kept.plot(view, request);
        trends::SeriesPlotter fresh;
        const trends::SeriesPlot anew = fresh.plot(view, request);
        if (!same(drawn, anew)) QCOMPARE(text(drawn), text(anew));
        QVERIFY2(kept.blocksComputed() - before <= std::size_t(mostBlocksPerPoll),
                 qPrintable(QStringLiteral("poll %1: %2 blocks").arg(i).arg(kept.blocksComputed() - before)));
    }
    QCOMPARE(buffer.firstTime() != oldest, story == QLatin1String("trim"));
}

void TestSeriesPlotter::linesMeetUnlessAGapLiesBetween_data() {
    QTest::addColumn<int>("columns");
    QTest::addColumn<qint64>("span");
    QTest::addColumn<bool>("step");
    QTest::addColumn<int>("missEvery");
    QTest::addColumn<int>("pauseEvery");
    QTest::newRow("a day on 900 columns") << 900 << qint64(86400 * 1000) << false << 1231 << 997;
    QTest::newRow("a day of steps") << 900 << qint64(86400 * 1000) << true << 1231 << 997;
    QTest::newRow("ten minutes: a few polls a block") << 900 << qint64(600 * 1000) << false << 5 << 97;
    QTest::newRow("ten minutes of steps") << 900 << qint64(600 * 1000) << true << 5 << 97;
}

// Two runs in a row either meet (the second starts where the first ended) or have a missed poll
// or a pause too long between them; and no run holds a point without a value.
void TestSeriesPlotter::linesMeetUnlessAGapLiesBetween() {
    QFETCH(int, columns);
    QFETCH(qint64, span);
    QFETCH(bool, step);
    QFETCH(int, missEvery);
    QFETCH(int, pauseEvery);
    constexpr qint64 kMaxGap = 5000;
    QRandomGenerator random(5);
    trends::TrendBuffer buffer;
    qint64 t = kStart;
    for (int i = 0; i < 43200; ++i, t += kPoll) {
        if (i % pauseEvery == 0) t += 20 * 1000; // a pause
        buffer.append(poll(t, step ? double(random.bounded(2)) : random.bounded(10.0), i % missEvery != 0));
    }
    const trends::SeriesView view = buffer.series(QStringLiteral("PV"));
    const qint64 to = view.t[view.n - 1] - 1000;
    trends::SeriesPlotter plotter;
    const auto plot = plotter.plot(view, {to - span, to, columns, kMaxGap, step});
    QVERIFY(plot.runs.size() > 1);
    // Whether a missed poll or a pause lies between two times.
    const auto gapBetween = [&](qint64 a, qint64 b) {
        std::size_t i = std::size_t(std::upper_bound(view.t, view.t + view.n, a) - view.t);
        bool gap = i < view.n && view.t[i] - a > kMaxGap;
        for (; i < view.n && view.t[i] <= b && !gap; ++i)
            gap = std::isnan(view.v[i]) ||
                  (i + 1 < view.n && view.t[i + 1] - view.t[i] > kMaxGap && view.t[i] < b);
        return gap;
    };
    // With a few polls a column every poll is drawn, so no segment may cross a gap either.
    const bool everyPollDrawn = span / columns < kPoll;
    for (const Run& run : plot.runs)
        for (std::size_t i = 0; i < run.size(); ++i) {
            QVERIFY2(!run[i].isBreak(), qPrintable(QStringLiteral("no value at %1").arg(run[i].t)));
            if (everyPollDrawn && i > 0 && run[i - 1].t < run[i].t)
                QVERIFY2(!gapBetween(run[i - 1].t, run[i].t - 1),
                         qPrintable(QStringLiteral("a line across a gap at %1").arg(run[i - 1].t)));
        }
    for (std::size_t r = 1; r < plot.runs.size(); ++r) {
        const PlotPoint& end = plot.runs[r - 1].back();
        const PlotPoint& start = plot.runs[r].front();
        if (end.t == start.t && end.v == start.v) continue;
        QVERIFY2(gapBetween(end.t, start.t),
                 qPrintable(QStringLiteral("runs %1 and %2 part at %3 with nothing missed")
                                .arg(r - 1)
                                .arg(r)
                                .arg(end.t)));
    }
}

void TestSeriesPlotter::statsOfTheRange_data() {
    QTest::addColumn<qint64>("from"); // seconds after the first poll
    QTest::addColumn<qint64>("to");
    QTest::newRow("whole blocks and ragged ends") << qint64(777) << qint64(20001);
    QTest::newRow("inside one block") << qint64(100) << qint64(130);
    QTest::newRow("before the first poll") << qint64(-5000) << qint64(40);
    QTest::newRow("beyond the last poll") << qint64(80000) << qint64(90000);
}

void TestSeriesPlotter::statsOfTheRange() {
    QFETCH(qint64, from);
    QFETCH(qint64, to);
    trends::TrendBuffer buffer;
    for (int i = 0; i < 43200; ++i)
        buffer.append(poll(kStart + i * kPoll, std::sin(i / 50.0), i % 13 != 0));
    const trends::SeriesView view = buffer.series(QStringLiteral("PV"));
    const qint64 a = kStart + from * 1000;
    const qint64 b = kStart + to * 1000;
    trends::SeriesPlotter plotter;
    const trends::RangeStats got = plotter.plot(view, {a, b, 640, 0, false}).stats;
    const trends::RangeStats want = trends::statsIn(view, a, b);
    QCOMPARE(got.count, want.count);
    QCOMPARE(got.gaps, want.gaps);
    if (want.count == 0) return;
    QCOMPARE(got.min, want.min);
    QCOMPARE(got.max, want.max);
    QVERIFY(std::abs(got.mean - want.mean) < 1e-9);
}

QTEST_APPLESS_MAIN(TestSeriesPlotter)
#include "test_series_plotter.moc"
