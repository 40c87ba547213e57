// What the chart's table shows: statistics of the visible range, the sample under a cursor, and
// how values and time differences are written.
#include "trends/series_stats.h"
#include "trends/value_text.h"

#include <QTest>

#include <cmath>
#include <vector>

namespace {

constexpr double kGap = std::numeric_limits<double>::quiet_NaN();

// Polls at 0, 10, 20, 30, 40, 50 with a missed one at 30.
const std::vector<qint64> kT{0, 10, 20, 30, 40, 50};
const std::vector<double> kV{4, -2, 9, kGap, 1, 6};
const trends::SeriesView kSeries{kT.data(), kV.data(), kT.size()};

} // namespace

class TestSeriesStats : public QObject {
    Q_OBJECT
private slots:
    void statsOfTheRange_data();
    void statsOfTheRange();
    void cursorReadsASample_data();
    void cursorReadsASample();
    void texts_data();
    void texts();
};

void TestSeriesStats::statsOfTheRange_data() {
    QTest::addColumn<qint64>("from");
    QTest::addColumn<qint64>("to");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("gaps");
    QTest::addColumn<QString>("minMaxMean");
    QTest::newRow("all of it, the missed poll left out") << qint64(0) << qint64(50) << 5 << 1 << "-2 9 3.6";
    QTest::newRow("both ends included") << qint64(10) << qint64(20) << 2 << 0 << "-2 9 3.5";
    QTest::newRow("between samples") << qint64(11) << qint64(19) << 0 << 0 << "- - -";
    QTest::newRow("only the missed poll") << qint64(25) << qint64(35) << 0 << 1 << "- - -";
    QTest::newRow("backwards") << qint64(50) << qint64(0) << 0 << 0 << "- - -";
}

void TestSeriesStats::statsOfTheRange() {
    QFETCH(qint64, from);
    QFETCH(qint64, to);
    QFETCH(int, count);
    QFETCH(int, gaps);
    QFETCH(QString, minMaxMean);
    const trends::RangeStats stats = trends::statsIn(kSeries, from, to);
    QCOMPARE(int(stats.count), count);
    QCOMPARE(int(stats.gaps), gaps);
    const auto text = [](double v) { return std::isnan(v) ? QStringLiteral("-") : QString::number(v); };
    QCOMPARE(text(stats.min) + ' ' + text(stats.max) + ' ' + text(stats.mean), minMaxMean);
}

void TestSeriesStats::cursorReadsASample_data() {
    QTest::addColumn<qint64>("t");
    QTest::addColumn<bool>("step");
    QTest::addColumn<qint64>("maxDistance");
    QTest::addColumn<int>("index");
    QTest::newRow("line: nearer the earlier") << qint64(13) << false << qint64(0) << 1;
    QTest::newRow("line: nearer the later") << qint64(17) << false << qint64(0) << 2;
    QTest::newRow("line: halfway takes the earlier") << qint64(15) << false << qint64(0) << 1;
    QTest::newRow("line: on the missed poll") << qint64(29) << false << qint64(0) << 3;
    QTest::newRow("line: before the first") << qint64(-100) << false << qint64(0) << 0;
    QTest::newRow("line: too far after the last") << qint64(100) << false << qint64(20) << -1;
    QTest::newRow("steps: the value held") << qint64(19) << true << qint64(0) << 1;
    QTest::newRow("steps: on a sample") << qint64(20) << true << qint64(0) << 2;
    QTest::newRow("steps: before the first") << qint64(-1) << true << qint64(0) << -1;
    QTest::newRow("steps: held too long") << qint64(80) << true << qint64(20) << -1;
}

void TestSeriesStats::cursorReadsASample() {
    QFETCH(qint64, t);
    QFETCH(bool, step);
    QFETCH(qint64, maxDistance);
    QFETCH(int, index);
    QCOMPARE(int(trends::sampleAt(kSeries, t, step, maxDistance)), index);
    QCOMPARE(int(trends::sampleAt({}, t, step, maxDistance)), -1);
}

void TestSeriesStats::texts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("value with decimals") << trends::valueText(12.345, 2) << "12.35";
    QTest::newRow("negative value rounding to zero") << trends::valueText(-0.04, 1) << "0.0";
    QTest::newRow("no value") << trends::valueText(kGap, 1) << "—";
    QTest::newRow("rise") << trends::deltaText(1.5, 1) << "+1.5";
    QTest::newRow("fall") << trends::deltaText(-1.5, 1) << "-1.5";
    QTest::newRow("seconds") << trends::durationText(42000) << "00:00:42";
    QTest::newRow("milliseconds shown when there are any") << trends::durationText(61250) << "00:01:01.250";
    QTest::newRow("backwards") << trends::durationText(-3723000) << "-01:02:03";
    QTest::newRow("days") << trends::durationText(2 * 86400000LL + 5000) << "2天 00:00:05";
}

void TestSeriesStats::texts() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(text, expected);
}

QTEST_APPLESS_MAIN(TestSeriesStats)
#include "test_series_stats.moc"
