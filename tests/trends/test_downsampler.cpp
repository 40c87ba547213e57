// The downsampler: what a column of pixels shows of the samples under it. Each property is checked
// on the points against the raw samples, not against how the points were picked.
#include "trends/downsampler.h"

#include <QRandomGenerator>
#include <QTest>

#include <limits>

using trends::PlotPoint;

namespace {

constexpr qint64 kStart = 1'780'000'000'000; // a Tuesday in 2026, in milliseconds
constexpr qint64 kPoll = 2000;
constexpr double kGap = std::numeric_limits<double>::quiet_NaN();

struct Series {
    std::vector<qint64> t;
    std::vector<double> v;
    trends::SeriesView view() const { return {t.data(), v.data(), t.size()}; }
};

// n polls 2 s apart of a slow wave with a little noise.
Series wave(int n, quint32 seed = 7) {
    QRandomGenerator random(seed);
    Series s;
    for (int i = 0; i < n; ++i) {
        s.t.push_back(kStart + i * kPoll);
        s.v.push_back(50 + 20 * std::sin(i / 900.0) + random.bounded(1.0));
    }
    return s;
}

trends::DownsampleRange whole(const Series& s, int columns, qint64 maxGap = 0) {
    return {s.t.front(), s.t.back(), columns, maxGap};
}

std::vector<PlotPoint> valuesOnly(const std::vector<PlotPoint>& points) {
    std::vector<PlotPoint> out;
    for (const PlotPoint& p : points)
        if (!p.isBreak()) out.push_back(p);
    return out;
}

// Whether a drawn segment (two points with no break between) passes over time t.
bool segmentAcross(const std::vector<PlotPoint>& points, qint64 t) {
    for (std::size_t i = 1; i < points.size(); ++i)
        if (!points[i - 1].isBreak() && !points[i].isBreak() && points[i - 1].t < t && t < points[i].t)
            return true;
    return false;
}

} // namespace

class TestDownsampler : public QObject {
    Q_OBJECT
private slots:
    void everySampleInsideTheEnvelope_data();
    void everySampleInsideTheEnvelope();
    void gapsStayGaps_data();
    void gapsStayGaps();
    void everyColumnWithGapsBreaks();
    void flagsAreSteps_data();
    void flagsAreSteps();
    void pointCountBounded_data();
    void pointCountBounded();
    void fewSamples_data();
    void fewSamples();
};

void TestDownsampler::everySampleInsideTheEnvelope_data() {
    QTest::addColumn<int>("samples");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("spikeAt");
    QTest::addColumn<double>("spike");
    QTest::newRow("spike up in a day") << 43200 << 800 << 20011 << 900.0;
    QTest::newRow("spike down in a day") << 43200 << 800 << 31337 << -900.0;
    QTest::newRow("spike on the first sample") << 43200 << 640 << 0 << 500.0;
    QTest::newRow("spike on the last sample") << 43200 << 640 << 43199 << -500.0;
    QTest::newRow("one-poll spike in a week") << 302400 << 1200 << 150001 << 1e6;
    QTest::newRow("narrow chart") << 43200 << 3 << 777 << 80.5;
    QTest::newRow("few samples, kept whole") << 100 << 800 << 50 << 99.0;
}

// Within one column's width of every sample, the points reach at least as high and as low.
void TestDownsampler::everySampleInsideTheEnvelope() {
    QFETCH(int, samples);
    QFETCH(int, columns);
    QFETCH(int, spikeAt);
    QFETCH(double, spike);
    Series s = wave(samples);
    s.v[std::size_t(spikeAt)] = spike;
    const auto range = whole(s, columns);
    const auto points = valuesOnly(trends::downsample(s.view(), range));
    const qint64 width = trends::columnWidth(range);

    bool spikeDrawn = false;
    for (const PlotPoint& p : points)
        spikeDrawn |= p.t == s.t[std::size_t(spikeAt)] && p.v == spike;
    QVERIFY(spikeDrawn);

    std::size_t lo = 0;
    for (std::size_t i = 0; i < s.t.size(); ++i) {
        while (points[lo].t < s.t[i] - width)
            ++lo;
        double high = -std::numeric_limits<double>::infinity();
        double low = -high;
        for (std::size_t j = lo; j < points.size() && points[j].t <= s.t[i] + width; ++j) {
            high = std::max(high, points[j].v);
            low = std::min(low, points[j].v);
        }
        if (!(low <= s.v[i] && s.v[i] <= high))
            QFAIL(qPrintable(
                QStringLiteral("sample %1 (%2) outside [%3, %4]").arg(i).arg(s.v[i]).arg(low).arg(high)));
    }
}

