// An instrument that answers once and then falls silent: the diagnosis window keeps showing its
// last values while its requests go unanswered, and says nothing about it.
#include "bench.h"

#include "app/main_window.h"
#include "search/instrument_list.h"

#include <QTest>

namespace {
// Each answers one request only.
const QStringList kBus = {"--instrument", "1:02", "--instrument", "2:8E", "--silent", "1", "--silent", "2"};
// Requests that go unanswered before the window is left.
constexpr int kUnanswered = 2;
// Receive ticks after the last of them, so the emptied buffer has been looked at.
constexpr int kSettleMs = 4 * kQuickDiagnosis.receiveMs;
} // namespace

class TestE2eSilent : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void keepsTheLastValues_data();
    void keepsTheLastValues();

private:
    std::unique_ptr<Bench> m_bench;
};

void TestE2eSilent::initTestCase() {
    m_bench = std::make_unique<Bench>();
    QString why;
    QVERIFY2(m_bench->isReady(&why), qPrintable(why));
    QVERIFY2(m_bench->sim().start(kBus), qPrintable(m_bench->sim().error()));
    // A scan would use up the one answer, so the rows are written as a scan writes them.
    InstrumentList& list = m_bench->mainWindow().instruments();
    list.addRow();
    const QList<int> typeCodes = {0x02, 0x8E};
    for (int row = 1; row <= 2; ++row) {
        Instrument found;
        found.address = row;
        found.typeCode = typeCodes[row - 1];
        found.addressText = QByteArray("0") + QByteArray::number(row);
        list.setInstrument(row, found);
    }
    QCOMPARE(list.typeCell(1), singleDisplayMeter().model);
    QCOMPARE(list.typeCell(2), lcdRecorder().model);
}

void TestE2eSilent::cleanupTestCase() {
    if (!m_bench) return;
    const bool clean = m_bench->sim().stop();
    m_bench.reset();
    QVERIFY2(clean, "the simulator did not end cleanly");
}

void TestE2eSilent::keepsTheLastValues_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<FamilyPanel>("family");
    QTest::newRow("LED single display") << 1 << singleDisplayMeter();
    QTest::newRow("LCD recorder with pictured lamps") << 2 << lcdRecorder();
}

void TestE2eSilent::keepsTheLastValues() {
    QFETCH(int, row);
    QFETCH(FamilyPanel, family);
    SimProcess& sim = m_bench->sim();
    const int unansweredBefore = sim.logLines(QStringLiteral("--"));
    const int repliesBefore = sim.logLines(QStringLiteral("->"));
    QElapsedTimer settled;
    const auto silenceSeen = [&] {
        if (sim.logLines(QStringLiteral("--")) - unansweredBefore < kUnanswered) return false;
        if (!settled.isValid()) settled.start();
        return settled.elapsed() >= kSettleMs;
    };

    const Bench::DiagnosisRun run = m_bench->diagnose(row, family, silenceSeen);

    QVERIFY(run.shown);
    QVERIFY2(!run.forced, qPrintable(run.unseenText()));
    QCOMPARE(run.pagesSeen, QVector<bool>{true});
    QCOMPARE(sim.logLines(QStringLiteral("->")) - repliesBefore, 1);
    // Every look after the first reply found the same panel, through the unanswered requests.
    QVERIFY2(run.stray.isEmpty(), qPrintable(run.stray));
    QVERIFY2(m_bench->messages().isEmpty(), qPrintable(m_bench->messageText()));
    QString why;
    QVERIFY2(m_bench->portIsFree(&why), qPrintable(why));
}

QTEST_MAIN(TestE2eSilent)
#include "test_e2e_silent.moc"
