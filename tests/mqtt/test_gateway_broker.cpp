// The gateway against a real mosquitto on a free loopback port, read back by subscribers: what
// arrives on which topic, what a subscriber that comes later finds retained, how the gateway's
// status ends, a broker stopped and restarted mid-run, and the settings of a connection.
#include "mqtt/gateway.h"
#include "mqtt/payloads.h"
#include "test_broker.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <csignal>

using protocol::Reading;
using protocol::Sample;

namespace {

constexpr int kWaitMs = 15000;
constexpr qint64 kT0 = 1714536000000; // the samples' own times, so that their arrival can be told

Sample sample(int address, qint64 epochMs, protocol::Readings readings) {
    return Sample{epochMs,  address, 0x0A, QStringLiteral("LED系列——手动操作器"), std::move(readings),
                  QString()};
}

Sample silent(int address) {
    Sample s{kT0, address, -1, QString(), {}, QStringLiteral("no reply")};
    return s;
}

mqtt::GatewayOptions options(int port, const QString& prefix) {
    mqtt::GatewayOptions o;
    o.broker = mqtt::BrokerUrl{QStringLiteral("127.0.0.1"), port, false};
    o.prefix = prefix;
    o.line = QStringLiteral("ttyT");
    o.reconnectMaxS = 1;
    return o;
}

QList<qint64> epochs(const QList<QByteArray>& payloads) {
    QList<qint64> out;
    for (const QByteArray& p : payloads)
        out << QJsonDocument::fromJson(p).object().value(QStringLiteral("epochMs")).toInteger();
    return out;
}

QString compact(const QJsonValue& value) {
    return QString::fromUtf8(value.isArray()
                                 ? QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact)
                                 : QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact));
}

// A payload as a row can state it: plain text as it is; JSON by its figures, with its time checked
// against its epoch milliseconds and the local zone's offset then.
QString summary(const QByteArray& payload) {
    const QJsonObject o = QJsonDocument::fromJson(payload).object();
    if (o.isEmpty()) return QString::fromUtf8(payload);
    const qint64 epochMs = o.value("epochMs").toInteger();
    const QDateTime time = QDateTime::fromString(o.value("time").toString(), Qt::ISODateWithMs);
    const QString when =
        time.toMSecsSinceEpoch() == epochMs &&
                time.offsetFromUtc() == QDateTime::fromMSecsSinceEpoch(epochMs).offsetFromUtc()
            ? QStringLiteral("time agrees")
            : o.value("time").toString();
    if (o.contains("instruments")) return "health " + compact(o.value("instruments")) + ' ' + when;
    return QStringLiteral("%1 %2 %3 %4 %5 %6")
        .arg(epochMs)
        .arg(o.value("address").toInt())
        .arg(o.value("type").toInt())
        .arg(o.value("model").toString(), compact(o.value("readings")), when);
}

QString childProgram() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/mqtt_gateway_child");
}

} // namespace

class TestGatewayBroker : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void topics_data();
    void topics();
    void statusWhenTheGatewayGoes_data();
    void statusWhenTheGatewayGoes();
    void brokerStoppedAndRestarted();
    void connectionSettings_data();
    void connectionSettings();
    void cleanupTestCase();

private:
    std::unique_ptr<TestBroker> m_broker;
    std::unique_ptr<Subscriber> m_early; // there before the gateway
    std::unique_ptr<Subscriber> m_late;  // came when everything was sent
    std::unique_ptr<mqtt::Gateway> m_gateway;
    QTemporaryDir m_files; // certificates and the password file
    int m_tlsPort = 0;
    int m_authPort = 0;
};

