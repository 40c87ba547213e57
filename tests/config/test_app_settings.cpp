// The application settings file: what a hand-edited or damaged file gives, that saving and reading
// back keeps every value, and that a failed save leaves the old file.
#include "config/app_settings.h"
#include "config/config_texts.h"
#include "config/settings_format.h"
#include "recording_sink.h"

#include <QTemporaryDir>
#include <QTest>

using namespace config;

Q_DECLARE_METATYPE(config::AppValues)

namespace {

// The values as one line, so that a failing row shows what differs.
QString told(const AppValues& v) {
    QStringList ports;
    for (const serial::PortChoice& p : v.portMapping)
        ports << (p.isAutomatic() ? QStringLiteral("auto") : p.serialNumber + QLatin1Char('@') + p.portName);
    return QStringLiteral("timeout=%1 poll=%2 fast=%3 ports=%4 history=<%5> language=<%6>")
        .arg(v.replyTimeoutMs)
        .arg(v.pollIntervalMs)
        .arg(v.fastScan)
        .arg(ports.join(QLatin1Char(',')), v.historyFolder, v.language);
}

AppValues with(const std::function<void(AppValues&)>& change) {
    AppValues v;
    change(v);
    return v;
}

void writeFile(const QString& path, const QByteArray& content) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestAppSettings : public QObject {
    Q_OBJECT
private slots:
    // What a file's text gives: the values, and how many of its lines could not be used.
    void parse_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<AppValues>("values");
        QTest::addColumn<int>("problems");

        const AppValues defaults;
        QTest::newRow("empty file") << QByteArray() << defaults << 0;
        QTest::newRow("every value")
            << QByteArray("[scan]\nfast=1\nreply_timeout_ms=30\n[diagnosis]\npoll_interval_ms=60000\n"
                          "[port2]\nserial_number=\"A5\"\ndevice=\"ttyUSB1\"\n[history]\nfolder=\"/srv/h\"\n"
                          "[interface]\nlanguage=\"zh_CN\"\n")
            << with([](AppValues& v) {
                   v.fastScan = true;
                   v.replyTimeoutMs = 30;
                   v.pollIntervalMs = 60000;
                   v.portMapping[1] = {QStringLiteral("A5"), QStringLiteral("ttyUSB1")};
                   v.historyFolder = QStringLiteral("/srv/h");
                   v.language = QStringLiteral("zh_CN");
               })
            << 0;
        QTest::newRow("hand edit: bare values, blanks, CR LF, BOM, comments")
            << QByteArray(
                   "\xEF\xBB\xBF# mine\r\n[ scan ]\r\n  reply_timeout_ms = 2000 \r\n; old\r\nfast = yes\r\n"
                   "[port4]\r\ndevice = ttyS0\r\n")
            << with([](AppValues& v) {
                   v.replyTimeoutMs = 2000;
                   v.fastScan = true;
                   v.portMapping[3].portName = QStringLiteral("ttyS0");
               })
            << 0;
        QTest::newRow("unknown sections and keys passed over")
            << QByteArray("[scan]\ncolour=red\n[later]\nx=1\n[port9]\ndevice=ttyS9\n[diagnosis]\npoll_"
                          "interval_ms=900\n")
            << with([](AppValues& v) { v.pollIntervalMs = 900; }) << 0;
        QTest::newRow("a key in another section is another key")
            << QByteArray("[diagnosis]\nreply_timeout_ms=100\n") << defaults << 0;
        QTest::newRow("time-out below the range")
            << QByteArray("[scan]\nreply_timeout_ms=29\n") << defaults << 1;
        QTest::newRow("time-out above the range")
            << QByteArray("[scan]\nreply_timeout_ms=2001\n") << defaults << 1;
        QTest::newRow("time-out not a number")
            << QByteArray("[scan]\nreply_timeout_ms=1s\n") << defaults << 1;
        QTest::newRow("fast neither yes nor no") << QByteArray("[scan]\nfast=maybe\n") << defaults << 1;
        QTest::newRow("language not a language name")
            << QByteArray("[interface]\nlanguage=\"../../etc\"\n") << defaults << 1;
        QTest::newRow("quotes not closed") << QByteArray("[history]\nfolder=\"/srv\n") << defaults << 1;
        QTest::newRow("unknown escape") << QByteArray("[port1]\ndevice=\"tty\\q\"\n") << defaults << 1;
        QTest::newRow("line without a value") << QByteArray("[scan]\nfast\n") << defaults << 1;
        QTest::newRow("not UTF-8") << QByteArray("[history]\nfolder=\"\xff\xfe\"\n") << defaults << 1;
        QTest::newRow("bad values beside good ones: the good ones are used")
            << QByteArray("[scan]\nreply_timeout_ms=0\nfast=1\n[diagnosis]\npoll_interval_ms=499\n"
                          "[port1]\nserial_number=\"B7\n[interface]\nlanguage=en\n")
            << with([](AppValues& v) {
                   v.fastScan = true;
                   v.language = QStringLiteral("en");
               })
            << 3;
    }
    void parse() {
        QFETCH(QByteArray, text);
        QFETCH(AppValues, values);
        QFETCH(int, problems);
        const ParsedValues parsed = parseAppSettings(text);
        QCOMPARE(told(parsed.values), told(values));
        QCOMPARE(parsed.problems.size(), problems);
    }

