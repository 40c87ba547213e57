#include "tools/soak/resident_memory.h"
#include "tools/soak/soak_report.h"

#include <QTest>

namespace {

constexpr qint64 kMB = 1024 * 1024;

// A run with nothing wrong: replies accepted and shown, memory flat.
soak::SoakReport cleanRun() {
    soak::SoakReport r;
    r.requests = 100;
    r.accepted = 80;
    r.rejected = 8;
    r.unanswered = 12;
    r.viewCalls = 1500;
    r.residentAfterFirstRound = 100 * kMB;
    r.residentAtEnd = 100 * kMB;
    return r;
}

// Spoils one figure of a clean run.
using Spoil = void (*)(soak::SoakReport&);

} // namespace

Q_DECLARE_METATYPE(Spoil)

class TestSoakReport : public QObject {
    Q_OBJECT
private slots:
    void verdict_data() {
        QTest::addColumn<Spoil>("spoil");
        QTest::addColumn<QString>("failure"); // empty: the run passes
        QTest::newRow("clean run passes") << Spoil([](soak::SoakReport&) {}) << QString();
        QTest::newRow("memory grew just within the limit")
            << Spoil([](soak::SoakReport& r) { r.residentAtEnd = 105 * kMB; }) << QString();
        QTest::newRow("memory grew beyond the limit")
            << Spoil([](soak::SoakReport& r) { r.residentAtEnd = 105 * kMB + kMB / 10; })
            << "resident memory grew 5.1 %";
        QTest::newRow("memory unknown is no failure") << Spoil([](soak::SoakReport& r) {
            r.residentAfterFirstRound = -1;
            r.residentAtEnd = 500 * kMB;
        }) << QString();
        QTest::newRow("simulator ended")
            << Spoil([](soak::SoakReport& r) { r.simulatorEnds = 1; }) << "the simulator ended 1 time(s)";
        QTest::newRow("port lost") << Spoil([](soak::SoakReport& r) { r.portsLost = 2; })
                                   << "the port was lost 2 time(s)";
        QTest::newRow("message shown")
            << Spoil([](soak::SoakReport& r) { r.messages << QStringLiteral("错误: 断开"); })
            << "the windows showed 1 message(s)";
        QTest::newRow("nothing accepted") << Spoil([](soak::SoakReport& r) {
            r.accepted = 0;
            r.viewCalls = 0;
        }) << "no reply was accepted";
        QTest::newRow("accepted but never shown")
            << Spoil([](soak::SoakReport& r) { r.viewCalls = 0; }) << "no reply reached a view";
        QTest::newRow("port failed to open")
            << Spoil([](soak::SoakReport& r) { r.failedOpens = 1; }) << "the port failed to open 1 time(s)";
    }
    void verdict() {
        QFETCH(Spoil, spoil);
        QFETCH(QString, failure);
        soak::SoakReport r = cleanRun();
        spoil(r);
        const QStringList why = soak::failures(r, 5);
        if (failure.isEmpty()) {
            QVERIFY2(why.isEmpty(), qPrintable(why.join("; ")));
            QVERIFY(soak::formatReport(r, 5).endsWith(QLatin1String("result: PASS\n")));
        } else {
            QCOMPARE(why.size(), 1);
            QVERIFY2(why.first().startsWith(failure), qPrintable(why.first()));
            QVERIFY(soak::formatReport(r, 5).contains(QLatin1String("result: FAIL: ") + why.first()));
        }
    }

    void reportNamesEveryFigure() {
        soak::SoakReport r = cleanRun();
        r.foundPerScan = {17, 16, 16};
        const QString text = soak::formatReport(r, 5);
        for (const char* line :
             {"requests sent: 100\n", "replies accepted: 80 (80.0 %)\n", "replies rejected: 8 (8.0 %)\n",
              "no complete reply: 12 (12.0 %)\n", "instruments found per scan: 16 to 17 (17 16 16)\n"})
            QVERIFY2(text.contains(QLatin1String(line)), line);
    }

    void statm_data() {
        QTest::addColumn<QByteArray>("statm");
        QTest::addColumn<qint64>("bytes");
        QTest::newRow("resident is the second field")
            << QByteArray("10000 2500 300 10 0 900 0\n") << qint64(2500 * 4096);
        QTest::newRow("one field only") << QByteArray("10000\n") << qint64(-1);
        QTest::newRow("empty") << QByteArray() << qint64(-1);
        QTest::newRow("not a number") << QByteArray("10000 lots 3") << qint64(-1);
    }
    void statm() {
        QFETCH(QByteArray, statm);
        QFETCH(qint64, bytes);
        QCOMPARE(soak::residentFromStatm(statm, 4096), bytes);
    }

    void ownMemoryIsKnown() { QVERIFY(soak::residentBytes() > 0); }
};

QTEST_GUILESS_MAIN(TestSoakReport)
#include "test_soak_report.moc"
