// A scan of addresses 1 to 3 through the real windows, the real serial link and commtest-sim: the
// list holds exactly the three instruments there, in the order they answered, whether the line is
// clean, echoes our requests back or carries noise in front of the replies.
#include "bench.h"

#include <QRegularExpression>
#include <QTest>

namespace {
const QString kTwoAlarmMeter = QStringLiteral("LED系列——四位双报警单显表");
const QString kFourAlarmMeter = QStringLiteral("LED系列——四位四报警单显表");
const QString kFiveDigitMeter = QStringLiteral("LED系列——五位四报警单显表");
// The default bus holds every catalogue type at addresses 1 to 18, in catalogue order.
const QStringList kDefaultFirstThree = {kTwoAlarmMeter, kFourAlarmMeter, kFiveDigitMeter};
// Three send intervals for the requests and one for the closing tick.
constexpr qint64 kScanMs = 4 * kQuickScan.sendMs;
} // namespace

class TestE2eScan : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void listsTheInstrumentsInRange_data();
    void listsTheInstrumentsInRange();

private:
    std::unique_ptr<Bench> m_bench;
};

void TestE2eScan::init() {
    m_bench = std::make_unique<Bench>();
    QString why;
    QVERIFY2(m_bench->isReady(&why), qPrintable(why));
}

void TestE2eScan::cleanup() {
    const bool clean = m_bench->sim().stop();
    if (QTest::currentTestFailed()) qWarning().noquote() << "simulator log:\n" << m_bench->sim().log();
    m_bench.reset();
    QVERIFY2(clean, "the simulator did not end cleanly");
}

void TestE2eScan::listsTheInstrumentsInRange_data() {
    QTest::addColumn<QStringList>("simArguments");
    QTest::addColumn<QStringList>("models");

    QTest::newRow("default bus") << QStringList{} << kDefaultFirstThree;
    // Address 4 answers too, but lies outside the range.
    QTest::newRow("instruments given one by one")
        << QStringList{"--instrument", "1:8E", "--instrument", "2:1F",
                       "--instrument", "3:96", "--instrument", "4:0A"}
        << QStringList{QStringLiteral("LCD系列——3路无纸记录仪表"), QStringLiteral("MODEL系列——三相电量模块"),
                       QStringLiteral("LCD系列——多路巡检仪")};
    QTest::newRow("adapter echoes each request") << QStringList{"--echo"} << kDefaultFirstThree;
    QTest::newRow("junk byte before each reply") << QStringList{"--noise"} << kDefaultFirstThree;
}

void TestE2eScan::listsTheInstrumentsInRange() {
    QFETCH(QStringList, simArguments);
    QFETCH(QStringList, models);
    QVERIFY2(m_bench->sim().start(simArguments), qPrintable(m_bench->sim().error()));

    const Bench::ScanRun run = m_bench->startUpScan(1, 3);
    qInfo("scan took %lld ms", run.ms);

    QVERIFY(run.dialogDriven);
    QVERIFY(run.searchingShown);
    QVERIFY2(!run.searchingForced, "the scan window did not close after the last address");
    QVERIFY2(run.ms >= kScanMs && run.ms < kScanMs + 3000, qPrintable(QString::number(run.ms)));
    QVERIFY2(m_bench->messages().isEmpty(), qPrintable(m_bench->messageText()));

    QList<QStringList> expected;
    for (int i = 0; i < models.size(); ++i)
        expected << QStringList{QString::number(i + 1), QStringLiteral("000%1（0x0%1H）").arg(i + 1),
                                models[i], QString()};
    // 备注 holds each scan reply's round trip, within the reply window of its request.
    QList<QStringList> listed = m_bench->listedRows();
    for (QStringList& row : listed) {
        const QRegularExpressionMatch m =
            QRegularExpression(QStringLiteral("^(\\d+) ms$")).match(row.value(3));
        QVERIFY2(m.hasMatch() && m.captured(1).toInt() < kQuickScan.sendMs, qPrintable(row.value(3)));
        row[3].clear();
    }
    QCOMPARE(listed, expected);
    // One request to each address of the range and to nothing else.
    QCOMPARE(m_bench->sim().logLines(QStringLiteral("<-")), 3);

    QString why;
    QVERIFY2(m_bench->portIsFree(&why), qPrintable(why));
}

QTEST_MAIN(TestE2eScan)
#include "test_e2e_scan.moc"
