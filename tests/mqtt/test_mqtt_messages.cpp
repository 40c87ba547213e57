// What the gateway is told and what it says: broker URLs, topic names and option checks, the
// payloads of samples and health, and the availability and health figures it derives.
#include "mqtt/availability.h"
#include "mqtt/broker_url.h"
#include "mqtt/bus_health.h"
#include "mqtt/gateway_options.h"
#include "mqtt/payloads.h"
#include "mqtt/topics.h"

#include <QTest>

#include <cmath>
#include <limits>

using protocol::Reading;
using protocol::Sample;

Q_DECLARE_METATYPE(protocol::Readings)

namespace {

Reading reading(const char* key, double value, int decimals) {
    return Reading{QString::fromLatin1(key), QString(), QString(), decimals, value};
}

Sample accepted(int address, protocol::Readings readings = {}) {
    return Sample{1714536000123,       address,  0x0A, QStringLiteral("LED系列——手动操作器"),
                  std::move(readings), QString()};
}

} // namespace

class TestMqttMessages : public QObject {
    Q_OBJECT
private slots:
    void brokerUrl_data();
    void brokerUrl();
    void topics_data();
    void topics();
    void valueText_data();
    void valueText();
    void samplePayload_data();
    void samplePayload();
    void availability_data();
    void availability();
    void healthTally_data();
    void healthTally();
};

void TestMqttMessages::brokerUrl_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("parsed"); // "host port tls", or the part of the error that says why
    QTest::newRow("plain, default port") << "mqtt://localhost"
                                         << "localhost 1883 0";
    QTest::newRow("plain with port") << "mqtt://127.0.0.1:1884"
                                     << "127.0.0.1 1884 0";
    QTest::newRow("TLS, default port") << "mqtts://broker.plant.example"
                                       << "broker.plant.example 8883 1";
    QTest::newRow("TLS with port") << "mqtts://broker:9999/"
                                   << "broker 9999 1";
    QTest::newRow("IPv6 in brackets") << "mqtt://[::1]:1885"
                                      << "::1 1885 0";
    QTest::newRow("other scheme") << "http://broker"
                                  << "expected mqtt://host[:port]";
    QTest::newRow("no scheme") << "localhost:1883"
                               << "expected mqtt://host[:port]";
    QTest::newRow("no host") << "mqtt://:1883"
                             << "no host";
    QTest::newRow("empty port") << "mqtt://broker:"
                                << "empty port";
    QTest::newRow("port zero") << "mqtt://broker:0"
                               << "port \"0\" is not a number from 1 to 65535";
    QTest::newRow("port too big") << "mqtt://broker:65536"
                                  << "port \"65536\"";
    QTest::newRow("port with sign") << "mqtt://broker:+80"
                                    << "port \"+80\"";
    QTest::newRow("credentials in the URL") << "mqtt://u:p@broker"
                                            << "give user and password as options";
    QTest::newRow("path") << "mqtt://broker/topic"
                          << "a path or query is not taken";
    QTest::newRow("blank in host") << "mqtt://bro ker"
                                   << "\"bro ker\" is not a host name or address";
    QTest::newRow("unclosed bracket") << "mqtt://[::1"
                                      << "unclosed";
    QTest::newRow("bracketed non-address") << "mqtt://[broker]"
                                           << "is not an IPv6 address";
}

void TestMqttMessages::brokerUrl() {
    QFETCH(QString, text);
    QFETCH(QString, parsed);
    QString error;
    const auto url = mqtt::parseBrokerUrl(text, &error);
    if (url) {
        QCOMPARE(QStringLiteral("%1 %2 %3").arg(url->host).arg(url->port).arg(int(url->tls)), parsed);
    } else {
        QVERIFY2(error.contains(parsed), qPrintable(error));
        QVERIFY2(error.contains(text), qPrintable(error)); // the operator sees what was wrong
    }
}