void TestDownsampler::gapsStayGaps_data() {
    QTest::addColumn<int>("samples");
    QTest::addColumn<int>("columns");
    QTest::addColumn<QList<int>>("gaps");  // polls without a reply
    QTest::addColumn<QList<int>>("holes"); // polls that never happened
    QTest::addColumn<qint64>("maxGap");
    QTest::addColumn<int>("breaks");
    QTest::newRow("one missed poll among few")
        << 50 << 800 << QList<int>{20} << QList<int>{} << qint64(0) << 1;
    QTest::newRow("one missed poll in a day")
        << 43200 << 800 << QList<int>{21600} << QList<int>{} << qint64(0) << 1;
    QTest::newRow("missed polls far apart in a day")
        << 43200 << 800 << QList<int>{100, 9000, 30000} << QList<int>{} << qint64(0) << 3;
    QTest::newRow("missed run of polls")
        << 43200 << 800 << QList<int>{500, 501, 502, 503} << QList<int>{} << qint64(0) << 1;
    QTest::newRow("first poll missed: no break before the line")
        << 43200 << 800 << QList<int>{0} << QList<int>{} << qint64(0) << 0;
    QTest::newRow("last poll missed: no break after the line")
        << 43200 << 800 << QList<int>{43199} << QList<int>{} << qint64(0) << 0;
    QTest::newRow("recording paused longer than allowed")
        << 43200 << 800 << QList<int>{} << QList<int>{20000} << qint64(5000) << 1;
    QTest::newRow("pause among few samples")
        << 60 << 800 << QList<int>{} << QList<int>{30} << qint64(5000) << 1;
    QTest::newRow("pause joined when no limit is set")
        << 43200 << 800 << QList<int>{} << QList<int>{20000} << qint64(0) << 0;
}

// No drawn segment crosses a missed poll or a pause, and the breaks are where the gaps are.
void TestDownsampler::gapsStayGaps() {
    QFETCH(int, samples);
    QFETCH(int, columns);
    QFETCH(QList<int>, gaps);
    QFETCH(QList<int>, holes);
    QFETCH(qint64, maxGap);
    QFETCH(int, breaks);
    Series s = wave(samples);
    for (int g : gaps)
        s.v[std::size_t(g)] = kGap;
    for (int h : holes) // from here on, every poll an hour later
        for (std::size_t i = std::size_t(h); i < s.t.size(); ++i)
            s.t[i] += 3600 * 1000;
    const auto points = trends::downsample(s.view(), whole(s, columns, maxGap));

    int drawnBreaks = 0;
    for (const PlotPoint& p : points)
        drawnBreaks += p.isBreak();
    QCOMPARE(drawnBreaks, breaks);
    QVERIFY(!points.front().isBreak());
    QVERIFY(!points.back().isBreak());
    for (int g : gaps)
        QVERIFY2(!segmentAcross(points, s.t[std::size_t(g)]), qPrintable(QString::number(g)));
    for (int h : holes)
        if (maxGap > 0) QVERIFY(!segmentAcross(points, s.t[std::size_t(h)] - 1000));
}

// A column holding many missed polls shows a break, wherever in the chart it is.
void TestDownsampler::everyColumnWithGapsBreaks() {
    Series s = wave(43200);
    QRandomGenerator random(3);
    for (double& v : s.v)
        if (random.bounded(10) == 0) v = kGap;
    const auto range = whole(s, 400);
    const auto points = trends::downsample(s.view(), range);
    const qint64 width = trends::columnWidth(range);
    for (std::size_t i = 0; i < s.t.size(); ++i) {
        if (!std::isnan(s.v[i])) continue;
        // A break within one column's width of each missed poll.
        bool near = false;
        for (std::size_t j = 1; j + 1 < points.size() && !near; ++j)
            near = points[j].isBreak() && points[j - 1].t > s.t[i] - 2 * width &&
                   points[j + 1].t < s.t[i] + 2 * width;
        if (!near) QFAIL(qPrintable(QStringLiteral("no break near missed poll %1").arg(i)));
    }
}

void TestDownsampler::flagsAreSteps_data() {
    QTest::addColumn<int>("samples");
    QTest::addColumn<QList<int>>("onAt");
    QTest::addColumn<QList<int>>("gaps");
    QTest::newRow("alarm raised and cleared") << 20 << QList<int>{5, 6, 7, 8} << QList<int>{};
    QTest::newRow("one-poll alarm in a day") << 43200 << QList<int>{12345} << QList<int>{};
    QTest::newRow("alarm through a missed poll") << 20 << QList<int>{5, 6, 8, 9} << QList<int>{7};
    QTest::newRow("alarm chattering in a day")
        << 43200 << QList<int>{100, 102, 104, 106, 30000} << QList<int>{};
}

