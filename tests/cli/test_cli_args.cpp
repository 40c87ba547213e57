// commtest-cli's command line: what each accepted line means, and for each kind of mistake a
// message that names it and the usage-error exit status.
#include "cli/cli_args.h"

#include <QTest>

namespace {

QString formatName(cli::Format f) {
    return f == cli::Format::Table  ? QStringLiteral("table")
           : f == cli::Format::Json ? QStringLiteral("json")
                                    : QStringLiteral("csv");
}

QString portText(const cli::PortChoice& port) {
    return port.number             ? QString::number(port.number)
           : port.device.isEmpty() ? QStringLiteral("-")
                                   : port.device;
}

template <typename T> QString opt(const std::optional<T>& value) {
    return value ? QString::number(*value) : QStringLiteral("-");
}

// The parse in one line, every field named, so that a row states the whole meaning.
QString describe(const cli::Invocation& inv) {
    if (inv.command == cli::Command::Help) return QStringLiteral("help");
    if (inv.command == cli::Command::Scan) {
        const cli::ScanArgs& s = inv.scan;
        return QStringLiteral("scan %1-%2 port=%3 baud=%4 fast=%5 timeout=%6 format=%7")
            .arg(s.from)
            .arg(s.to)
            .arg(portText(s.port), opt(s.baud))
            .arg(int(s.fast))
            .arg(opt(s.timeoutMs), formatName(s.format));
    }
    const cli::PollArgs& p = inv.poll;
    QStringList addresses;
    for (int a : p.addresses)
        addresses << QString::number(a);
    QString text = QStringLiteral("poll %1 port=%2 baud=%3 interval=%4 count=%5 format=%6 record=%7")
                       .arg(addresses.join(QLatin1Char(',')), portText(p.port), opt(p.baud),
                            opt(p.intervalMs), opt(p.count), formatName(p.format),
                            p.record ? (p.recordFile.isEmpty() ? QStringLiteral("default") : p.recordFile)
                                     : QStringLiteral("-"));
    if (p.mqtt)
        text += QStringLiteral(" mqtt=%1:%2:%3 user=%4 password=%5 ca=%6 prefix=%7 line=%8")
                    .arg(p.mqtt->broker.host)
                    .arg(p.mqtt->broker.port)
                    .arg(p.mqtt->broker.tls ? "tls" : "plain")
                    .arg(p.mqtt->user, p.mqtt->password, p.mqtt->caFile, p.mqtt->prefix, p.mqtt->line);
    return text;
}

// Words split at blanks; '' stands for an empty word, as a shell passes "".
QStringList words(const QString& line) {
    QStringList out{QStringLiteral("commtest-cli")};
    for (const QString& word : line.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        out << (word == QLatin1String("''") ? QString() : word);
    return out;
}

} // namespace

class TestCliArgs : public QObject {
    Q_OBJECT
private slots:
    void accepted_data();
    void accepted();
    void refused_data();
    void refused();
    void gatewayOptions();
};

void TestCliArgs::accepted_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("meaning");
    QTest::newRow("scan with defaults") << "scan 1-247"
                                        << "scan 1-247 port=- baud=- fast=0 timeout=- format=table";
    QTest::newRow("scan, every option, hexadecimal range")
        << "scan --port 3 --baud 19200 --fast --timeout 200 --format csv 0x01-0xF7"
        << "scan 1-247 port=3 baud=19200 fast=1 timeout=200 format=csv";
    QTest::newRow("scan, COM name and values after =")
        << "scan --port=COM2 --format=json 0-255"
        << "scan 0-255 port=2 baud=- fast=0 timeout=- format=json";
    QTest::newRow("scan of one address, device path")
        << "scan 0x1f --port /dev/ttyUSB1"
        << "scan 31-31 port=/dev/ttyUSB1 baud=- fast=0 timeout=- format=table";
    QTest::newRow("poll with defaults") << "poll 5"
                                        << "poll 5 port=- baud=- interval=- count=- format=json record=-";
    QTest::newRow("poll, list in given order, limits of the interval")
        << "poll 9,0x0A,1 --interval 100 --count 1 --format csv"
        << "poll 9,10,1 port=- baud=- interval=100 count=1 format=csv record=-";
    QTest::newRow("poll recording to the default store, longest interval")
        << "poll 1,2 --record --interval 3600000"
        << "poll 1,2 port=- baud=- interval=3600000 count=- format=json record=default";
    QTest::newRow("poll recording to a file named after it")
        << "poll 1 --record /tmp/h.db --count 3"
        << "poll 1 port=- baud=- interval=- count=3 format=json record=/tmp/h.db";
    QTest::newRow("record before the addresses leaves them alone")
        << "poll --record 1,2"
        << "poll 1,2 port=- baud=- interval=- count=- format=json record=default";
    QTest::newRow("poll to MQTT with every MQTT option")
        << "poll 1 --port /dev/ttyUSB0 --mqtt mqtts://broker:8884 --mqtt-user op --mqtt-password pw "
           "--mqtt-cafile /etc/ca.pem --mqtt-prefix plant/hall2 --mqtt-line line4"
        << "poll 1 port=/dev/ttyUSB0 baud=- interval=- count=- format=json record=- "
           "mqtt=broker:8884:tls user=op password=pw ca=/etc/ca.pem prefix=plant/hall2 line=line4";
    QTest::newRow("help") << "poll 1 --help"
                          << "help";
}

void TestCliArgs::accepted() {
    QFETCH(QString, line);
    QFETCH(QString, meaning);
    const cli::Invocation inv = cli::parseArguments(words(line));
    QVERIFY2(inv.error.isEmpty(), qPrintable(inv.error));
    QCOMPARE(inv.exitCode(), 0);
    QCOMPARE(describe(inv), meaning);
}

