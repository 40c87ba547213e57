// commtest-cli poll as a process: the simulator on a pseudo-terminal, a real mosquitto on a free
// loopback port and a subscriber reading the topics; the broker stopped and restarted mid-run,
// signals, the end of a counted run, and the exit statuses of bad input and a bad port.
#include "test_broker.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

#include <csignal>

namespace {

constexpr int kWaitMs = 20000;

QString binary(const char* name) {
    return QDir(qEnvironmentVariable("COMMTEST_BIN_DIR")).filePath(QLatin1String(name));
}

// The simulator with instruments at 1 (type 02) and 2 (type 0A), and one at 3 that answers once.
struct Sim {
    QProcess process;
    QString device;
    bool start() {
        process.start(binary("commtest-sim"), {"--pty", "--fixed", "--instrument", "1:02", "--instrument",
                                               "2:0A", "--instrument", "3:04", "--silent", "3"});
        if (!process.waitForStarted()) return false;
        QDeadlineTimer deadline(kWaitMs);
        while (!process.canReadLine() && !deadline.hasExpired())
            process.waitForReadyRead(100);
        device = QString::fromLocal8Bit(process.readLine()).trimmed();
        return !device.isEmpty();
    }
    ~Sim() {
        process.terminate();
        process.waitForFinished(5000);
    }
};

// A poll run; its standard output split into lines as they come.
struct Poll {
    QProcess process;
    QTemporaryDir programDir; // no settings files: the defaults
    void start(const QStringList& arguments) {
        process.setProgram(binary("commtest-cli"));
        process.setArguments(QStringList{QStringLiteral("poll")} + arguments);
        process.start();
    }
    ~Poll() {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(5000);
        }
    }
    QList<QJsonObject> samples() {
        m_out += process.readAllStandardOutput();
        QList<QJsonObject> out;
        for (const QByteArray& line : m_out.split('\n'))
            if (!line.isEmpty()) out << QJsonDocument::fromJson(line).object();
        return out;
    }
    QByteArray err() {
        m_err += process.readAllStandardError();
        return m_err;
    }
    QByteArray m_out;
    QByteArray m_err;
};

QList<qint64> epochsOf(const QList<QByteArray>& payloads) {
    QList<qint64> out;
    for (const QByteArray& p : payloads)
        out << QJsonDocument::fromJson(p).object().value("epochMs").toInteger();
    return out;
}

qint64 epochOf(const QJsonObject& sample) {
    return QDateTime::fromString(sample.value("time").toString(), Qt::ISODateWithMs).toMSecsSinceEpoch();
}

} // namespace

