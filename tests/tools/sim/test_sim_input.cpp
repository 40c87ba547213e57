// What the simulator takes in: request lines from the wire, its command line, and the arithmetic
// of line time.
#include "protocol/frame.h"
#include "tools/sim/pacing.h"
#include "tools/sim/request_reader.h"
#include "tools/sim/sim_options.h"
#include "views/instrument_types.h"

#include <QTest>

class TestSimInput : public QObject {
    Q_OBJECT
private slots:
    void requestedAddress_data();
    void requestedAddress();
    void linesAcrossChunks_data();
    void linesAcrossChunks();
    void overlongLineIsDropped();
    void parseInstrument_data();
    void parseInstrument();
    void options_data();
    void options();
    void defaultsCoverTheCatalogue();
    void helpListsFixedValues();
    void pacing_data();
    void pacing();
};

void TestSimInput::requestedAddress_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("address"); // -1: not a request
    QTest::newRow("address 1") << protocol::readRequest("01") << 1;
    QTest::newRow("address 255") << protocol::readRequest("FF") << 255;
    QTest::newRow("lower-case digits with their own check") << protocol::readRequest("1f") << 31;
    QTest::newRow("noise before the @") << QByteArray("\xff\x01") + protocol::readRequest("05") << 5;
    QTest::newRow("earlier junk frame on the line") << QByteArray("@zz") + protocol::readRequest("07") << 7;
    QTest::newRow("wrong check") << QByteArray("@01RD18\r") << -1;
    QTest::newRow("lower-case check") << QByteArray("@C8RD6d\r") << -1;
    QTest::newRow("three-digit address") << protocol::readRequest("100") << -1;
    QTest::newRow("other command") << QByteArray("@01WR") + protocol::MakeCheck("01WR") + '\r' << -1;
    QTest::newRow("non-hex address") << QByteArray("@0GRD") + protocol::MakeCheck("0GRD") + '\r' << -1;
    QTest::newRow("no CR") << protocol::readRequest("01").chopped(1) << -1;
    QTest::newRow("bytes after the CR") << protocol::readRequest("01") + "x" << -1;
    QTest::newRow("a reply frame") << QByteArray("@AB03\r") << -1;
}

void TestSimInput::requestedAddress() {
    QFETCH(QByteArray, line);
    QFETCH(int, address);
    QCOMPARE(sim::requestedAddress(line).value_or(-1), address);
}

void TestSimInput::linesAcrossChunks_data() {
    QTest::addColumn<QList<QByteArray>>("chunks");
    QTest::addColumn<QList<QByteArray>>("lines");
    const QByteArray a = protocol::readRequest("01");
    const QByteArray b = protocol::readRequest("02");
    QTest::newRow("byte by byte") << [&] {
        QList<QByteArray> out;
        for (const char c : a)
            out << QByteArray(1, c);
        return out;
    }() << QList<QByteArray>{a};
    QTest::newRow("two in one chunk") << QList<QByteArray>{a + b} << QList<QByteArray>{a, b};
    QTest::newRow("split across the CR")
        << QList<QByteArray>{a + b.left(3), b.mid(3)} << QList<QByteArray>{a, b};
    QTest::newRow("unfinished line waits") << QList<QByteArray>{a, b.left(7)} << QList<QByteArray>{a};
}

void TestSimInput::linesAcrossChunks() {
    QFETCH(QList<QByteArray>, chunks);
    QFETCH(QList<QByteArray>, lines);
    sim::RequestReader reader;
    QList<QByteArray> got;
    for (const QByteArray& chunk : chunks)
        got += reader.feed(chunk);
    QCOMPARE(got, lines);
}

void TestSimInput::overlongLineIsDropped() {
    sim::RequestReader reader;
    QVERIFY(reader.feed(QByteArray(sim::RequestReader::kMaxLine + 1, 'x')).isEmpty());
    // What was pending is gone: the next request stands on its own line.
    const QList<QByteArray> lines = reader.feed(protocol::readRequest("03"));
    QCOMPARE(lines, QList<QByteArray>{protocol::readRequest("03")});
}