// Every drawn segment of a flag is flat or upright, and every raised flag is drawn at 1 within its
// column.
void TestDownsampler::flagsAreSteps() {
    QFETCH(int, samples);
    QFETCH(QList<int>, onAt);
    QFETCH(QList<int>, gaps);
    Series s;
    for (int i = 0; i < samples; ++i) {
        s.t.push_back(kStart + i * kPoll);
        s.v.push_back(onAt.contains(i) ? 1 : 0);
    }
    for (int g : gaps)
        s.v[std::size_t(g)] = kGap;
    const auto range = whole(s, 600);
    const auto points = trends::toSteps(trends::downsample(s.view(), range));
    for (std::size_t i = 1; i < points.size(); ++i) {
        const PlotPoint &p = points[i - 1], &q = points[i];
        if (p.isBreak() || q.isBreak()) continue;
        QVERIFY2(p.t == q.t || p.v == q.v, qPrintable(QStringLiteral("slope at point %1").arg(i)));
    }
    for (int on : onAt) {
        bool drawn = false;
        for (const PlotPoint& p : points)
            drawn |= std::abs(p.t - s.t[std::size_t(on)]) < trends::columnWidth(range) && p.v == 1;
        QVERIFY2(drawn, qPrintable(QString::number(on)));
    }
    for (int g : gaps)
        QVERIFY(!segmentAcross(points, s.t[std::size_t(g)]));
}

void TestDownsampler::pointCountBounded_data() {
    QTest::addColumn<int>("samples");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("gapEvery"); // 0: no gaps
    QTest::newRow("a day on 800 columns") << 43200 << 800 << 0;
    QTest::newRow("a week on 1200 columns") << 302400 << 1200 << 0;
    QTest::newRow("a day on one column") << 43200 << 1 << 0;
    QTest::newRow("a day, every 7th poll missed") << 43200 << 800 << 7;
    QTest::newRow("a week, every 3rd poll missed") << 302400 << 1000 << 3;
}

// At most four points per column (eight with a gap), plus the range's two edges.
void TestDownsampler::pointCountBounded() {
    QFETCH(int, samples);
    QFETCH(int, columns);
    QFETCH(int, gapEvery);
    Series s = wave(samples);
    if (gapEvery > 0)
        for (std::size_t i = 0; i < s.v.size(); i += std::size_t(gapEvery))
            s.v[i] = kGap;
    // A range that starts and ends between samples, so the edges come along.
    const trends::DownsampleRange range{s.t[10] + 1, s.t[s.t.size() - 10] - 1, columns, 0};
    const auto points = valuesOnly(trends::downsample(s.view(), range));
    const int perColumn = gapEvery > 0 ? trends::kPointsPerColumnWithGap : trends::kPointsPerColumn;
    // The columns sit on whole multiples of their width, so the range may touch one more.
    QVERIFY2(points.size() <= std::size_t(perColumn * (columns + 1) + 2),
             qPrintable(QString::number(points.size())));
    if (gapEvery == 0) {
        QVERIFY(points.front().t < range.from);
        QVERIFY(points.back().t > range.to);
    }
}

void TestDownsampler::fewSamples_data() {
    QTest::addColumn<QList<qint64>>("times");
    QTest::addColumn<QList<double>>("values");
    QTest::addColumn<qint64>("from");
    QTest::addColumn<qint64>("to");
    QTest::addColumn<QList<qint64>>("drawnTimes"); // -1 is a break
    QTest::newRow("empty series") << QList<qint64>{} << QList<double>{} << qint64(0) << qint64(100)
                                  << QList<qint64>{};
    QTest::newRow("one sample in range")
        << QList<qint64>{50} << QList<double>{3} << qint64(0) << qint64(100) << QList<qint64>{50};
    QTest::newRow("one missed poll only")
        << QList<qint64>{50} << QList<double>{kGap} << qint64(0) << qint64(100) << QList<qint64>{};
    QTest::newRow("nothing in range: the line across it")
        << QList<qint64>{10, 500} << QList<double>{1, 2} << qint64(100) << qint64(200)
        << QList<qint64>{10, 500};
    QTest::newRow("only older samples: the last one")
        << QList<qint64>{10, 20} << QList<double>{1, 2} << qint64(100) << qint64(200) << QList<qint64>{20};
    QTest::newRow("range given backwards")
        << QList<qint64>{50} << QList<double>{3} << qint64(100) << qint64(0) << QList<qint64>{};
    QTest::newRow("edges beyond a missed poll") << QList<qint64>{10, 150, 300} << QList<double>{1, kGap, 2}
                                                << qint64(100) << qint64(200) << QList<qint64>{10, -1, 300};
}

void TestDownsampler::fewSamples() {
    QFETCH(QList<qint64>, times);
    QFETCH(QList<double>, values);
    QFETCH(qint64, from);
    QFETCH(qint64, to);
    QFETCH(QList<qint64>, drawnTimes);
    Series s;
    s.t.assign(times.begin(), times.end());
    s.v.assign(values.begin(), values.end());
    QList<qint64> drawn;
    for (const PlotPoint& p : trends::downsample(s.view(), {from, to, 800, 0}))
        drawn << (p.isBreak() ? -1 : p.t);
    QCOMPARE(drawn, drawnTimes);
}

QTEST_APPLESS_MAIN(TestDownsampler)
#include "test_downsampler.moc"
