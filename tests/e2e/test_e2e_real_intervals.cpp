// The program at its own intervals, once: a scan slot of 1360 ms per address and a diagnosis
// window that asks every 2 s. The other end-to-end tests run the same windows at short intervals.
#include "bench.h"

#include <QTest>

namespace {
// Two requests and the closing tick.
constexpr qint64 kScanMs = 3 * engine::kScanIntervals.sendMs;
} // namespace

class TestE2eRealIntervals : public QObject {
    Q_OBJECT
private slots:
    void scanAndDiagnosisKeepTheirSlots();
};

void TestE2eRealIntervals::scanAndDiagnosisKeepTheirSlots() {
    Bench bench(engine::kScanIntervals, engine::kDiagnosisIntervals);
    QString why;
    QVERIFY2(bench.isReady(&why), qPrintable(why));
    QVERIFY2(bench.sim().start({}), qPrintable(bench.sim().error()));

    const Bench::ScanRun scan = bench.startUpScan(1, 2);
    qInfo("scan of two addresses took %lld ms", scan.ms);
    QVERIFY(scan.searchingShown && !scan.searchingForced);
    QVERIFY2(scan.ms >= kScanMs && scan.ms < kScanMs + 3000, qPrintable(QString::number(scan.ms)));
    QCOMPARE(bench.listedRows().size(), 2);
    QCOMPARE(bench.listedRows()[0].value(2), singleDisplayMeter().model);

    const Bench::DiagnosisRun run = bench.diagnose(1, singleDisplayMeter());
    qInfo("first values %lld ms after opening", run.firstPageMs);
    QVERIFY2(!run.forced, qPrintable(run.unseenText()));
    const int sendMs = engine::kDiagnosisIntervals.sendMs;
    QVERIFY2(run.firstPageMs >= sendMs && run.firstPageMs < sendMs + 1500,
             qPrintable(QString::number(run.firstPageMs)));
    QVERIFY2(bench.messages().isEmpty(), qPrintable(bench.messageText()));
    QVERIFY2(bench.portIsFree(&why), qPrintable(why));
    QVERIFY(bench.sim().stop());
}

QTEST_MAIN(TestE2eRealIntervals)
#include "test_e2e_real_intervals.moc"
