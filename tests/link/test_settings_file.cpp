#include "link/settings_file.h"

#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

using namespace serial;

class TestSettingsFile : public QObject {
    Q_OBJECT
private slots:
    void parse_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("port");
        QTest::addColumn<QString>("settings");
        QTest::newRow("written by us") << QByteArray("\"COM1\",\" 9600\"\r\n") << true << 1 << " 9600,n,8,1";
        QTest::newRow("19200 without blank") << QByteArray("\"COM2\",\"19200\"\r\n") << true << 2 << "19200,n,8,1";
        QTest::newRow("COM12 is port 12") << QByteArray("\"COM12\",\" 4800\"\r\n") << true << 12 << " 4800,n,8,1";
        QTest::newRow("no line end") << QByteArray("\"COM3\",\" 600\"") << true << 3 << " 600,n,8,1";
        QTest::newRow("LF only") << QByteArray("\"COM4\",\" 1200\"\n") << true << 4 << " 1200,n,8,1";
        QTest::newRow("bare fields") << QByteArray("COM2 , 2400  \r\n") << true << 2 << "2400,n,8,1";
        QTest::newRow("junk after quote skipped") << QByteArray("\"COM1\"xyz,\" 9600\"\r\n") << true << 1 << " 9600,n,8,1";
        QTest::newRow("second line ignored") << QByteArray("\"COM1\",\" 9600\"\r\n\"COM2\",\"19200\"\r\n") << true << 1 << " 9600,n,8,1";
        QTest::newRow("empty") << QByteArray() << false << 0 << "";
        QTest::newRow("one field") << QByteArray("\"COM1\"\r\n") << false << 0 << "";
        QTest::newRow("port without number") << QByteArray("\"COM\",\" 9600\"\r\n") << false << 0 << "";
        QTest::newRow("port letter") << QByteArray("\"COMX\",\" 9600\"\r\n") << false << 0 << "";
        QTest::newRow("port zero") << QByteArray("\"COM0\",\" 9600\"\r\n") << false << 0 << "";
        QTest::newRow("port too large") << QByteArray("\"COM40000\",\" 9600\"\r\n") << false << 0 << "";
        QTest::newRow("not COM") << QByteArray("\"LPT1\",\" 9600\"\r\n") << false << 0 << "";
        QTest::newRow("rate not offered") << QByteArray("\"COM1\",\" 9601\"\r\n") << false << 0 << "";
        QTest::newRow("rate with junk") << QByteArray("\"COM1\",\" 9600x\"\r\n") << false << 0 << "";
    }
    void parse() {
        QFETCH(QByteArray, content);
        QFETCH(bool, valid);
        QFETCH(int, port);
        QFETCH(QString, settings);
        const ReadResult r = parseSettings(content);
        QCOMPARE(r.settings.has_value(), valid);
        if (valid) {
            QCOMPARE(int(r.settings->portNumber), port);
            QCOMPARE(r.settings->settings, settings);
            QCOMPARE(rateOf(r.settings->settings), settings.trimmed().section(',', 0, 0).toInt());
        } else {
            QVERIFY(!r.problem.isEmpty());
        }
    }

    void format_data() {
        QTest::addColumn<int>("port");
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("port 1 at 9600") << 1 << "9600,n,8,1" << QByteArray("\"COM1\",\" 9600\"\r\n");
        QTest::newRow("port 1 at 19200") << 1 << "19200,n,8,1" << QByteArray("\"COM1\",\"19200\"\r\n");
        QTest::newRow("leading blank kept once") << 2 << " 9600,n,8,1" << QByteArray("\"COM2\",\" 9600\"\r\n");
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
        const bool saved = replaceFile(path, newLine, [](QIODevice& file, const QByteArray& bytes) {
            file.write(bytes.left(bytes.size() / 2));
            return qint64(-1);
        }, &error);
        QVERIFY(!saved);
        QVERIFY(!error.isEmpty());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("\"COM2\",\"19200\"\r\n"));
        QCOMPARE(QDir(dir.filePath(QStringLiteral("data"))).entryList(QDir::Files), QStringList{QStringLiteral("Communicate.txt")});
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
        const bool saved = replaceFile(path, formatSettings({1, QStringLiteral("600,n,8,1")}),
                                       [reported](QIODevice& file, const QByteArray& bytes) {
                                           return file.write(bytes.left(reported));
                                       },
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
            replaceFile(path, formatSettings({1, QStringLiteral("600,n,8,1")}),
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
