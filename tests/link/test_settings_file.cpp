#include "link/settings_file.h"

#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

using namespace serial;

class TestSettingsFile : public QObject {
    Q_OBJECT
private slots:
    // port -1: the file gives no settings at all; a problem: what could not be used was replaced.
    void parse_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("port");
        QTest::addColumn<QString>("settings");
        QTest::addColumn<bool>("problem");
        QTest::newRow("written by us") << QByteArray("\"COM1\",\" 9600\"\r\n") << 1 << " 9600,n,8,1" << false;
        QTest::newRow("19200 without blank")
            << QByteArray("\"COM2\",\"19200\"\r\n") << 2 << "19200,n,8,1" << false;
        QTest::newRow("COM12 is port 12")
            << QByteArray("\"COM12\",\" 4800\"\r\n") << 12 << " 4800,n,8,1" << false;
        QTest::newRow("no line end") << QByteArray("\"COM3\",\" 600\"") << 3 << " 600,n,8,1" << false;
        QTest::newRow("LF only") << QByteArray("\"COM4\",\" 1200\"\n") << 4 << " 1200,n,8,1" << false;
        QTest::newRow("bare fields") << QByteArray("COM2 , 2400  \r\n") << 2 << "2400,n,8,1" << false;
        QTest::newRow("junk after quote skipped")
            << QByteArray("\"COM1\"xyz,\" 9600\"\r\n") << 1 << " 9600,n,8,1" << false;
        QTest::newRow("second line ignored")
            << QByteArray("\"COM1\",\" 9600\"\r\n\"COM2\",\"19200\"\r\n") << 1 << " 9600,n,8,1" << false;
        // Rates beyond the six that a serial port can be set to are kept as they are.
        QTest::newRow("38400 kept") << QByteArray("\"COM2\",\"38400\"\r\n") << 2 << "38400,n,8,1" << false;
        QTest::newRow("115200 kept") << QByteArray("\"COM3\",\"115200\"\r\n") << 3 << "115200,n,8,1" << false;
        QTest::newRow("300 kept") << QByteArray("\"COM1\",\" 300\"\r\n") << 1 << " 300,n,8,1" << false;
        // A rate no port takes: the port stays, the rate becomes 9600, and the operator is told.
        QTest::newRow("rate not standard")
            << QByteArray("\"COM2\",\" 9601\"\r\n") << 2 << "9600,n,8,1" << true;
        QTest::newRow("rate too large") << QByteArray("\"COM4\",\"250000\"\r\n") << 4 << "9600,n,8,1" << true;
        QTest::newRow("rate with junk") << QByteArray("\"COM3\",\" 9600x\"\r\n") << 3 << "9600,n,8,1" << true;
        QTest::newRow("rate empty") << QByteArray("\"COM3\",\"\"\r\n") << 3 << "9600,n,8,1" << true;
        QTest::newRow("one field") << QByteArray("\"COM2\"\r\n") << 2 << "9600,n,8,1" << true;
        QTest::newRow("empty") << QByteArray() << -1 << "" << true;
        QTest::newRow("port without number") << QByteArray("\"COM\",\" 9600\"\r\n") << -1 << "" << true;
        QTest::newRow("port letter") << QByteArray("\"COMX\",\" 9600\"\r\n") << -1 << "" << true;
        QTest::newRow("port zero") << QByteArray("\"COM0\",\" 9600\"\r\n") << -1 << "" << true;
        QTest::newRow("port too large") << QByteArray("\"COM40000\",\" 9600\"\r\n") << -1 << "" << true;
        QTest::newRow("not COM") << QByteArray("\"LPT1\",\" 9600\"\r\n") << -1 << "" << true;
    }
    void parse() {
        QFETCH(QByteArray, content);
        QFETCH(int, port);
        QFETCH(QString, settings);
        QFETCH(bool, problem);
        const ReadResult r = parseSettings(content);
        QCOMPARE(r.settings.has_value(), port > 0);
        QCOMPARE(!r.problem.isEmpty(), problem);
        if (!r.settings) return;
        QCOMPARE(int(r.settings->portNumber), port);
        QCOMPARE(r.settings->settings, settings);
        QVERIFY(acceptedRates().contains(rateOf(r.settings->settings)));
    }

    // A kept rate outside the six survives the next save and read.
    void keptRateRoundTrips_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("38400") << QByteArray("\"COM2\",\"38400\"\r\n");
        QTest::newRow("300") << QByteArray("\"COM1\",\" 300\"\r\n");
    }
    void keptRateRoundTrips() {
        QFETCH(QByteArray, content);
        const ReadResult r = parseSettings(content);
        QVERIFY(r.settings);
        QCOMPARE(formatSettings(*r.settings), content);
    }

    void format_data() {
        QTest::addColumn<int>("port");
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("port 1 at 9600") << 1 << "9600,n,8,1" << QByteArray("\"COM1\",\" 9600\"\r\n");
        QTest::newRow("port 1 at 19200") << 1 << "19200,n,8,1" << QByteArray("\"COM1\",\"19200\"\r\n");
        QTest::newRow("leading blank kept once")
            << 2 << " 9600,n,8,1" << QByteArray("\"COM2\",\" 9600\"\r\n");
    }
    void format() {
        QFETCH(int, port);
        QFETCH(QString, settings);
        QFETCH(QByteArray, line);
        QCOMPARE(formatSettings({qint16(port), settings}), line);
    }

    void roundTripEveryRateAndPort_data() {
        QTest::addColumn<int>("port");
        QTest::addColumn<int>("rate");
        for (int port = 1; port <= 4; ++port)
            for (int rate : supportedRates())
                QTest::newRow(qPrintable(QStringLiteral("COM%1 %2").arg(port).arg(rate))) << port << rate;
    }
    void roundTripEveryRateAndPort() {
        QFETCH(int, port);
        QFETCH(int, rate);
        QTemporaryDir dir;
        const QString path = settingsFilePath(dir.path());
        QVERIFY(writeSettingsFile(path, {qint16(port), QStringLiteral("%1,n,8,1").arg(rate)}));
        const ReadResult r = readSettingsFile(path);
        QVERIFY(r.settings);
        QCOMPARE(int(r.settings->portNumber), port);
        QCOMPARE(rateOf(r.settings->settings), rate);
    }

    void missingFileIsReported() {
        QTemporaryDir dir;
        const ReadResult r = readSettingsFile(settingsFilePath(dir.path()));
        QVERIFY(!r.settings);
        QVERIFY(!r.problem.isEmpty());
    }

    // A save that dies half-way leaves the old file whole and no temporary file behind.
    void failedSaveKeepsOldFile() {
        QTemporaryDir dir;
        const QString path = settingsFilePath(dir.path());
        QVERIFY(writeSettingsFile(path, {2, QStringLiteral("19200,n,8,1")}));
        const QByteArray newLine = formatSettings({1, QStringLiteral("600,n,8,1")});
        QString error;
        const bool saved = replaceFile(
            path, newLine,
            [](QIODevice& file, const QByteArray& bytes) {
                file.write(bytes.left(bytes.size() / 2));
                return qint64(-1);
            },
            &error);
        QVERIFY(!saved);
        QVERIFY(!error.isEmpty());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("\"COM2\",\"19200\"\r\n"));
        QCOMPARE(QDir(dir.filePath(QStringLiteral("data"))).entryList(QDir::Files),
                 QStringList{QStringLiteral("Communicate.txt")});
    }

    // A writer that reports success for fewer bytes than it was given has not saved the file.
    void shortSaveKeepsOldFile_data() {
        QTest::addColumn<int>("reported");
        QTest::newRow("half the line") << 8;
        QTest::newRow("nothing") << 0;
    }
    void shortSaveKeepsOldFile() {
        QFETCH(int, reported);
        QTemporaryDir dir;
        const QString path = settingsFilePath(dir.path());
        QVERIFY(writeSettingsFile(path, {2, QStringLiteral("19200,n,8,1")}));
        const bool saved = replaceFile(
            path, formatSettings({1, QStringLiteral("600,n,8,1")}),
            [reported](QIODevice& file, const QByteArray& bytes) { return file.write(bytes.left(reported)); },
            nullptr);
        QVERIFY(!saved);
        const ReadResult r = readSettingsFile(path);
        QVERIFY(r.settings);
        QCOMPARE(*r.settings, (LinkSettings{2, QStringLiteral("19200,n,8,1")}));
    }

    // The program killed in the middle of a save runs no clean-up at all; the next start still
    // reads the old settings.
    void killedSaveKeepsOldFile() {
        QTemporaryDir dir;
        const QString path = settingsFilePath(dir.path());
        QVERIFY(writeSettingsFile(path, {2, QStringLiteral("19200,n,8,1")}));
        const pid_t child = fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            replaceFile(
                path, formatSettings({1, QStringLiteral("600,n,8,1")}),
                [](QIODevice& file, const QByteArray& bytes) {
                    file.write(bytes.left(bytes.size() / 2));
                    static_cast<QFileDevice&>(file).flush();
                    raise(SIGKILL);
                    return qint64(bytes.size());
                },
                nullptr);
            _exit(0); // not reached
        }
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
        const ReadResult r = readSettingsFile(path);
        QVERIFY2(r.settings, qPrintable(r.problem));
        QCOMPARE(*r.settings, (LinkSettings{2, QStringLiteral("19200,n,8,1")}));
    }

    void saveCreatesFolder() {
        QTemporaryDir dir;
        const QString path = settingsFilePath(dir.filePath(QStringLiteral("fresh")));
        QVERIFY(writeSettingsFile(path, {4, QStringLiteral("1200,n,8,1")}));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("\"COM4\",\" 1200\"\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "test_settings_file.moc"
