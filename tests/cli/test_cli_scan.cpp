// commtest-cli scan as a separate process against commtest-sim on a pseudo-terminal: what it
// finds, what it prints and its exit status; and the result formats on their own.
#include "cli/scan_command.h"
#include "sim_process.h"

#include <QProcess>
#include <QSignalSpy>
#include <QTest>

namespace {

// The simulator's default bus (the catalogue's types at 1 to 18), with one instrument slow.
QStringList busWithSlow(int slowAddress, int turnaroundMs) {
    const QStringList codes{"02", "04", "06", "08", "0A", "0E", "10", "12", "14",
                            "16", "1E", "1F", "81", "82", "84", "8A", "8E", "96"};
    QStringList args;
    for (int a = 1; a <= codes.size(); ++a) {
        QString item = QStringLiteral("%1:%2").arg(a).arg(codes[a - 1]);
        if (a == slowAddress) item += QStringLiteral(":%1").arg(turnaroundMs);
        args << QStringLiteral("--instrument") << item;
    }
    return args;
}

Instrument instrument(int address, int typeCode, int roundTripMs) {
    Instrument i;
    i.address = address;
    i.typeCode = typeCode;
    i.roundTripMs = roundTripMs;
    return i;
}

} // namespace

class TestCliScan : public QObject {
    Q_OBJECT
private slots:
    void formats_data();
    void formats();
    void againstTheSimulator_data();
    void againstTheSimulator();
};

void TestCliScan::formats_data() {
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("expected");
    const QString lcd = Instrument{0, 0x96, {}, -1, {}}.modelName();
    QTest::newRow("table") << int(cli::Format::Table)
                           << QStringLiteral("Address  Type  Round trip  Model\n"
                                             "      1    02       48 ms  %1\n"
                                             "    150    96           -  %2\n"
                                             "2 found in 12.3 s\n")
                                  .arg(Instrument{0, 0x02, {}, -1, {}}.modelName(), lcd);
    QTest::newRow("json, unknown round trip null")
        << int(cli::Format::Json)
        << QStringLiteral(
               R"({"elapsedMs":12345,"instruments":[{"address":1,"model":"%1","roundTripMs":48,"type":"02"},)"
               R"({"address":150,"model":"%2","roundTripMs":null,"type":"96"}]})"
               "\n")
               .arg(Instrument{0, 0x02, {}, -1, {}}.modelName(), lcd);
    QTest::newRow("csv, model with a comma quoted")
        << int(cli::Format::Csv)
        << QStringLiteral("address,type,model,round_trip_ms\n1,02,%1,48\n150,96,%2,\n")
               .arg(Instrument{0, 0x02, {}, -1, {}}.modelName(), lcd);
}

void TestCliScan::formats() {
    QFETCH(int, format);
    QFETCH(QString, expected);
    const QList<Instrument> found{instrument(1, 0x02, 48), instrument(150, 0x96, -1)};
    QCOMPARE(cli::formatScanResult(found, 12345, cli::Format(format)), expected);
}

void TestCliScan::againstTheSimulator_data() {
    QTest::addColumn<QStringList>("simArgs");
    QTest::addColumn<QStringList>("cliArgs"); // "DEV" stands for the simulator's device
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QList<int>>("found");
    QTest::addColumn<QString>("stderrHas");

    QList<int> all;
    for (int a = 1; a <= 18; ++a)
        all << a;
    QTest::newRow("fast, half-duplex, one instrument answering after 300 ms")
        << (QStringList{"--delay", "20", "--half-duplex"} + busWithSlow(5, 300))
        << QStringList{"--port",    "DEV", "--baud",   "9600", "--fast",
                       "--timeout", "400", "--format", "csv",  "1-24"}
        << 0 << all << QStringLiteral("18 found in");
    QTest::newRow("standard scan of a short range")
        << QStringList{} << QStringList{"--port", "DEV", "--baud", "9600", "--format", "csv", "17-19"} << 0
        << QList<int>{17, 18} << QStringLiteral("2 found in");
    QTest::newRow("nothing in the range: 1")
        << QStringList{} << QStringList{"--port", "DEV", "--fast", "--format", "csv", "30-33"} << 1
        << QList<int>{} << QStringLiteral("0 found in");
    QTest::newRow("no such device: 3 with the port message")
        << QStringList{} << QStringList{"--port", "/dev/commtest-no-such-port", "--fast", "1-3"} << 3
        << QList<int>{} << QStringLiteral("系统无设定的通讯端口");
    QTest::newRow("usage error: 2") << QStringList{} << QStringList{"--fast", "1-"} << 2 << QList<int>{}
                                    << QStringLiteral("Usage:");
}

void TestCliScan::againstTheSimulator() {
    QFETCH(QStringList, simArgs);
    QFETCH(QStringList, cliArgs);
    QFETCH(int, exitCode);
    QFETCH(QList<int>, found);
    QFETCH(QString, stderrHas);

    SimProcess sim;
    QVERIFY2(sim.start(simArgs), qPrintable(sim.error()));
    cliArgs.replaceInStrings(QStringLiteral("DEV"), sim.devicePath());
    QProcess cli;
    cli.setProgram(qEnvironmentVariable("COMMTEST_BIN_DIR") + QStringLiteral("/commtest-cli"));
    cli.setArguments(QStringList{QStringLiteral("scan")} + cliArgs);
    QSignalSpy finished(&cli, &QProcess::finished);
    cli.start();
    // The event loop keeps reading the simulator's log while the scan runs.
    QVERIFY(finished.wait(90000));
    const QString out = QString::fromUtf8(cli.readAllStandardOutput());
    const QString err = QString::fromUtf8(cli.readAllStandardError());
    QVERIFY2(cli.exitCode() == exitCode,
             qPrintable(QStringLiteral("exit %1\n%2%3").arg(cli.exitCode()).arg(out, err)));
    if (!err.contains(stderrHas)) qWarning().noquote() << out << sim.log();
    QVERIFY2(err.contains(stderrHas), qPrintable(err));
    QList<int> addresses;
    const QStringList lines = out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (int i = 1; i < lines.size(); ++i)
        addresses << lines[i].section(QLatin1Char(','), 0, 0).toInt();
    std::sort(addresses.begin(), addresses.end());
    if (addresses != found) qWarning().noquote() << err << sim.log();
    QCOMPARE(addresses, found);
}

QTEST_GUILESS_MAIN(TestCliScan)
#include "test_cli_scan.moc"