void TestMqttMessages::topics_data() {
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("device");
    QTest::addColumn<QStringList>("topics"); // status, health, dropped, readings 7, status 7, value 7 of key
    QTest::addColumn<QString>("key");
    QTest::newRow("defaults, device path")
        << "commtest"
        << "/dev/ttyUSB0"
        << QStringList{"commtest/ttyUSB0/status",     "commtest/ttyUSB0/health",   "commtest/ttyUSB0/dropped",
                       "commtest/ttyUSB0/7/readings", "commtest/ttyUSB0/7/status", "commtest/ttyUSB0/7/PV"}
        << "PV";
    QTest::newRow("prefix of two levels, key that would split the topic")
        << "p/h2"
        << "COM3" << QStringList{"p/h2/COM3/status",     "p/h2/COM3/health",   "p/h2/COM3/dropped",
                                 "p/h2/COM3/7/readings", "p/h2/COM3/7/status", "p/h2/COM3/7/A_B_C_"}
        << "A/B+C#";
}

void TestMqttMessages::topics() {
    QFETCH(QString, prefix);
    QFETCH(QString, device);
    QFETCH(QStringList, topics);
    QFETCH(QString, key);
    const mqtt::Topics t(prefix, mqtt::lineNameForDevice(device));
    const QList<QByteArray> got = {t.gatewayStatus(),     t.health(),     t.dropped(), t.readings(7),
                                   t.instrumentStatus(7), t.value(7, key)};
    QStringList gotText;
    for (const QByteArray& topic : got)
        gotText << QString::fromUtf8(topic);
    QCOMPARE(gotText, topics);
}

void TestMqttMessages::valueText_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("float field to its decimals") << double(12.3f) << 1 << QByteArray("12.3");
    QTest::newRow("trailing zero dropped") << 12.5 << 2 << QByteArray("12.5");
    QTest::newRow("whole number") << -5.0 << 0 << QByteArray("-5");
    QTest::newRow("flag") << 1.0 << 0 << QByteArray("1");
    QTest::newRow("half rounds away from zero") << 2.5 << 0 << QByteArray("3");
    QTest::newRow("no negative zero") << -0.04 << 1 << QByteArray("0");
    QTest::newRow("large total keeps its digits") << 123456789012.0 << 0 << QByteArray("123456789012");
    QTest::newRow("beyond double precision left alone") << 1e300 << 3 << QByteArray("1e+300");
    QTest::newRow("not a number") << std::nan("") << 1 << QByteArray();
    QTest::newRow("infinite") << std::numeric_limits<double>::infinity() << 1 << QByteArray();
}

void TestMqttMessages::valueText() {
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(QByteArray, text);
    QCOMPARE(mqtt::valueText(reading("PV", value, decimals)), text);
}

void TestMqttMessages::samplePayload_data() {
    QTest::addColumn<int>("offsetS");
    QTest::addColumn<protocol::Readings>("readings");
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QStringList>("values"); // the retained value messages, "topic=payload"
    QTest::newRow("east of UTC, two readings")
        << 8 * 3600 << protocol::Readings{reading("PV", double(25.7f), 1), reading("AL1", 1, 0)}
        << QByteArray(
               R"({"address":7,"epochMs":1714536000123,"model":"LED系列——手动操作器","readings":{"AL1":1,"PV":25.7},)"
               R"("time":"2024-05-01T12:00:00.123+08:00","type":10})")
        << QStringList{"c/l/7/PV=25.7", "c/l/7/AL1=1"};
    QTest::newRow("west of UTC, a value JSON cannot carry")
        << -5 * 3600 << protocol::Readings{reading("PV", std::nan(""), 1), reading("SV", -3, 0)}
        << QByteArray(
               R"({"address":7,"epochMs":1714536000123,"model":"LED系列——手动操作器","readings":{"PV":null,"SV":-3},)"
               R"("time":"2024-04-30T23:00:00.123-05:00","type":10})")
        << QStringList{"c/l/7/SV=-3"};
    QTest::newRow("UTC, no readings")
        << 0 << protocol::Readings{}
        << QByteArray(R"({"address":7,"epochMs":1714536000123,"model":"LED系列——手动操作器","readings":{},)"
                      R"("time":"2024-05-01T04:00:00.123+00:00","type":10})")
        << QStringList{};
}

void TestMqttMessages::samplePayload() {
    QFETCH(int, offsetS);
    QFETCH(protocol::Readings, readings);
    QFETCH(QByteArray, json);
    QFETCH(QStringList, values);
    const Sample sample = accepted(7, readings);
    QCOMPARE(mqtt::samplePayload(sample, QTimeZone(offsetS)), json);
    QStringList got;
    for (const mqtt::Retained& r :
         mqtt::valueMessages(sample, mqtt::Topics(QStringLiteral("c"), QStringLiteral("l"))))
        got << QString::fromUtf8(r.topic + '=' + r.payload);
    QCOMPARE(got, values);
}