void TestSimInput::parseInstrument_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("address"); // -1: rejected
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("turnaround"); // -1: the bus's
    QTest::newRow("meter at 5") << "5:02" << 5 << 0x02 << -1;
    QTest::newRow("lower-case code") << "200:8a" << 200 << 0x8A << -1;
    QTest::newRow("unlisted code") << "7:0C" << 7 << 0x0C << -1;
    QTest::newRow("slow instrument") << "7:02:300" << 7 << 0x02 << 300;
    QTest::newRow("instant instrument") << "8:96:0" << 8 << 0x96 << 0;
    QTest::newRow("longest turnaround") << "9:02:10000" << 9 << 0x02 << 10000;
    QTest::newRow("turnaround too long") << "9:02:10001" << -1 << 0 << 0;
    QTest::newRow("turnaround negative") << "9:02:-1" << -1 << 0 << 0;
    QTest::newRow("turnaround with sign") << "9:02:+5" << -1 << 0 << 0;
    QTest::newRow("turnaround empty") << "9:02:" << -1 << 0 << 0;
    QTest::newRow("turnaround not a number") << "9:02:5ms" << -1 << 0 << 0;
    QTest::newRow("address 256") << "256:02" << -1 << 0 << 0;
    QTest::newRow("negative address") << "-1:02" << -1 << 0 << 0;
    QTest::newRow("hex address") << "1F:02" << -1 << 0 << 0;
    QTest::newRow("one-digit code") << "5:2" << -1 << 0 << 0;
    QTest::newRow("non-hex code") << "5:G2" << -1 << 0 << 0;
    QTest::newRow("no colon") << "502" << -1 << 0 << 0;
    QTest::newRow("three colons") << "5:02:1:2" << -1 << 0 << 0;
}

void TestSimInput::parseInstrument() {
    QFETCH(QString, text);
    QFETCH(int, address);
    QFETCH(int, code);
    QFETCH(int, turnaround);
    const auto parsed = sim::parseInstrument(text);
    QCOMPARE(parsed.has_value(), address >= 0);
    if (parsed) QCOMPARE(*parsed, (sim::Instrument{address, code, turnaround}));
}

void TestSimInput::options_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<bool>("valid");
    QTest::newRow("everything") << QStringList{"--pty",
                                               "--fixed",
                                               "--delay",
                                               "5",
                                               "--instrument",
                                               "5:02",
                                               "--instrument",
                                               "6:96:300",
                                               "--echo",
                                               "--noise",
                                               "--garbage",
                                               "--corrupt",
                                               "10",
                                               "--drop",
                                               "20",
                                               "--silent",
                                               "5",
                                               "--seed",
                                               "77",
                                               "--baud",
                                               "19200",
                                               "--verbose",
                                               "--half-duplex"}
                                << true;
    QTest::newRow("serial port") << QStringList{"--port", "/dev/ttyUSB0", "--baud", "600"} << true;
    QTest::newRow("pty and port") << QStringList{"--pty", "--port", "/dev/ttyS0"} << false;
    QTest::newRow("empty port") << QStringList{"--port", ""} << false;
    QTest::newRow("baud between rates") << QStringList{"--baud", "9000"} << false;
    QTest::newRow("same address twice")
        << QStringList{"--instrument", "5:02", "--instrument", "5:04:100"} << false;
    QTest::newRow("corrupt over 100") << QStringList{"--corrupt", "101"} << false;
    QTest::newRow("silent address too big") << QStringList{"--silent", "300"} << false;
    QTest::newRow("seed not a number") << QStringList{"--seed", "x"} << false;
    QTest::newRow("unknown option") << QStringList{"--loud"} << false;
    QTest::newRow("stray argument") << QStringList{"extra"} << false;
}