    // Everything written is read back as it was, strange text included.
    void roundTrip_data() {
        QTest::addColumn<AppValues>("values");
        QTest::newRow("defaults") << AppValues{};
        QTest::newRow("every value changed") << with([](AppValues& v) {
            v.fastScan = true;
            v.replyTimeoutMs = 31;
            v.pollIntervalMs = 59999;
            for (int i = 0; i < serial::kMappedPorts; ++i)
                v.portMapping[i] = {QStringLiteral("S%1").arg(i), QStringLiteral("ttyUSB%1").arg(i)};
            v.historyFolder = QStringLiteral("历史/数据");
            v.language = QStringLiteral("zh-Hant-TW");
        });
        QTest::newRow("text that looks like syntax") << with([](AppValues& v) {
            v.portMapping[0].serialNumber = QStringLiteral(" a\"b\\c = [d] # e ");
            v.portMapping[2].portName = QStringLiteral("line\nbreak\ttab\rcr");
            v.historyFolder = QStringLiteral("\\\\server\\share\\");
        });
    }
    void roundTrip() {
        QFETCH(AppValues, values);
        const ParsedValues parsed = parseAppSettings(formatAppSettings(values));
        QVERIFY2(parsed.problems.isEmpty(), qPrintable(parsed.problems.join('\n')));
        QCOMPARE(told(parsed.values), told(values));
        QVERIFY(parsed.values == values);
    }

    void valuesAreBounded_data() {
        QTest::addColumn<int>("timeout");
        QTest::addColumn<int>("poll");
        QTest::addColumn<QString>("kept");
        QTest::newRow("below") << 0 << -5 << "30 500";
        QTest::newRow("above") << 5000 << 100000 << "2000 60000";
    }
    void valuesAreBounded() {
        QFETCH(int, timeout);
        QFETCH(int, poll);
        AppSettings settings(QStringLiteral("/nowhere"));
        settings.setValues(with([&](AppValues& v) {
            v.replyTimeoutMs = timeout;
            v.pollIntervalMs = poll;
        }));
        QTEST(QStringLiteral("%1 %2")
                  .arg(settings.values().replyTimeoutMs)
                  .arg(settings.values().pollIntervalMs),
              "kept");
    }

