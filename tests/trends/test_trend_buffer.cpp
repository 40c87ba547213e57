// The live buffer: polls in, one series per reading out, gaps where there was no reply.
#include "trends/trend_buffer.h"

#include <QTest>

#include <cmath>

namespace {

// A poll written as text: "t:KEY=v,KEY=v" for an accepted reply, "t:!verdict" for none.
protocol::Sample poll(const QString& text) {
    protocol::Sample s;
    const int colon = text.indexOf(QLatin1Char(':'));
    s.epochMs = text.left(colon).toLongLong();
    const QString rest = text.mid(colon + 1);
    if (rest.startsWith(QLatin1Char('!'))) {
        s.verdict = rest.mid(1);
        return s;
    }
    for (const QString& pair : rest.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        protocol::Reading r;
        r.key = pair.section(QLatin1Char('='), 0, 0);
        r.value = pair.section(QLatin1Char('='), 1).toDouble();
        s.readings.push_back(r);
    }
    return s;
}

// A series as "t=v" items, "t=-" for a gap.
QStringList seriesText(const trends::TrendBuffer& buffer, const QString& key) {
    const trends::SeriesView view = buffer.series(key);
    QStringList out;
    for (std::size_t i = 0; i < view.n; ++i)
        out << QStringLiteral("%1=%2").arg(view.t[i]).arg(std::isnan(view.v[i]) ? QStringLiteral("-")
                                                                                : QString::number(view.v[i]));
    return out;
}

} // namespace

class TestTrendBuffer : public QObject {
    Q_OBJECT
private slots:
    void pollsBecomeSeries_data();
    void pollsBecomeSeries();
    void keepsADayAndTrimsInBatches();
};

void TestTrendBuffer::pollsBecomeSeries_data() {
    QTest::addColumn<QStringList>("polls");
    QTest::addColumn<QStringList>("pv");
    QTest::addColumn<QStringList>("al1");
    QTest::newRow("accepted replies") << QStringList{"1000:PV=1.5,AL1=0", "3000:PV=2,AL1=1"}
                                      << QStringList{"1000=1.5", "3000=2"} << QStringList{"1000=0", "3000=1"};
    QTest::newRow("no reply is a gap in every series")
        << QStringList{"1000:PV=1,AL1=0", "3000:!no reply", "5000:PV=3,AL1=1"}
        << QStringList{"1000=1", "3000=-", "5000=3"} << QStringList{"1000=0", "3000=-", "5000=1"};
    QTest::newRow("key first seen later: a gap before")
        << QStringList{"1000:PV=1", "3000:PV=2,AL1=1"} << QStringList{"1000=1", "3000=2"}
        << QStringList{"1000=-", "3000=1"};
    QTest::newRow("key missing from a poll: a gap there")
        << QStringList{"1000:PV=1,AL1=0", "3000:AL1=1"} << QStringList{"1000=1", "3000=-"}
        << QStringList{"1000=0", "3000=1"};
    QTest::newRow("clock set back: the poll goes where its time belongs")
        << QStringList{"1000:PV=1,AL1=0", "5000:PV=5,AL1=0", "3000:PV=3,AL1=1"}
        << QStringList{"1000=1", "3000=3", "5000=5"} << QStringList{"1000=0", "3000=1", "5000=0"};
    QTest::newRow("only failed polls: no series yet")
        << QStringList{"1000:!bad check"} << QStringList{} << QStringList{};
}

void TestTrendBuffer::pollsBecomeSeries() {
    QFETCH(QStringList, polls);
    QFETCH(QStringList, pv);
    QFETCH(QStringList, al1);
    trends::TrendBuffer buffer;
    for (const QString& p : polls)
        buffer.append(poll(p));
    QCOMPARE(buffer.size(), std::size_t(polls.size()));
    QCOMPARE(seriesText(buffer, QStringLiteral("PV")), pv);
    QCOMPARE(seriesText(buffer, QStringLiteral("AL1")), al1);
}

// A day of polls stays; older ones leave, a batch at a time, never leaving less than a day.
void TestTrendBuffer::keepsADayAndTrimsInBatches() {
    constexpr qint64 kPoll = 2000;
    trends::TrendBuffer buffer;
    const qint64 day = trends::TrendBuffer::kKeepMs;
    qint64 t = 0;
    for (; t <= day; t += kPoll)
        buffer.append(poll(QStringLiteral("%1:PV=1").arg(t)));
    QCOMPARE(buffer.firstTime(), 0);
    const std::size_t full = buffer.size();
    std::size_t smallest = full;
    for (int i = 0; i < 3 * int(trends::TrendBuffer::kTrimBatch); ++i, t += kPoll) {
        buffer.append(poll(QStringLiteral("%1:PV=1").arg(t)));
        QVERIFY(buffer.lastTime() - buffer.firstTime() >= day);
        smallest = std::min(smallest, buffer.size());
    }
    QCOMPARE(smallest, full);
    QVERIFY(buffer.size() < full + trends::TrendBuffer::kTrimBatch);
    QCOMPARE(buffer.series(QStringLiteral("PV")).n, buffer.size());
}

QTEST_APPLESS_MAIN(TestTrendBuffer)
#include "test_trend_buffer.moc"