void TestSimInput::options() {
    QFETCH(QStringList, args);
    QFETCH(bool, valid);
    const sim::ParseResult r = sim::parseOptions(QStringList{"commtest-sim"} + args);
    QCOMPARE(r.options.has_value(), valid);
    QCOMPARE(r.error.isEmpty(), valid);
    QVERIFY(r.help.isEmpty());
    if (!valid || args.size() < 10) return;
    // The full row: every value lands where it belongs.
    const sim::SimOptions& o = *r.options;
    QVERIFY(o.port.isEmpty());
    QCOMPARE(o.baud, 19200);
    QCOMPARE(o.instruments, (QList<sim::Instrument>{{5, 0x02}, {6, 0x96, 300}}));
    QVERIFY(o.fixed && o.verbose && o.halfDuplex);
    QCOMPARE(o.delayMs, 5);
    QCOMPARE(sim::turnaroundOf(o.instruments[0], o), 5);
    QCOMPARE(sim::turnaroundOf(o.instruments[1], o), 300);
    QVERIFY(o.faults.echo && o.faults.noise && o.faults.garbage);
    QCOMPARE(o.faults.corruptPercent, 10);
    QCOMPARE(o.faults.dropPercent, 20);
    QCOMPARE(o.faults.silent, QSet<int>{5});
    QCOMPARE(o.seed.value_or(0), 77u);
}

void TestSimInput::defaultsCoverTheCatalogue() {
    const sim::ParseResult r = sim::parseOptions({"commtest-sim"});
    QVERIFY(r.options);
    const sim::SimOptions& o = *r.options;
    QCOMPARE(o.baud, 9600);
    QCOMPARE(o.delayMs, 20);
    QVERIFY(!o.fixed && !o.seed && !o.halfDuplex);
    // One instrument of every type, at addresses 1, 2, ... in catalogue order.
    const auto& types = views::instrumentTypes();
    QCOMPARE(o.instruments.size(), qsizetype(types.size()));
    for (int i = 0; i < o.instruments.size(); ++i)
        QCOMPARE(o.instruments[i], (sim::Instrument{i + 1, types[i].code}));
}

void TestSimInput::helpListsFixedValues() {
    const sim::ParseResult r = sim::parseOptions({"commtest-sim", "--help"});
    QVERIFY(!r.options);
    QVERIFY(r.help.contains(QLatin1String("--fixed")));
    QVERIFY(r.help.contains(QLatin1String("  02  10[6]=123.4 16[2]=00")));
    QVERIFY(r.help.contains(QLatin1String("  96 ")));
}

void TestSimInput::pacing_data() {
    QTest::addColumn<int>("baud");
    QTest::addColumn<qint64>("elapsedUs");
    QTest::addColumn<qint64>("carried");
    QTest::newRow("nothing before the first character ends") << 9600 << qint64(1041) << qint64(0);
    QTest::newRow("first character at 9600") << 9600 << qint64(1042) << qint64(1);
    QTest::newRow("one second at 9600") << 9600 << qint64(1000000) << qint64(960);
    QTest::newRow("one second at 600") << 600 << qint64(1000000) << qint64(60);
    QTest::newRow("before the start") << 9600 << qint64(-500) << qint64(0);
}

void TestSimInput::pacing() {
    QFETCH(int, baud);
    QFETCH(qint64, elapsedUs);
    QFETCH(qint64, carried);
    QCOMPARE(sim::charactersCarried(elapsedUs, baud), carried);
    // The time of that many characters is enough to carry them, and not a microsecond more.
    if (carried > 0) {
        const qint64 t = sim::lineMicroseconds(carried, baud);
        QCOMPARE(sim::charactersCarried(t, baud), carried);
        QCOMPARE(sim::charactersCarried(t - 1, baud), carried - 1);
    }
}

QTEST_GUILESS_MAIN(TestSimInput)
#include "test_sim_input.moc"