    void historyFolder_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("database"); // relative to the program's folder when not absolute
        QTest::newRow("default: the data folder") << ""
                                                  << "data/history.db";
        QTest::newRow("relative to the program") << "records"
                                                 << "records/history.db";
        QTest::newRow("absolute") << "/srv/commtest"
                                  << "/srv/commtest/history.db";
    }
    void historyFolder() {
        QFETCH(QString, folder);
        QFETCH(QString, database);
        AppSettings settings(QStringLiteral("/opt/commtest/bin"));
        settings.setValues(with([&](AppValues& v) { v.historyFolder = folder; }));
        QCOMPARE(settings.historyDatabasePath(),
                 QDir(QStringLiteral("/opt/commtest/bin")).filePath(database));
    }

    // Loading on a temporary program folder: defaults, and at most one message for the operator.
    void load_data() {
        QTest::addColumn<QByteArray>("content"); // "<missing>" / "<folder>": no file / a folder in its place
        QTest::addColumn<QString>("values");
        QTest::addColumn<int>("messages");
        const QString defaults = told(AppValues{});
        QTest::newRow("first run: no file, no message") << QByteArray("<missing>") << defaults << 0;
        QTest::newRow("good file") << QByteArray("[scan]\nreply_timeout_ms=90\n")
                                   << told(with([](AppValues& v) { v.replyTimeoutMs = 90; })) << 0;
        QTest::newRow("three bad values, one message")
            << QByteArray("[scan]\nreply_timeout_ms=1\nfast=2\n[diagnosis]\npoll_interval_ms=1\n") << defaults
            << 1;
        QTest::newRow("too large to be ours")
            << QByteArray(AppSettings::kMaxFileSize + 1, '#') << defaults << 1;
        QTest::newRow("a folder in its place") << QByteArray("<folder>") << defaults << 1;
    }
    void load() {
        QFETCH(QByteArray, content);
        QFETCH(QString, values);
        QFETCH(int, messages);
        QTemporaryDir dir;
        const QString path = AppSettings::filePath(dir.path());
        QCOMPARE(path, dir.filePath(QStringLiteral("data/commtest.ini"))); // beside Communicate.txt
        if (content == "<folder>")
            QVERIFY(QDir().mkpath(path));
        else if (content != "<missing>")
            writeFile(path, content);
        RecordingSink sink;
        AppSettings settings(dir.path());
        settings.setValues(with([](AppValues& v) { v.pollIntervalMs = 777; })); // to be replaced
        QCOMPARE(settings.load(sink), messages == 0);
        QCOMPARE(told(settings.values()), values);
        QCOMPARE(sink.shown.size(), messages);
        QCOMPARE(settings.problems().isEmpty(), messages == 0);
        if (messages) {
            QCOMPARE(sink.shown[0].title, texts::kUnusableTitle);
            for (const QString& problem : settings.problems())
                QVERIFY(sink.shown[0].text.contains(problem));
        }
        // Loading never writes.
        QCOMPARE(QFileInfo::exists(path), content != "<missing>");
        if (content != "<missing>" && content != "<folder>") QCOMPARE(readFile(path), content);
    }

    // A save that fails half-way leaves the old file whole and says why.
    void failedSaveKeepsOldFile() {
        QTemporaryDir dir;
        AppSettings settings(dir.path());
        settings.setValues(with([](AppValues& v) { v.replyTimeoutMs = 250; }));
        QVERIFY(settings.save());
        const QByteArray old = readFile(settings.path());
        settings.setValues(with([](AppValues& v) { v.replyTimeoutMs = 1000; }));
        QString error;
        const bool saved = settings.save(
            [](QIODevice& file, const QByteArray& bytes) {
                file.write(bytes.left(bytes.size() / 2));
                return qint64(-1);
            },
            &error);
        QVERIFY(!saved);
        QVERIFY(!error.isEmpty());
        QCOMPARE(readFile(settings.path()), old);
        QCOMPARE(QDir(dir.filePath(QStringLiteral("data"))).entryList(QDir::Files),
                 QStringList{"commtest.ini"});
    }

    void failedSaveIsSaid() {
        QTemporaryDir dir;
        writeFile(dir.filePath(QStringLiteral("data")), "a file where the folder should be");
        AppSettings settings(dir.path());
        RecordingSink sink;
        QVERIFY(!settings.save(sink));
        QCOMPARE(sink.shown.size(), 1);
        QCOMPARE(sink.shown[0].title, texts::kSaveFailedTitle);
        QVERIFY(sink.shown[0].text.contains(QStringLiteral("原来的设置文件保持不变")));
        QCOMPARE(readFile(dir.filePath(QStringLiteral("data"))),
                 QByteArray("a file where the folder should be"));
    }
};

QTEST_GUILESS_MAIN(TestAppSettings)
#include "test_app_settings.moc"
