// The diagnosis window of several instrument families on one simulated bus: after one scan of the
// bus, each listed instrument is opened from the main window, its rendered panel must come to
// show exactly what the simulator's constant replies mean, and the port must be free once the
// window has closed.
#include "bench.h"

#include <QTest>

namespace {
// One instrument per family, at the list rows (and addresses) 1 to 5.
const QStringList kBus = {"--instrument", "1:02",         "--instrument", "2:0E",         "--instrument",
                          "3:1E",         "--instrument", "4:8E",         "--instrument", "5:8A"};
const QList<FamilyPanel> kFamilies = {singleDisplayMeter(), ledPidController(), threePhaseMeter(),
                                      lcdRecorder(), lcdPidController()};
} // namespace

class TestE2eDiagnosis : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void showsWhatTheRepliesMean_data();
    void showsWhatTheRepliesMean();

private:
    std::unique_ptr<Bench> m_bench;
};

void TestE2eDiagnosis::initTestCase() {
    m_bench = std::make_unique<Bench>();
    QString why;
    QVERIFY2(m_bench->isReady(&why), qPrintable(why));
    QVERIFY2(m_bench->sim().start(kBus), qPrintable(m_bench->sim().error()));
    const Bench::ScanRun scan = m_bench->startUpScan(1, int(kFamilies.size()));
    QVERIFY(scan.searchingShown && !scan.searchingForced);
    QStringList listed;
    for (const QStringList& row : m_bench->listedRows())
        listed << row.value(2);
    QStringList wanted;
    for (const FamilyPanel& family : kFamilies)
        wanted << family.model;
    QCOMPARE(listed, wanted);
}

void TestE2eDiagnosis::cleanupTestCase() {
    if (!m_bench) return;
    const bool clean = m_bench->sim().stop();
    m_bench.reset();
    QVERIFY2(clean, "the simulator did not end cleanly");
}

void TestE2eDiagnosis::showsWhatTheRepliesMean_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<FamilyPanel>("family");
    QTest::newRow("LED single display 02") << 1 << kFamilies[0];
    QTest::newRow("LED PID controller 0E") << 2 << kFamilies[1];
    QTest::newRow("LED three-phase meter 1E") << 3 << kFamilies[2];
    QTest::newRow("LCD three-channel recorder 8E") << 4 << kFamilies[3];
    QTest::newRow("LCD PID controller 8A, both pages") << 5 << kFamilies[4];
}

void TestE2eDiagnosis::showsWhatTheRepliesMean() {
    QFETCH(int, row);
    QFETCH(FamilyPanel, family);
    const int repliesBefore = m_bench->sim().logLines(QStringLiteral("->"));

    const Bench::DiagnosisRun run = m_bench->diagnose(row, family);
    qInfo("first values %lld ms after opening", run.firstPageMs);

    QVERIFY(run.shown);
    QVERIFY2(!run.forced, qPrintable(run.unseenText()));
    QCOMPARE(run.pagesSeen, QVector<bool>(family.pages.size(), true));
    QVERIFY2(run.stray.isEmpty(), qPrintable(run.stray));
    // Nothing left over from earlier is shown: the first values come with the first request, one
    // send interval after opening.
    QVERIFY2(run.firstPageMs >= m_bench->diagnosisIntervals().sendMs,
             qPrintable(QString::number(run.firstPageMs)));
    QCOMPARE(run.front, family.front);
    QVERIFY(run.portBusyWhileShown);
    QCOMPARE(run.exitCaption, QStringLiteral("退出"));
    QVERIFY2(m_bench->messages().isEmpty(), qPrintable(m_bench->messageText()));
    QVERIFY(m_bench->sim().logLines(QStringLiteral("->")) > repliesBefore);

    QString why;
    QVERIFY2(m_bench->portIsFree(&why), qPrintable(why));
}

QTEST_MAIN(TestE2eDiagnosis)
#include "test_e2e_diagnosis.moc"