void TestCliArgs::refused_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("message"); // part of the error that names the mistake
    QTest::newRow("no command") << ""
                                << "No command";
    QTest::newRow("unknown command") << "list 1-5"
                                     << "Unknown command list";
    QTest::newRow("unknown option") << "scan --speed 9600 1-5"
                                    << "Unknown option --speed for scan";
    QTest::newRow("option of the other command") << "scan --interval 500 1-5"
                                                 << "Unknown option --interval";
    QTest::newRow("single-dash option") << "poll 1 -x"
                                        << "Unknown option -x";
    QTest::newRow("missing value at the end") << "scan 1-5 --baud"
                                              << "--baud needs a value";
    QTest::newRow("missing value before an option") << "poll 1 --mqtt --count 3"
                                                    << "--mqtt needs a value";
    QTest::newRow("value for a switch") << "scan --fast=yes 1-5"
                                        << "--fast takes no value";
    QTest::newRow("no range") << "scan --fast"
                              << "No address range";
    QTest::newRow("range end above 255") << "scan 1-256"
                                         << "addresses are 0 to 255";
    QTest::newRow("range backwards") << "scan 20-10"
                                     << "runs backwards";
    QTest::newRow("range of three ends") << "scan 1-5-9"
                                         << "is not FROM-TO";
    QTest::newRow("two ranges") << "scan 1-5 7-9"
                                << "Unexpected argument 7-9";
    QTest::newRow("time-out below range") << "scan --fast --timeout 29 1-5"
                                          << "--timeout 29 is out of range: 30 to 2000 ms";
    QTest::newRow("time-out without fast scan") << "scan --timeout 200 1-5"
                                                << "give --fast too";
    QTest::newRow("unsupported rate") << "scan --baud 115200 1-5"
                                      << "Baud rate 115200 is not one of 600, 1200";
    QTest::newRow("port number zero") << "scan --port 0 1-5"
                                      << "Port 0 is not a port number from 1 to 32767";
    QTest::newRow("table for poll") << "poll 1 --format table"
                                    << "--format table is not one of json, csv";
    QTest::newRow("no addresses") << "poll --count 3"
                                  << "No addresses";
    QTest::newRow("empty list") << "poll ,"
                                << "has an empty entry";
    QTest::newRow("empty word as the list") << "poll '' --port=2"
                                            << "The address list is empty";
    QTest::newRow("address above 255") << "poll 1,256"
                                       << "Address 256 is outside 0-255";
    QTest::newRow("negative address") << "poll -1"
                                      << "Address -1 is outside 0-255";
    QTest::newRow("hexadecimal above 255") << "poll 0x100"
                                           << "Address 0x100 is outside 0-255";
    QTest::newRow("not a number") << "poll 1,two"
                                  << "Address two is outside 0-255";
    QTest::newRow("address twice") << "poll 3,0x03"
                                   << "Address 3 is in the list twice";
    QTest::newRow("interval too short") << "poll 1 --interval 99"
                                        << "--interval 99 is out of range: 100 to 3600000 ms";
    QTest::newRow("interval too long") << "poll 1 --interval 3600001"
                                       << "out of range: 100 to 3600000 ms";
    QTest::newRow("count zero") << "poll 1 --count 0"
                                << "--count 0 is out of range";
    QTest::newRow("malformed URL") << "poll 1 --mqtt tcp://broker"
                                   << "Malformed broker URL \"tcp://broker\"";
    QTest::newRow("URL port out of range") << "poll 1 --mqtt mqtt://broker:70000"
                                           << "port \"70000\"";
    QTest::newRow("MQTT option without URL") << "poll 1 --mqtt-user op"
                                             << "--mqtt-user needs --mqtt URL";
    QTest::newRow("CA file for plain MQTT") << "poll 1 --mqtt mqtt://b --mqtt-cafile ca.pem"
                                            << "is for an mqtts://";
    QTest::newRow("wildcard in prefix") << "poll 1 --mqtt mqtt://b --mqtt-prefix a/#"
                                        << "a wildcard or NUL";
    QTest::newRow("line of two levels") << "poll 1 --mqtt mqtt://b --mqtt-line a/b"
                                        << "it is one topic level";
}

void TestCliArgs::refused() {
    QFETCH(QString, line);
    QFETCH(QString, message);
    const cli::Invocation inv = cli::parseArguments(words(line));
    QVERIFY2(inv.error.contains(message), qPrintable(inv.error.isEmpty() ? describe(inv) : inv.error));
    QCOMPARE(inv.exitCode(), cli::kUsageError);
}

void TestCliArgs::gatewayOptions() {
    const cli::Invocation inv =
        cli::parseArguments(words(QStringLiteral("poll 1 --mqtt mqtt://b --mqtt-password given")));
    QVERIFY2(inv.error.isEmpty(), qPrintable(inv.error));
    const auto env = [](const char* name) {
        return QByteArray(name) == "COMMTEST_MQTT_USER" ? QStringLiteral("svc") : QStringLiteral("from-env");
    };
    const mqtt::GatewayOptions options =
        cli::gatewayOptions(*inv.poll.mqtt, QStringLiteral("/dev/ttyUSB3"), env);
    QCOMPARE(options.line, QStringLiteral("ttyUSB3"));
    QCOMPARE(options.prefix, QStringLiteral("commtest"));
    QCOMPARE(options.user + QLatin1Char('/') + options.password, QStringLiteral("svc/given"));
    QVERIFY2(mqtt::optionsProblem(options).isEmpty(), qPrintable(mqtt::optionsProblem(options)));
}

QTEST_GUILESS_MAIN(TestCliArgs)
#include "test_cli_args.moc"