class TestE2eCliPoll : public QObject {
    Q_OBJECT
private slots:
    void publishesAndOutlivesTheBroker() {
        const QList<int> ports = TestBroker::freeLoopbackPorts(1);
        TestBroker broker(ports.first());
        QString error;
        QVERIFY2(broker.start(&error), qPrintable(error));
        Subscriber sub(broker.port(), "commtest/e2e/#", "e2e-sub");
        QTRY_VERIFY_WITH_TIMEOUT(sub.isSubscribed(), kWaitMs);
        Sim sim;
        QVERIFY(sim.start());
        Poll poll;
        poll.start({"1,2,3", "--port", sim.device, "--interval", "200", "--mqtt",
                    QStringLiteral("mqtt://127.0.0.1:%1").arg(broker.port()), "--mqtt-line", "e2e"});

        // Topics and payloads as a plant tool reads them.
        QTRY_VERIFY_WITH_TIMEOUT(sub.payloads("commtest/e2e/3/status").contains("offline"), kWaitMs);
        QTRY_VERIFY_WITH_TIMEOUT(!sub.payloads("commtest/e2e/2/readings").isEmpty(), kWaitMs);
        QCOMPARE(sub.payloads("commtest/e2e/status").value(0), QByteArray("online"));
        QCOMPARE(sub.payloads("commtest/e2e/1/status").value(0), QByteArray("online"));
        QCOMPARE(sub.payloads("commtest/e2e/2/status").value(0), QByteArray("online"));
        const QJsonObject first =
            QJsonDocument::fromJson(sub.payloads("commtest/e2e/1/readings").value(0)).object();
        QCOMPARE(first.value("address").toInt(), 1);
        QCOMPARE(first.value("type").toInt(), 2);
        QCOMPARE(first.value("model").toString(), QStringLiteral("LED系列——四位双报警单显表"));
        QVERIFY(first.value("readings").toObject().contains("PV"));
        bool isNumber = false;
        sub.payloads("commtest/e2e/1/PV").value(0).toDouble(&isNumber);
        QVERIFY(isNumber);
        QTRY_VERIFY_WITH_TIMEOUT(poll.err().contains("Address 3 stopped answering"), kWaitMs);
        QVERIFY(!poll.err().contains("Address 1 ") && !poll.err().contains("Address 2 "));

        // The broker away: polling goes on; back: everything polled meanwhile arrives, oldest first.
        QTRY_VERIFY_WITH_TIMEOUT(sub.payloads("commtest/e2e/1/readings").size() >= 2, kWaitMs);
        sub.sendMarker();
        QTRY_VERIFY_WITH_TIMEOUT(sub.markerAcknowledged(), kWaitMs);
        broker.stop();
        const int before = poll.samples().size();
        QTRY_VERIFY_WITH_TIMEOUT(poll.samples().size() >= before + 10, kWaitMs);
        QVERIFY(broker.start(&error));
        const QList<QJsonObject> printed = poll.samples();
        QList<qint64> wanted;
        for (const QJsonObject& s : printed)
            if (s.value("address").toInt() == 1) wanted << epochOf(s);
        QTRY_VERIFY_WITH_TIMEOUT(epochsOf(sub.payloads("commtest/e2e/1/readings")).contains(wanted.last()),
                                 kWaitMs);
        const QList<qint64> got = epochsOf(sub.payloads("commtest/e2e/1/readings"));
        for (qint64 t : wanted)
            QVERIFY2(got.contains(t), qPrintable(QString::number(t)));
        QVERIFY(std::is_sorted(got.begin(), got.end()));

        // SIGTERM: a clean end, the gateway's own status offline.
        ::kill(pid_t(poll.process.processId()), SIGTERM);
        QVERIFY(poll.process.waitForFinished(kWaitMs));
        QCOMPARE(poll.process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(poll.process.exitCode(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(sub.payloads("commtest/e2e/status").last(), QByteArray("offline"), kWaitMs);
    }

    void countedRunDeliversEverySample() {
        // The last round's samples are still queued when the count is reached.
        const QList<int> ports = TestBroker::freeLoopbackPorts(1);
        TestBroker broker(ports.first());
        QString error;
        QVERIFY2(broker.start(&error), qPrintable(error));
        Subscriber sub(broker.port(), "commtest/counted/+/readings");
        QTRY_VERIFY_WITH_TIMEOUT(sub.isSubscribed(), kWaitMs);
        Sim sim;
        QVERIFY(sim.start());
        Poll poll;
        poll.start({"1,2", "--port", sim.device, "--interval", "100", "--count", "2", "--mqtt",
                    QStringLiteral("mqtt://127.0.0.1:%1").arg(broker.port()), "--mqtt-line", "counted"});
        QVERIFY(poll.process.waitForFinished(kWaitMs));
        QCOMPARE(poll.process.exitCode(), 0);
        QCOMPARE(poll.samples().size(), 4);
        QTRY_COMPARE_WITH_TIMEOUT(sub.payloads("commtest/counted/1/readings").size(), 2, kWaitMs);
        QTRY_COMPARE_WITH_TIMEOUT(sub.payloads("commtest/counted/2/readings").size(), 2, kWaitMs);
    }

    void endsCleanly_data() {
        QTest::addColumn<int>("signalNumber"); // 0: the count of rounds ends it
        QTest::addColumn<QString>("format");
        QTest::newRow("count, json") << 0 << "json";
        QTest::newRow("count, csv") << 0 << "csv";
        QTest::newRow("SIGINT") << int(SIGINT) << "json";
        QTest::newRow("SIGTERM") << int(SIGTERM) << "csv";
    }
    void endsCleanly() {
        QFETCH(int, signalNumber);
        QFETCH(QString, format);
        Sim sim;
        QVERIFY(sim.start());
        Poll poll;
        QStringList args{"1,2", "--port", sim.device, "--interval", "100", "--format", format};
        if (!signalNumber)
            args << "--count"
                 << "3";
        poll.start(args);
        if (signalNumber) {
            // Once it polls: the first sample printed.
            QTRY_VERIFY_WITH_TIMEOUT(poll.process.bytesAvailable() > 0, kWaitMs);
            ::kill(pid_t(poll.process.processId()), signalNumber);
        }
        QVERIFY(poll.process.waitForFinished(kWaitMs));
        QCOMPARE(poll.process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(poll.process.exitCode(), 0);
        if (!signalNumber) {
            const QList<QByteArray> lines = poll.process.readAllStandardOutput().trimmed().split('\n');
            // Three rounds of two; CSV adds one header for each of the two types.
            QCOMPARE(lines.size(), format == QLatin1String("csv") ? 8 : 6);
        }
        // The port is free again: a second poll opens it.
        Poll again;
        again.start({"1", "--port", sim.device, "--count", "1", "--interval", "100"});
        QVERIFY(again.process.waitForFinished(kWaitMs));
        QCOMPARE(again.process.exitCode(), 0);
    }

    void refusesBadInput_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::newRow("address 256") << QStringList{"1,256"} << 2 << "Address 256 is outside 0-255";
        QTest::newRow("empty list") << QStringList{""} << 2 << "The address list is empty";
        QTest::newRow("interval too short")
            << QStringList{"1", "--interval", "5"} << 2 << "--interval 5 is out of range";
        QTest::newRow("malformed URL") << QStringList{"1", "--mqtt", "http://x"} << 2 << "";
        QTest::newRow("no such port") << QStringList{"1", "--port", "/dev/commtest-none"} << 3
                                      << QStringLiteral("系统无设定的通讯端口，请重新设定通信端口！");
    }
    void refusesBadInput() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        Poll poll;
        poll.start(arguments);
        QVERIFY(poll.process.waitForFinished(kWaitMs));
        QCOMPARE(poll.process.exitCode(), exitCode);
        const QString err = QString::fromUtf8(poll.err());
        QVERIFY2(err.contains(message) && !err.trimmed().isEmpty(), qPrintable(err));
        QVERIFY(poll.process.readAllStandardOutput().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestE2eCliPoll)
#include "test_e2e_cli_poll.moc"