void TestMqttMessages::availability_data() {
    QTest::addColumn<int>("misses");
    QTest::addColumn<QString>("polls"); // a: accepted reply, m: none
    QTest::addColumn<QString>("changes");
    QTest::newRow("first answer brings it online") << 3 << "a a a"
                                                   << "online";
    QTest::newRow("offline after three misses in a row") << 3 << "a m m m m"
                                                         << "online offline";
    QTest::newRow("two misses do not count") << 3 << "a m m a m m a"
                                             << "online";
    QTest::newRow("back online at the next answer") << 3 << "a m m m a"
                                                    << "online offline online";
    QTest::newRow("never answered: offline once enough missed") << 3 << "m m m m"
                                                                << "offline";
    QTest::newRow("one miss is enough when so configured") << 1 << "a m a"
                                                           << "online offline online";
}

void TestMqttMessages::availability() {
    QFETCH(int, misses);
    QFETCH(QString, polls);
    QFETCH(QString, changes);
    mqtt::Availability availability(misses);
    Sample other = accepted(8); // another instrument between the polls does not disturb the count
    QStringList got;
    for (const QString& poll : polls.split(QLatin1Char(' '))) {
        Sample s = accepted(7);
        if (poll == QLatin1String("m")) s.verdict = QStringLiteral("no reply");
        if (const auto change = availability.update(s)) got << (*change ? "online" : "offline");
        availability.update(other);
    }
    QCOMPARE(got.join(QLatin1Char(' ')), changes);
}

void TestMqttMessages::healthTally_data() {
    QTest::addColumn<QString>("events");  // "w5@100": request to 5 written at 100 ms; "a5@140": reply
                                          // from 5 accepted; "b@150": bad check; "n5": no reply
    QTest::addColumn<QString>("figures"); // per address: requests accepted bad missing min/mean/max
    QTest::newRow("two round trips") << "w5@0 a5@40 w5@1000 a5@1060"
                                     << "5: 2 2 0 0 40/50/60";
    QTest::newRow("missing and bad check go to the address asked")
        << "w5@0 n5@1000 w5@1000 b@1030 w5@2000 a5@2050"
        << "5: 3 1 1 1 50/50/50";
    QTest::newRow("late reply from another address has no round trip")
        << "w5@0 n5@1000 w6@1000 a5@1010 a6@1040"
        << "5: 1 1 0 1 -; 6: 1 1 0 0 40/40/40";
}

void TestMqttMessages::healthTally() {
    QFETCH(QString, events);
    QFETCH(QString, figures);
    mqtt::HealthTally tally;
    for (const QString& e : events.split(QLatin1Char(' '))) {
        engine::TrafficEvent event;
        const QChar kind = e.at(0);
        event.kind = kind == QLatin1Char('w')   ? engine::TrafficKind::RequestWritten
                     : kind == QLatin1Char('a') ? engine::TrafficKind::ReplyAccepted
                     : kind == QLatin1Char('b') ? engine::TrafficKind::ReplyBadCheck
                                                : engine::TrafficKind::NoReply;
        event.address = e.mid(1).section(QLatin1Char('@'), 0, 0).toInt(); // "" for "b": 0, ignored
        if (kind == QLatin1Char('b')) event.address = -1;
        event.timeMs = e.section(QLatin1Char('@'), 1).toLongLong();
        tally.onTraffic(event);
    }
    QStringList got;
    for (const auto& [address, h] : tally.take())
        got << QStringLiteral("%1: %2 %3 %4 %5 %6")
                   .arg(address)
                   .arg(h.requests)
                   .arg(h.accepted)
                   .arg(h.badChecks)
                   .arg(h.missing)
                   .arg(h.roundTrips ? QStringLiteral("%1/%2/%3")
                                           .arg(h.minRoundTripMs)
                                           .arg(h.meanRoundTripMs())
                                           .arg(h.maxRoundTripMs)
                                     : QStringLiteral("-"));
    QCOMPARE(got.join(QStringLiteral("; ")), figures);
    QVERIFY(tally.figures().empty()); // the next period starts from nothing
}

QTEST_GUILESS_MAIN(TestMqttMessages)
#include "test_mqtt_messages.moc"
