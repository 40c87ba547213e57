// The diagnosis window's poll cycle at 600 baud on a two-wire bus, against commtest-sim on a
// pseudo-terminal: the LCD scanner's reply of about 140 characters outlasts the 2000 ms cycle,
// so the send tick must wait for it instead of emptying the buffer and talking into it.
#include "diagnosis/poll_cycle.h"
#include "engine/intervals.h"
#include "engine/poll_engine.h"
#include "link/qt_serial_link.h"
#include "sim_process.h"
#include "views/instrument_types.h"

#include <QTest>

class TestSlowLineOnPty : public QObject {
    Q_OBJECT
private slots:
    void longReplyAt600Baud_data();
    void longReplyAt600Baud();
};

void TestSlowLineOnPty::longReplyAt600Baud_data() {
    QTest::addColumn<int>("address");
    QTest::addColumn<int>("typeCode");
    QTest::newRow("LCD scanner 96, about 140 characters") << 2 << 0x96;
    QTest::newRow("LED single display 02, short reply") << 1 << 0x02;
}

void TestSlowLineOnPty::longReplyAt600Baud() {
    QFETCH(int, address);
    QFETCH(int, typeCode);
    SimProcess sim;
    QVERIFY2(sim.start({"--baud", "600", "--delay", "20", "--half-duplex", "--instrument", "1:02",
                        "--instrument", "2:96"}),
             qPrintable(sim.error()));
    serial::QtSerialLink link;
    link.setDevice(sim.devicePath());
    link.setSettings(QStringLiteral("600,n,8,1"));
    engine::PollEngine engine(link);
    QCOMPARE(engine.open(), serial::NoError);
    PollCycle cycle(&views::viewForCode);
    Instrument instrument;
    instrument.address = address;
    instrument.typeCode = typeCode;
    cycle.begin(instrument);
    engine.start(cycle, engine::kDiagnosisIntervals);
    // Three replies, each shown; none garbled by a request sent into it.
    QTRY_VERIFY_WITH_TIMEOUT(sim.logLines(QStringLiteral("<-")) >= 4, 15000);
    engine.stop();
    // The simulator logs a request and its reply as two lines that may reach us in two reads.
    QTRY_COMPARE_WITH_TIMEOUT(sim.logLines(QStringLiteral("->")), sim.logLines(QStringLiteral("<-")), 5000);
    QVERIFY(!cycle.lastReadings().empty());
    QVERIFY2(!sim.log().contains(QStringLiteral(" xx ")), qPrintable(sim.log()));
    QVERIFY2(!sim.log().contains(QStringLiteral("met a reply")), qPrintable(sim.log()));
}

QTEST_GUILESS_MAIN(TestSlowLineOnPty)
#include "test_slow_line_on_pty.moc"