void TestGatewayBroker::initTestCase() {
    if (TestBroker::program().isEmpty()) QSKIP("mosquitto is not installed (tools/install-deps.sh)");
    // A CA and the broker's certificate for 127.0.0.1, another CA that did not sign it, and a user.
    const QString dir = m_files.path();
    const QString ec = QStringLiteral("ec_paramgen_curve:prime256v1");
    QFile ext(dir + QStringLiteral("/san.ext"));
    QVERIFY(ext.open(QIODevice::WriteOnly));
    ext.write("subjectAltName=IP:127.0.0.1\n");
    ext.close();
    const QList<QStringList> steps = {
        {"openssl", "req", "-x509", "-newkey", "ec", "-pkeyopt", ec, "-nodes", "-keyout", "ca.key", "-out",
         "ca.crt", "-subj", "/CN=test CA", "-days", "1"},
        {"openssl", "req", "-x509", "-newkey", "ec", "-pkeyopt", ec, "-nodes", "-keyout", "other.key", "-out",
         "other.crt", "-subj", "/CN=other CA", "-days", "1"},
        {"openssl", "req", "-newkey", "ec", "-pkeyopt", ec, "-nodes", "-keyout", "server.key", "-out",
         "server.csr", "-subj", "/CN=127.0.0.1"},
        {"openssl", "x509", "-req", "-in", "server.csr", "-CA", "ca.crt", "-CAkey", "ca.key",
         "-CAcreateserial", "-out", "server.crt", "-days", "1", "-extfile", "san.ext"},
        {"mosquitto_passwd", "-c", "-b", "passwords", "gateway", "s3cret"},
    };
    for (const QStringList& step : steps) {
        QProcess p;
        p.setWorkingDirectory(dir);
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(step.first(), step.mid(1));
        QVERIFY2(p.waitForFinished(30000) && p.exitCode() == 0,
                 qPrintable(step.join(' ') + ": " + QString::fromLocal8Bit(p.readAll()) + p.errorString()));
    }
    const QList<int> ports = TestBroker::freeLoopbackPorts(3);
    QCOMPARE(ports.size(), 3);
    m_tlsPort = ports[1];
    m_authPort = ports[2];
    m_broker =
        std::make_unique<TestBroker>(ports[0], QStringList{
                                                   QStringLiteral("listener %1 127.0.0.1").arg(m_tlsPort),
                                                   QStringLiteral("cafile %1/ca.crt").arg(dir),
                                                   QStringLiteral("certfile %1/server.crt").arg(dir),
                                                   QStringLiteral("keyfile %1/server.key").arg(dir),
                                                   QStringLiteral("allow_anonymous true"),
                                                   QStringLiteral("listener %1 127.0.0.1").arg(m_authPort),
                                                   QStringLiteral("password_file %1/passwords").arg(dir),
                                                   QStringLiteral("allow_anonymous false"),
                                               });
    QString error;
    QVERIFY2(m_broker->start(&error), qPrintable(error));

    // What the topics test reads: samples of one instrument, one that never answers, and a
    // subscriber before and one after.
    m_early = std::make_unique<Subscriber>(m_broker->port(), "seen/#");
    QTRY_VERIFY_WITH_TIMEOUT(m_early->isSubscribed(), kWaitMs);
    mqtt::GatewayOptions o = options(m_broker->port(), QStringLiteral("seen"));
    o.healthIntervalMs = 300;
    m_gateway = std::make_unique<mqtt::Gateway>(o);
    m_gateway->setHealthSource([] {
        return mqtt::BusHealth{{2, mqtt::AddressHealth{4, 3, 1, 0, 3, 40, 47, 130}}};
    });
    QVERIFY(m_gateway->start());
    // Connected first: while away only the latest of each value would be kept.
    QTRY_VERIFY_WITH_TIMEOUT(m_gateway->isConnected(), kWaitMs);
    m_gateway->publishSample(
        sample(3, kT0, {{"PV", "", "", 1, double(25.7f)}, {"SV", "", "", 0, 30}, {"AL1", "", "", 0, 1}}));
    m_gateway->publishSample(sample(
        3, kT0 + 2000, {{"PV", "", "", 1, double(25.7f)}, {"SV", "", "", 0, 40}, {"AL1", "", "", 0, 1}}));
    for (int i = 0; i < 3; ++i)
        m_gateway->publishSample(silent(4));
    QTRY_VERIFY_WITH_TIMEOUT(m_gateway->outbox().delivered() == 2 && m_gateway->outbox().inFlight() == 0,
                             kWaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(!m_early->payloads("seen/ttyT/health").isEmpty(), kWaitMs);
    m_gateway->setHealthSource({});
    m_late = std::make_unique<Subscriber>(m_broker->port(), "seen/#");
    // Eight retained topics in the table below.
    QTRY_COMPARE_WITH_TIMEOUT(m_late->received().size(), 8, kWaitMs);
}

void TestGatewayBroker::topics_data() {
    QTest::addColumn<QString>("topic");
    QTest::addColumn<QStringList>("arrived"); // at the subscriber that was there, in order
    QTest::addColumn<QString>("retained");    // what the later one found; empty: nothing
    QTest::newRow("one readings message a sample, own times, not retained")
        << "3/readings"
        << QStringList{R"(1714536000000 3 10 LED系列——手动操作器 {"AL1":1,"PV":25.7,"SV":30} time agrees)",
                       R"(1714536002000 3 10 LED系列——手动操作器 {"AL1":1,"PV":25.7,"SV":40} time agrees)"}
        << "";
    QTest::newRow("value sent once while it stays") << "3/PV" << QStringList{"25.7"} << "25.7";
    QTest::newRow("value that changed") << "3/SV" << QStringList{"30", "40"} << "40";
    QTest::newRow("flag") << "3/AL1" << QStringList{"1"} << "1";
    QTest::newRow("instrument that answers") << "3/status" << QStringList{"online"} << "online";
    QTest::newRow("instrument that never answered") << "4/status" << QStringList{"offline"} << "offline";
    QTest::newRow("gateway") << "status" << QStringList{"online"} << "online";
    QTest::newRow("nothing dropped") << "dropped" << QStringList{"0"} << "0";
    const QString health = R"(health [{"accepted":3,"address":2,"badChecks":1,"missing":0,"requests":4,)"
                           R"("roundTripMs":{"max":47,"mean":43.3,"min":40}}] time agrees)";
    QTest::newRow("health every interval") << "health" << QStringList{health} << health;
}

void TestGatewayBroker::topics() {
    QFETCH(QString, topic);
    QFETCH(QStringList, arrived);
    QFETCH(QString, retained);
    const QByteArray full = "seen/ttyT/" + topic.toUtf8();
    QStringList got;
    for (const QByteArray& payload : m_early->payloads(full))
        // Health goes out every interval, each with its own time: one line for a run of the same.
        if (got.isEmpty() || topic != QLatin1String("health") || got.constLast() != summary(payload))
            got << summary(payload);
    QCOMPARE(got, arrived);
    QStringList late;
    for (const Subscriber::Received& r : m_late->received())
        if (r.topic == full) late << summary(r.payload) + (r.retained ? "" : " (not retained)");
    QCOMPARE(late, retained.isEmpty() ? QStringList{} : QStringList{retained});
}

void TestGatewayBroker::statusWhenTheGatewayGoes_data() {
    QTest::addColumn<bool>("killed");
    QTest::newRow("stopped cleanly: its own last word") << false;
    QTest::newRow("killed: the broker's last will") << true;
}

void TestGatewayBroker::statusWhenTheGatewayGoes() {
    QFETCH(bool, killed);
    const QString prefix = killed ? QStringLiteral("killed") : QStringLiteral("stopped");
    Subscriber watcher(m_broker->port(), prefix.toUtf8() + "/child/status");
    QTRY_VERIFY_WITH_TIMEOUT(watcher.isSubscribed(), kWaitMs);
    QProcess child;
    child.start(childProgram(), {QString::number(m_broker->port()), prefix});
    QVERIFY2(child.waitForStarted(), qPrintable(child.errorString()));
    const QByteArray topic = prefix.toUtf8() + "/child/status";
    QTRY_COMPARE_WITH_TIMEOUT(watcher.payloads(topic), QList<QByteArray>{"online"}, kWaitMs);
    if (killed) {
        ::kill(pid_t(child.processId()), SIGKILL);
    } else {
        child.closeWriteChannel();
        QVERIFY(child.waitForFinished(kWaitMs));
        QCOMPARE(child.exitCode(), 0);
    }
    QTRY_COMPARE_WITH_TIMEOUT(watcher.payloads(topic), (QList<QByteArray>{"online", "offline"}), kWaitMs);
    child.waitForFinished(kWaitMs);
}

void TestGatewayBroker::brokerStoppedAndRestarted() {
    TestBroker broker(TestBroker::freeLoopbackPorts(1).value(0));
    QString error;
    QVERIFY2(broker.start(&error), qPrintable(error));
    // The broker keeps this subscriber's session, so it misses nothing while either is away.
    Subscriber subscriber(broker.port(), "r/#", "restart-subscriber");
    QTRY_VERIFY_WITH_TIMEOUT(subscriber.isSubscribed(), kWaitMs);
    broker.stop();

    // Not there when the gateway starts: it says so and keeps trying.
    mqtt::GatewayOptions o = options(broker.port(), QStringLiteral("r"));
    o.queueCapacity = 3;
    mqtt::Gateway gateway(o);
    QSignalSpy warnings(&gateway, &mqtt::Gateway::warning);
    QVERIFY(gateway.start());
    const QByteArray readings = gateway.topics().readings(5);
    auto publish = [&](int second) {
        gateway.publishSample(sample(5, kT0 + second * 1000, {{"PV", "", "", 0, double(second)}}));
    };
    publish(1);
    publish(2);
    QTRY_VERIFY_WITH_TIMEOUT(!warnings.isEmpty(), kWaitMs);
    QVERIFY2(warnings.first().first().toString().contains("refused"),
             qPrintable(warnings.first().first().toString()));
    QVERIFY2(broker.start(&error), qPrintable(error));
    // Acknowledged, so the client library has nothing of them to send again after the restart.
    QTRY_VERIFY_WITH_TIMEOUT(gateway.outbox().delivered() == 2 && gateway.outbox().inFlight() == 0, kWaitMs);

    QTRY_COMPARE_WITH_TIMEOUT(subscriber.payloads(readings).size(), 2, kWaitMs);
    subscriber.sendMarker();
    QTRY_VERIFY_WITH_TIMEOUT(subscriber.markerAcknowledged(), kWaitMs);

    // Gone mid-run: five samples while away, room for three.
    broker.stop();
    QTRY_VERIFY_WITH_TIMEOUT(!gateway.isConnected(), kWaitMs);
    for (int second = 3; second <= 7; ++second)
        publish(second);
    QCOMPARE(gateway.outbox().queued(), 3);
    QCOMPARE(gateway.outbox().dropped(), 2);

    QVERIFY2(broker.start(&error), qPrintable(error));
    // The newest three of the five, oldest first, with their own times, and the count of the rest.
    const QList<qint64> expected = {kT0 + 1000, kT0 + 2000, kT0 + 5000, kT0 + 6000, kT0 + 7000};
    QTRY_COMPARE_WITH_TIMEOUT(epochs(subscriber.payloads(readings)), expected, kWaitMs);
    const QByteArray dropped = gateway.topics().dropped();
    QTRY_COMPARE_WITH_TIMEOUT(subscriber.payloads(dropped).value(subscriber.payloads(dropped).size() - 1),
                              QByteArray("2"), kWaitMs);
    QCOMPARE(subscriber.payloads(gateway.topics().value(5, QStringLiteral("PV"))).constLast(),
             QByteArray("7"));
}

void TestGatewayBroker::connectionSettings_data() {
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("caFile");
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("outcome"); // "connected", "warning: TEXT" or "error: TEXT"
    const QString tls = QStringLiteral("mqtts://127.0.0.1:%1").arg(m_tlsPort);
    const QString auth = QStringLiteral("mqtt://127.0.0.1:%1").arg(m_authPort);
    const QString dir = m_files.path();
    QTest::newRow("TLS, CA that signed the broker's") << tls << dir + "/ca.crt"
                                                      << ""
                                                      << ""
                                                      << "connected";
    QTest::newRow("TLS, another CA") << tls << dir + "/other.crt"
                                     << ""
                                     << ""
                                     << "warning: TLS";
    QTest::newRow("TLS, CA file missing") << tls << dir + "/none.crt"
                                          << ""
                                          << ""
                                          << "error: Cannot read the CA file";
    QTest::newRow("user and password") << auth << ""
                                       << "gateway"
                                       << "s3cret"
                                       << "connected";
    QTest::newRow("wrong password") << auth << ""
                                    << "gateway"
                                    << "guess"
                                    << "warning: refused the connection";
    QTest::newRow("no user where one is needed") << auth << ""
                                                 << ""
                                                 << ""
                                                 << "warning: refused the connection";
}

void TestGatewayBroker::connectionSettings() {
    QFETCH(QString, url);
    QFETCH(QString, caFile);
    QFETCH(QString, user);
    QFETCH(QString, password);
    QFETCH(QString, outcome);
    mqtt::GatewayOptions o = options(0, QStringLiteral("settings"));
    o.broker = *mqtt::parseBrokerUrl(url);
    o.caFile = caFile;
    o.user = user;
    o.password = password;
    mqtt::Gateway gateway(o);
    QSignalSpy warnings(&gateway, &mqtt::Gateway::warning);
    QString error;
    const bool started = gateway.start(&error);
    if (outcome.startsWith(QLatin1String("error: "))) {
        QVERIFY(!started);
        QVERIFY2(error.contains(outcome.mid(7)), qPrintable(error));
        return;
    }
    QVERIFY2(started, qPrintable(error));
    if (outcome == QLatin1String("connected")) {
        QTRY_VERIFY_WITH_TIMEOUT(gateway.isConnected(), kWaitMs);
        return;
    }
    QTRY_VERIFY_WITH_TIMEOUT(!warnings.isEmpty(), kWaitMs);
    const QString text = warnings.first().first().toString();
    QVERIFY2(text.contains(outcome.mid(9)), qPrintable(text));
    QVERIFY(!gateway.isConnected());
}

void TestGatewayBroker::cleanupTestCase() {
    m_gateway.reset();
    m_late.reset();
    m_early.reset();
    m_broker.reset();
}

QTEST_GUILESS_MAIN(TestGatewayBroker)
#include "test_gateway_broker.moc"
