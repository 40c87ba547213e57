// The visible range: following the newest sample, zoom about the mouse, pan, and the span limits.
#include "trends/time_window.h"

#include <QTest>

using trends::TimeWindow;

namespace {

constexpr qint64 kMin = TimeWindow::kMinute;

// Steps written as "follow N", "newest N", "span N", "zoom ANCHOR FACTOR", "pan N", "range A B".
void run(TimeWindow& w, const QStringList& steps) {
    for (const QString& step : steps) {
        const QStringList p = step.split(QLatin1Char(' '));
        const QString& verb = p[0];
        if (verb == QLatin1String("follow"))
            w.follow(p[1].toLongLong());
        else if (verb == QLatin1String("newest"))
            w.newestAt(p[1].toLongLong());
        else if (verb == QLatin1String("span"))
            w.setSpan(p[1].toLongLong());
        else if (verb == QLatin1String("zoom"))
            w.zoomAt(p[1].toLongLong(), p[2].toDouble());
        else if (verb == QLatin1String("pan"))
            w.panBy(p[1].toLongLong());
        else if (verb == QLatin1String("range"))
            w.setRange(p[1].toLongLong(), p[2].toLongLong());
        else
            QFAIL(qPrintable(step));
    }
}

QString ms(qint64 v) {
    return QString::number(v);
}

} // namespace

class TestTimeWindow : public QObject {
    Q_OBJECT
private slots:
    void steps_data();
    void steps();
    void newestMovesOnlyAFollowingWindow();
};

void TestTimeWindow::steps_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<qint64>("from");
    QTest::addColumn<qint64>("to");
    QTest::addColumn<bool>("following");
    // While following, the range runs a tenth of its span ahead of the newest sample.
    QTest::newRow("following: the newest in the last tenth")
        << QStringList{"span " + ms(5 * kMin), "follow 1000000", "newest 1002000"} << 1030000 - 5 * kMin
        << qint64(1030000) << true;
    QTest::newRow("following: on a tenth once the newest passes the end")
        << QStringList{"span " + ms(10 * kMin), "follow 0", "newest 60000", "newest 62000"}
        << 122000 - 10 * kMin << qint64(122000) << true;
    QTest::newRow("zoom in while following keeps the newest in view")
        << QStringList{"span " + ms(10 * kMin), "follow 6000000", "zoom 5000000 0.5"} << 6030000 - 5 * kMin
        << qint64(6030000) << true;
    QTest::newRow("zoom in about the mouse")
        << QStringList{"range 0 " + ms(40 * kMin), "zoom " + ms(10 * kMin) + " 0.5"} << 5 * kMin << 25 * kMin
        << false;
    QTest::newRow("zoom out about the mouse")
        << QStringList{"range 0 " + ms(20 * kMin), "zoom 0 2"} << qint64(0) << 40 * kMin << false;
    QTest::newRow("zoom in stops at a minute")
        << QStringList{"range 0 " + ms(2 * kMin), "zoom 0 0.01"} << qint64(0) << kMin << false;
    QTest::newRow("zoom out stops at a day") << QStringList{"range 0 " + ms(20 * 60 * kMin), "zoom 0 100"}
                                             << qint64(0) << TimeWindow::kDay << false;
    QTest::newRow("pan stops following") << QStringList{"span " + ms(kMin), "follow 600000", "pan -30000"}
                                         << qint64(516000) << qint64(576000) << false;
    QTest::newRow("span kept within the limits")
        << QStringList{"follow 0", "span 5"} << qint64(-54000) << qint64(6000) << true;
    QTest::newRow("a new span keeps the end")
        << QStringList{"range 0 " + ms(10 * kMin), "span " + ms(kMin)} << 9 * kMin << 10 * kMin << false;
    QTest::newRow("follow again after a pan")
        << QStringList{"span " + ms(kMin), "follow 600000", "pan -5000", "follow 700000"} << qint64(646000)
        << qint64(706000) << true;
}

void TestTimeWindow::steps() {
    QFETCH(QStringList, steps);
    QFETCH(qint64, from);
    QFETCH(qint64, to);
    QFETCH(bool, following);
    TimeWindow w;
    run(w, steps);
    QCOMPARE(w.from(), from);
    QCOMPARE(w.to(), to);
    QCOMPARE(w.following(), following);
}

void TestTimeWindow::newestMovesOnlyAFollowingWindow() {
    TimeWindow w; // ten minutes: a minute ahead
    w.follow(1000);
    QVERIFY(!w.newestAt(61000));
    QVERIFY(w.newestAt(61001));
    QCOMPARE(w.to(), 121001);
    w.panBy(-500);
    QVERIFY(!w.newestAt(500000));
    QCOMPARE(w.to(), 120501);
}

QTEST_APPLESS_MAIN(TestTimeWindow)
#include "test_time_window.moc"
