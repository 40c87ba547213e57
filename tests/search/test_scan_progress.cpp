// The time-left estimate and the clock texts of the search window and the command line.
#include "search/scan_progress.h"

#include <QTest>

using scanprogress::Progress;
Q_DECLARE_METATYPE(Progress)

class TestScanProgress : public QObject {
    Q_OBJECT
private slots:
    void estimate_data();
    void estimate();
    void clockText_data();
    void clockText();
};

void TestScanProgress::estimate_data() {
    QTest::addColumn<Progress>("progress");
    QTest::addColumn<qint64>("leftMs");
    QTest::newRow("nothing done: unknown") << Progress{0, 200, 0, 5000, 0} << qint64(-1);
    QTest::newRow("empty range: unknown") << Progress{0, 0, 0, 0, 0} << qint64(-1);
    QTest::newRow("standard pace, 10 of 200") << Progress{10, 200, 1, 13600, 0} << qint64(190 * 1360);
    QTest::newRow("all done, second look pending") << Progress{247, 247, 18, 16000, 800} << qint64(800);
    QTest::newRow("done beyond total never negative") << Progress{250, 247, 0, 1000, 0} << qint64(0);
}

void TestScanProgress::estimate() {
    QFETCH(Progress, progress);
    QFETCH(qint64, leftMs);
    QCOMPARE(scanprogress::estimateLeftMs(progress), leftMs);
}

void TestScanProgress::clockText_data() {
    QTest::addColumn<qint64>("ms");
    QTest::addColumn<QString>("text");
    QTest::newRow("unknown") << qint64(-1) << "--:--";
    QTest::newRow("zero") << qint64(0) << "0:00";
    QTest::newRow("rounds to the nearer second") << qint64(6500) << "0:07";
    QTest::newRow("minutes") << qint64(336000) << "5:36";
    QTest::newRow("hours pad the minutes") << qint64(3723000) << "1:02:03";
}

void TestScanProgress::clockText() {
    QFETCH(qint64, ms);
    QFETCH(QString, text);
    QCOMPARE(scanprogress::clockText(ms), text);
}

QTEST_GUILESS_MAIN(TestScanProgress)
#include "test_scan_progress.moc"
