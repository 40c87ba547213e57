// The simulator as the program meets it: a process that prints a device, answers read requests on
// it at the pace of the line, and goes away cleanly when told to.
#include "protocol/frame.h"
#include "tools/sim/pacing.h"
#include "tools/sim/reply_builder.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QSerialPort>
#include <QTest>

#include <csignal>

namespace {

QString simProgram() {
    return qEnvironmentVariable("COMMTEST_BIN_DIR") + QStringLiteral("/commtest-sim");
}

// A running simulator and the program's end of its line.
class SimUnderTest {
public:
    explicit SimUnderTest(const QStringList& args) {
        m_process.setProgram(simProgram());
        m_process.setArguments(QStringList{"--pty"} + args);
        m_process.start();
        if (!m_process.waitForStarted(5000)) return;
        QElapsedTimer t;
        t.start();
        while (!m_process.canReadLine() && t.elapsed() < 5000)
            m_process.waitForReadyRead(100);
        m_device = QString::fromLocal8Bit(m_process.readLine()).trimmed();
        m_port.setPortName(m_device);
        if (m_port.open(QIODevice::ReadWrite)) m_port.setBaudRate(9600);
    }
    ~SimUnderTest() {
        m_port.close();
        if (m_process.state() != QProcess::NotRunning) {
            m_process.terminate();
            if (!m_process.waitForFinished(3000)) m_process.kill();
            m_process.waitForFinished(1000);
        }
    }

    bool ready() const { return m_port.isOpen(); }
    void closePort() { m_port.close(); }
    bool reopenPort() { return m_port.open(QIODevice::ReadWrite); }
    QString device() const { return m_device; }
    QProcess& process() { return m_process; }

    struct Received {
        QByteArray bytes;
        int pieces = 0;
        qint64 lastByteMs = -1; // since the request was written
    };

    // Writes `request`, then collects what arrives until `crs` CRs came or `timeoutMs` passed.
    Received ask(const QByteArray& request, int crs, int timeoutMs) {
        Received r;
        m_port.readAll();
        QElapsedTimer t;
        t.start();
        m_port.write(request);
        m_port.waitForBytesWritten(1000);
        while (r.bytes.count('\r') < crs && t.elapsed() < timeoutMs) {
            if (!m_port.waitForReadyRead(10)) continue;
            const QByteArray piece = m_port.readAll();
            if (piece.isEmpty()) continue;
            r.bytes += piece;
            ++r.pieces;
            r.lastByteMs = t.elapsed();
        }
        return r;
    }

private:
    QProcess m_process;
    QSerialPort m_port;
    QString m_device;
};

QByteArray fixedReply(int code, int address) {
    QRandomGenerator unused(0);
    return sim::buildReply(code, address, sim::Moment::fixedValues(), unused);
}

} // namespace

class TestSimProcess : public QObject {
    Q_OBJECT
private slots:
    void answersItsOwnAddressBehindTheEcho();
    void replyTakesLineTime();
    void exitsCleanlyOnSignal_data();
    void exitsCleanlyOnSignal();
    void rejectsBadCommandLine();
};

// One bus with an echoing adapter: the echo comes first, an instrument answers only its own address,
// a silent one answers once while its neighbour goes on, and the bus outlives the program's port.
void TestSimProcess::answersItsOwnAddressBehindTheEcho() {
    SimUnderTest sim({"--fixed", "--delay", "5", "--echo", "--silent", "5", "--instrument", "5:02",
                      "--instrument", "6:04"});
    QVERIFY2(sim.ready(), qPrintable(sim.device()));
    const QByteArray request = protocol::readRequest("05");
    QCOMPARE(sim.ask(protocol::readRequest("07"), 2, 500).bytes, protocol::readRequest("07"));
    const QByteArray got = sim.ask(request, 2, 3000).bytes;
    QCOMPARE(got, request + fixedReply(0x02, 5));
    QCOMPARE(protocol::cutReplyLine(got, request).value_or(QByteArray()), fixedReply(0x02, 5));
    QCOMPARE(sim.ask(request, 2, 500).bytes, request);
    // The program closes the port between a scan and a diagnosis; the bus must still be there.
    sim.closePort();
    QTest::qWait(200);
    QCOMPARE(sim.process().state(), QProcess::Running);
    QVERIFY(sim.reopenPort());
    QCOMPARE(sim.ask(protocol::readRequest("06"), 2, 3000).bytes,
             protocol::readRequest("06") + fixedReply(0x04, 6));
}

// At a rate other than the default, so that the pace follows --baud.
void TestSimProcess::replyTakesLineTime() {
    const int baud = 19200;
    const int delayMs = 20;
    SimUnderTest sim({"--fixed", "--baud", QString::number(baud), "--instrument", "9:96"});
    QVERIFY(sim.ready());
    const QByteArray expected = fixedReply(0x96, 9);
    const auto got = sim.ask(protocol::readRequest("09"), 1, 3000);
    QCOMPARE(got.bytes, expected);
    const double lineMs = sim::lineMicroseconds(expected.size(), baud) / 1000.0;
    qInfo("%d characters at %d baud: last byte after %lld ms in %d pieces (turnaround %d ms + line %.1f ms)",
          int(expected.size()), baud, got.lastByteMs, got.pieces, delayMs, lineMs);
    // Never faster than the line could carry it; late by no more than a loaded machine's timers.
    QVERIFY(got.lastByteMs >= delayMs + lineMs - 2);
    QVERIFY(got.lastByteMs <= delayMs + lineMs + 150);
    QVERIFY2(got.pieces >= 2, "the reply should arrive in pieces");
}

void TestSimProcess::exitsCleanlyOnSignal_data() {
    QTest::addColumn<int>("signalNumber");
    QTest::newRow("SIGTERM") << int(SIGTERM);
    QTest::newRow("SIGINT") << int(SIGINT);
}

void TestSimProcess::exitsCleanlyOnSignal() {
    QFETCH(int, signalNumber);
    SimUnderTest sim({"--instrument", "5:02"});
    QVERIFY(sim.ready());
    ::kill(static_cast<pid_t>(sim.process().processId()), signalNumber);
    QVERIFY(sim.process().waitForFinished(3000));
    QCOMPARE(sim.process().exitStatus(), QProcess::NormalExit);
    QCOMPARE(sim.process().exitCode(), 0);
}

void TestSimProcess::rejectsBadCommandLine() {
    QProcess p;
    p.start(simProgram(), {"--instrument", "5:2"});
    QVERIFY(p.waitForFinished(5000));
    QCOMPARE(p.exitCode(), 2);
    QVERIFY(p.readAllStandardOutput().isEmpty());
    QVERIFY(p.readAllStandardError().contains("5:2"));
}

QTEST_GUILESS_MAIN(TestSimProcess)
#include "test_sim_process.moc"
