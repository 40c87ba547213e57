// The terminal on the simulated bus: hand-sent requests on a faulty line judged as the simulator
// played them, and a listen-only terminal on a tap of a line that another process polls.
#include "engine/traffic_hub.h"
#include "link/qt_serial_link.h"
#include "protocol/frame.h"
#include "pty_pair.h"
#include "recording_sink.h"
#include "sim_process.h"
#include "terminal/ui/terminal_window.h"
#include "views/instrument_types.h"

#include <QProcess>
#include <QTest>
#include <QTimer>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

using terminal::Verdict;

namespace {

int countOf(const terminal::TrafficLog& log, Verdict verdict) {
    int n = 0;
    for (qint64 s = log.firstSeq(); s < log.endSeq(); ++s)
        n += log.at(s).verdict == verdict;
    return n;
}

// A raw, non-blocking descriptor on a serial device.
int openRaw(const QString& path) {
    const int fd = ::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) return fd;
    termios t{};
    tcgetattr(fd, &t);
    cfmakeraw(&t);
    tcsetattr(fd, TCSANOW, &t);
    return fd;
}

QByteArray readSome(int fd) {
    char buffer[512];
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    return n > 0 ? QByteArray(buffer, static_cast<int>(n)) : QByteArray();
}

} // namespace

class TestTerminalOnSim : public QObject {
    Q_OBJECT
private slots:
    void faultyLineJudged();
    void listensToAnotherMaster();
};

// Echo, one junk byte before each reply and a share of corrupted replies: each shows as such.
void TestTerminalOnSim::faultyLineJudged() {
    SimProcess sim;
    QVERIFY2(sim.start({"--echo", "--noise", "--corrupt", "30"}), qPrintable(sim.error()));
    serial::QtSerialLink link;
    link.setPortNumber(1);
    RecordingSink messages;
    engine::TrafficHub hub;
    terminal::TerminalWindow window(link, hub, messages);
    QVERIFY(window.sendReadRequest(QStringLiteral("1"), true, 100));
    const terminal::TrafficLog& log = window.log();
    QTRY_VERIFY_WITH_TIMEOUT(countOf(log, Verdict::BadCheck) >= 2 && countOf(log, Verdict::Accepted) >= 2,
                             20000);
    window.releasePort();
    QVERIFY(messages.shown.isEmpty());

    const int requests = countOf(log, Verdict::Request);
    QVERIFY(countOf(log, Verdict::Echo) >= requests - 1);
    for (qint64 s = log.firstSeq(); s < log.endSeq(); ++s) {
        const terminal::TrafficLine& line = log.at(s);
        if (line.verdict == Verdict::Noise) QCOMPARE(line.bytes.size(), 1);
        if (line.verdict == Verdict::Accepted) {
            QCOMPARE(line.address, 1);
            QVERIFY(!views::modelNameOf(line.typeCode).isEmpty());
            QVERIFY(line.roundTripMs >= 0 && line.roundTripMs < 100);
            QVERIFY(terminal::verdictText(line).contains(views::modelNameOf(line.typeCode)));
        }
        if (line.verdict == Verdict::BadCheck)
            QVERIFY(terminal::carriedCheck(line.bytes) != terminal::expectedCheck(line.bytes));
    }
    const terminal::AddressHealth& health = log.health().rows().at(1);
    QCOMPARE(health.accepted + health.badChecks + health.missing + 1 >= health.requests, true);
    QVERIFY(health.badChecks >= 2);
    QVERIFY(health.roundTripMin >= 0 && health.roundTripMin <= health.roundTripMax);
}

// Another process asks on its own pseudo-terminal; a tap passes its requests to the simulator and
// the replies back, copying both to the line the terminal listens on.
void TestTerminalOnSim::listensToAnotherMaster() {
    SimProcess sim;
    QVERIFY2(sim.start({}), qPrintable(sim.error()));
    const int bus = openRaw(sim.devicePath());
    QVERIFY(bus >= 0);
    PtyPair master; // the other master's port
    PtyPair copy;   // what the terminal hears
    QVERIFY(master.isValid() && copy.isValid());
    QTimer tap;
    tap.setInterval(2);
    QObject::connect(&tap, &QTimer::timeout, [&] {
        const QByteArray asked = master.read();
        if (!asked.isEmpty()) {
            (void)::write(bus, asked.constData(), static_cast<size_t>(asked.size()));
            copy.write(asked);
        }
        const QByteArray answered = readSome(bus);
        if (!answered.isEmpty()) {
            master.write(answered);
            copy.write(answered);
        }
    });
    tap.start();

    qputenv("COMMTEST_COM1", copy.slavePath().toLocal8Bit());
    serial::QtSerialLink link;
    link.setPortNumber(1);
    RecordingSink messages;
    engine::TrafficHub hub;
    terminal::TerminalWindow window(link, hub, messages);
    QVERIFY(window.listen());

    const QString script =
        QStringLiteral("for i in 1 2 3 4 5 6 7 8; do printf '%1' > %3; sleep 0.2; "
                       "printf '%2' > %3; sleep 0.2; done")
            .arg(QString(protocol::readRequest("01").chopped(1)) + QLatin1String("\\r"),
                 QString(protocol::readRequest("02").chopped(1)) + QLatin1String("\\r"), master.slavePath());
    QProcess other;
    other.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), script});
    QVERIFY(other.waitForStarted());
    const terminal::TrafficLog& log = window.log();
    QTRY_VERIFY_WITH_TIMEOUT(log.health().rows().count(2) && log.health().rows().at(2).accepted >= 3, 20000);
    other.kill();
    other.waitForFinished();
    window.releasePort();
    ::close(bus);

    QVERIFY(countOf(log, Verdict::HeardRequest) >= 6);
    QCOMPARE(countOf(log, Verdict::Request), 0);
    QVERIFY(log.health().rows().at(1).accepted >= 3);
    for (qint64 s = log.firstSeq(); s < log.endSeq(); ++s)
        if (log.at(s).verdict == Verdict::Accepted) QVERIFY(log.at(s).roundTripMs >= 0);
    // Listening wrote nothing to the line.
    QCOMPARE(copy.read(), QByteArray());
    QVERIFY(messages.shown.isEmpty());
}

QTEST_MAIN(TestTerminalOnSim)
#include "test_terminal_on_sim.moc"
