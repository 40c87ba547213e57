// The demo launcher: starts the simulator, points every port the program may use at it, runs the
// program with the launcher's arguments and stops the simulator when the program ends.
#include "protocol/frame.h"
#include "tools/sim/reply_builder.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Stands in for the program: notes its ports and arguments, asks instrument 1 once through
// port 1 (its CR written as "|"), and exits with 3 so that the launcher's exit status can be
// checked.
const char* const kFakeProgram = R"sh(#!/usr/bin/env bash
out="$(dirname "$0")/out.txt"
{
  for n in 1 2 3 4 5 6 7 8 9; do echo "COM$n=$(printenv "COMMTEST_COM$n")"; done
  echo "args=$*"
  exec 3<>"$COMMTEST_COM1"
  printf '@01RD17\r' >&3
  # head, not bash's read: read switches the terminal into a mode that turns CR into LF.
  echo "reply=$(timeout 3 head -c "$REPLY_LENGTH" <&3 | tr '\r' '|')"
} > "$out"
exit 3
)sh";

bool copyExecutable(const QString& from, const QString& to) {
    return QFile::copy(from, to) &&
           QFile::setPermissions(to, QFile::permissions(to) | QFile::ExeOwner | QFile::ExeUser);
}

} // namespace

class TestDemoLauncher : public QObject {
    Q_OBJECT
private slots:
    void runsProgramAgainstSimulator_data();
    void runsProgramAgainstSimulator();
};

void TestDemoLauncher::runsProgramAgainstSimulator_data() {
    QTest::addColumn<QByteArray>("settings"); // data/Communicate.txt, empty: none
    QTest::addColumn<QList<int>>("ports");    // ports that must lead to the simulator
    QTest::newRow("no settings file") << QByteArray() << QList<int>{1, 2, 3, 4};
    QTest::newRow("settings on port 7") << QByteArray("\"COM7\",\"19200\"\r\n") << QList<int>{1, 2, 3, 4, 7};
}

void TestDemoLauncher::runsProgramAgainstSimulator() {
    QFETCH(QByteArray, settings);
    QFETCH(QList<int>, ports);
    const QString bin = qEnvironmentVariable("COMMTEST_BIN_DIR");
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(copyExecutable(bin + "/commtest-demo", dir.filePath("commtest-demo")));
    QVERIFY(copyExecutable(bin + "/commtest-sim", dir.filePath("commtest-sim")));
    {
        QFile fake(dir.filePath("commtest"));
        QVERIFY(fake.open(QIODevice::WriteOnly));
        fake.write(kFakeProgram);
    }
    QVERIFY(QFile::setPermissions(dir.filePath("commtest"),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    if (!settings.isEmpty()) {
        QVERIFY(QDir(dir.path()).mkpath("data"));
        QFile file(dir.filePath("data/Communicate.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(settings);
    }

    QProcess demo;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    QRandomGenerator unused(0);
    const QByteArray expectedReply = sim::buildReply(0x02, 1, sim::Moment::fixedValues(), unused);
    env.insert("COMMTEST_SIM_ARGS", "--fixed --delay 5");
    env.insert("REPLY_LENGTH", QString::number(expectedReply.size()));
    demo.setProcessEnvironment(env);
    demo.start(dir.filePath("commtest-demo"), {"--first", "two words"});
    QVERIFY(demo.waitForFinished(15000));
    QCOMPARE(demo.exitStatus(), QProcess::NormalExit);
    QCOMPARE(demo.exitCode(), 3);

    QFile out(dir.filePath("out.txt"));
    QVERIFY(out.open(QIODevice::ReadOnly));
    QMap<QByteArray, QByteArray> seen;
    for (const QByteArray& line : out.readAll().split('\n')) {
        const int eq = line.indexOf('=');
        if (eq > 0) seen.insert(line.left(eq), line.mid(eq + 1));
    }
    const QByteArray device = seen.value("COM1");
    QVERIFY2(device.startsWith("/dev/"), device.constData());
    for (int n = 1; n <= 9; ++n) {
        const QByteArray value = seen.value("COM" + QByteArray::number(n));
        QCOMPARE(value, ports.contains(n) ? device : QByteArray());
    }
    QCOMPARE(seen.value("args"), QByteArray("--first two words"));
    // Instrument 1 of the default bus is the two-alarm meter.
    QCOMPARE(seen.value("reply").replace('|', '\r'), expectedReply);
    // The simulator is gone with its pseudo-terminal.
    QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(QString::fromLocal8Bit(device)), 3000);
}

QTEST_GUILESS_MAIN(TestDemoLauncher)
#include "test_demo_launcher.moc"
