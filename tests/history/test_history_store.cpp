#include "history/history_texts.h"
#include "history/store.h"
#include "polls.h"
#include "store_fixture.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

using namespace history;
using namespace historytest;

namespace {

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

// A history file of ours with some polls in it, closed cleanly.
QByteArray ourFile(const QString& folder, int polls) {
    const QString path = folder + QStringLiteral("/ours.db");
    QFile::remove(path);
    {
        Store store;
        if (!store.open(path, OpenMode::Record, Durability::CrashSafe) || !store.startRecording(lineOf()))
            return QByteArray();
        for (int i = 0; i < polls; ++i)
            store.append(pollOf(i));
    }
    const QByteArray bytes = bytesOf(path);
    QFile::remove(path);
    return bytes;
}

// A SQLite file made by someone else: a table of theirs, and the application id they chose.
QByteArray foreignSqlite(const QString& folder, const QString& pragma) {
    const QString path = folder + QStringLiteral("/foreign.db");
    QFile::remove(path);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("foreign"));
        db.setDatabaseName(path);
        db.open();
        QSqlQuery query(db);
        query.exec(QStringLiteral("CREATE TABLE sample(x)"));
        query.exec(QStringLiteral("CREATE TABLE recording(x)"));
        query.exec(QStringLiteral("CREATE TABLE reading(x)"));
        if (!pragma.isEmpty()) query.exec(pragma);
        query.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("foreign"));
    const QByteArray bytes = bytesOf(path);
    QFile::remove(path);
    return bytes;
}

QByteArray patched(QByteArray bytes, int offset, const QByteArray& with) {
    bytes.replace(offset, with.size(), with);
    return bytes;
}

QString recordingText(const RecordingSummary& r) {
    QStringList keys;
    for (const ReadingInfo& reading : r.readings)
        keys << reading.key;
    return QStringLiteral("%1|%2|%3|%4|%5|%6")
        .arg(r.info.typeCode)
        .arg(r.info.model)
        .arg(r.firstMs)
        .arg(r.lastMs)
        .arg(r.sampleCount)
        .arg(keys.join(QLatin1Char(',')));
}

} // namespace

class TestHistoryStore : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_path;

private slots:
    void init() { m_path = m_dir.filePath(QStringLiteral("case/history.db")); }
    void cleanup() { QDir(m_dir.filePath(QStringLiteral("case"))).removeRecursively(); }

    // --- what goes in comes out ---------------------------------------------------------------

    void readBack_data() {
        QTest::addColumn<QStringList>("polls");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<qint64>("fromMs");
        QTest::addColumn<qint64>("toMs");
        QTest::addColumn<QStringList>("expected");
        const qint64 all0 = std::numeric_limits<qint64>::min(), all1 = std::numeric_limits<qint64>::max();
        QTest::newRow("accepted replies")
            << QStringList{"1000:PV=23.5,SV=50", "3000:PV=24,SV=50"} << QStringList{"PV", "SV"} << all0
            << all1 << QStringList{"1000||23.5;50", "3000||24;50"};
        QTest::newRow("no reply is a gap with its verdict")
            << QStringList{"1000:PV=1", "3000!no reply", "5000!bad check", "7000:PV=2"} << QStringList{"PV"}
            << all0 << all1 << QStringList{"1000||1", "3000|no reply|-", "5000|bad check|-", "7000||2"};
        QTest::newRow("keys in the order asked, unknown ones empty")
            << QStringList{"1000:PV=1,SV=2,AL1=1"} << QStringList{"AL1", "XX", "PV"} << all0 << all1
            << QStringList{"1000||1;-;1"};
        QTest::newRow("no keys asked means all, in first-seen order")
            << QStringList{"1000:SV=2", "3000:PV=1,SV=3"} << QStringList{} << all0 << all1
            << QStringList{"1000||2;-", "3000||3;1"};
        QTest::newRow("reading missing from one reply")
            << QStringList{"1000:PV=1,SV=2", "3000:PV=3"} << QStringList{"PV", "SV"} << all0 << all1
            << QStringList{"1000||1;2", "3000||3;-"};
        QTest::newRow("range bounds are inclusive")
            << QStringList{"1000:PV=1", "3000:PV=2", "5000:PV=3", "7000:PV=4"} << QStringList{"PV"}
            << qint64(3000) << qint64(5000) << QStringList{"3000||2", "5000||3"};
        QTest::newRow("range with nothing in it")
            << QStringList{"1000:PV=1"} << QStringList{"PV"} << qint64(2000) << qint64(9000) << QStringList{};
        QTest::newRow("same millisecond twice keeps both")
            << QStringList{"1000:PV=1", "1000:PV=2", "3000:PV=3"} << QStringList{"PV"} << all0 << all1
            << QStringList{"1000||1", "1000||2", "3000||3"};
        QTest::newRow("clock set back: all kept, in time order")
            << QStringList{"5000:PV=1", "7000:PV=2", "3000:PV=3", "5000:PV=4", "7000:PV=5"}
            << QStringList{"PV"} << all0 << all1
            << QStringList{"3000||3", "5000||1", "5000||4", "7000||2", "7000||5"};
        QTest::newRow("values kept exactly")
            << QStringList{"1000:A=-0.001,B=123456789.125,C=1e-300,D=0"} << QStringList{"A", "B", "C", "D"}
            << all0 << all1 << QStringList{"1000||-0.001;1.23457e+08;1e-300;0"};
    }
    void readBack() {
        QFETCH(QStringList, polls);
        QFETCH(QStringList, keys);
        QFETCH(qint64, fromMs);
        QFETCH(qint64, toMs);
        QFETCH(QStringList, expected);
        {
            Store store;
            QVERIFY2(store.open(m_path, OpenMode::Record, Durability::CrashSafe),
                     qPrintable(store.errorString()));
            QVERIFY(store.startRecording(lineOf(1, 10, "M10")));
            for (const QString& poll : polls)
                QCOMPARE(store.append(pollFromText(poll)), AppendResult::Stored);
        }
        Store browser;
        QVERIFY2(browser.open(m_path, OpenMode::Browse), qPrintable(browser.errorString()));
        const Selection selection{{1, 10, QString()}, fromMs, toMs, keys};
        QCOMPARE(historytest::readBack(browser, selection), expected);
        QCOMPARE(browser.countSamples(selection), qint64(expected.size()));
        const Series series = browser.readSeries(selection);
        QCOMPARE(qsizetype(series.timesMs.size()), expected.size());
        if (!expected.isEmpty())
            QCOMPARE(series.timesMs.back(), expected.back().section(QLatin1Char('|'), 0, 0).toLongLong());
    }

    // --- recordings, instruments, and readings kept once -----------------------------------

    void recordings_data() {
        QTest::addColumn<int>("startType");
        QTest::addColumn<QStringList>("polls");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QStringList>("instruments");
        QTest::newRow("one recording")
            << 10 << QStringList{"1000:PV=1,SV=2", "3000:PV=3,SV=4", "5000!no reply"}
            << QStringList{"10|M10|1000|5000|3|PV,SV"} << QStringList{"1/10/M10"};
        QTest::newRow("type learned from the first reply")
            << -1 << QStringList{"1000!no reply", "3000@12:PV=1"} << QStringList{"12|M12|1000|3000|2|PV"}
            << QStringList{"1/12/M12"};
        QTest::newRow("instrument exchanged starts a new recording")
            << 10 << QStringList{"1000:PV=1", "3000!no reply", "5000@12:PV=2,SV=3", "7000@12:PV=4"}
            << QStringList{"10|M10|1000|3000|2|PV", "12|M12|5000|7000|2|PV,SV"}
            << QStringList{"1/10/M10", "1/12/M12"};
        QTest::newRow("recording without polls lists no instrument")
            << 10 << QStringList{} << QStringList{"10|M10|0|0|0|"} << QStringList{};
    }
    void recordings() {
        QFETCH(int, startType);
        QFETCH(QStringList, polls);
        QFETCH(QStringList, expected);
        QFETCH(QStringList, instruments);
        Store store;
        QVERIFY(store.open(m_path, OpenMode::Record, Durability::CrashSafe));
        RecordingInfo line = lineOf(1, startType, startType < 0 ? QString() : "M10");
        line.startedMs = 500;
        QVERIFY(store.startRecording(line));
        for (const QString& poll : polls)
            QCOMPARE(store.append(pollFromText(poll)), AppendResult::Stored);
        QStringList got;
        int readingRows = 0;
        for (const RecordingSummary& r : store.recordings()) {
            got << recordingText(r);
            readingRows += int(r.readings.size());
            QCOMPARE(r.info.port, QStringLiteral("COM1"));
            QCOMPARE(r.info.intervalMs, 2000);
        }
        QCOMPARE(got, expected);
        // Labels and units are kept once per recording, not with every poll.
        QCOMPARE(scalar(store, "SELECT count(*) FROM reading").toInt(), readingRows);
        QStringList listed;
        for (const Instrument& i : store.instruments())
            listed << QStringLiteral("%1/%2/%3").arg(i.address).arg(i.typeCode).arg(i.model);
        QCOMPARE(listed, instruments);
    }

    // --- min/max per bucket: no spike lost ------------------------------------------------

    void buckets_data() {
        QTest::addColumn<QStringList>("polls");
        QTest::addColumn<qint64>("bucketMs");
        QTest::addColumn<QStringList>("expected"); // start|samples|failed|min|max
        QTest::newRow("spike up and spike down kept")
            << QStringList{"0:PV=1",    "1000:PV=1", "2000:PV=9", "3000:PV=1",  "4000:PV=1",
                           "5000:PV=2", "6000:PV=2", "7000:PV=2", "8000:PV=-7", "9000:PV=2"}
            << qint64(5000) << QStringList{"0|5|0|1|9", "5000|5|0|-7|2"};
        QTest::newRow("empty buckets left out") << QStringList{"0:PV=1", "1000:PV=2", "60000:PV=3"}
                                                << qint64(10000) << QStringList{"0|2|0|1|2", "60000|1|0|3|3"};
        QTest::newRow("failed polls counted, not drawn")
            << QStringList{"0:PV=4", "1000!no reply", "2000:PV=5", "3000!no reply", "4000!no reply"}
            << qint64(2000) << QStringList{"0|2|1|4|4", "2000|2|1|5|5", "4000|1|1|-|-"};
        QTest::newRow("grid from the epoch, not from the first poll")
            << QStringList{"1500:PV=1", "2500:PV=2", "3500:PV=3"} << qint64(2000)
            << QStringList{"0|1|0|1|1", "2000|2|0|2|3"};
        QTest::newRow("times before the epoch floor down")
            << QStringList{"-1500:PV=1", "-500:PV=2", "500:PV=3"} << qint64(1000)
            << QStringList{"-2000|1|0|1|1", "-1000|1|0|2|2", "0|1|0|3|3"};
        QTest::newRow("one bucket per poll at most")
            << QStringList{"0:PV=1", "2000:PV=2"} << qint64(1) << QStringList{"0|1|0|1|1", "2000|1|0|2|2"};
    }
    void buckets() {
        QFETCH(QStringList, polls);
        QFETCH(qint64, bucketMs);
        QFETCH(QStringList, expected);
        Store store;
        QVERIFY(store.open(m_path, OpenMode::Record, Durability::CrashSafe));
        QVERIFY(store.startRecording(lineOf(1, 10, "M10")));
        for (const QString& poll : polls)
            QCOMPARE(store.append(pollFromText(poll)), AppendResult::Stored);
        const Buckets b = store.readBuckets({{1, 10, QString()},
                                             std::numeric_limits<qint64>::min(),
                                             std::numeric_limits<qint64>::max(),
                                             {"PV"}},
                                            bucketMs);
        QStringList got;
        const auto text = [](double v) { return std::isnan(v) ? QStringLiteral("-") : QString::number(v); };
        for (size_t i = 0; i < b.startsMs.size(); ++i)
            got << QStringLiteral("%1|%2|%3|%4|%5")
                       .arg(b.startsMs[i])
                       .arg(b.sampleCounts[i])
                       .arg(b.failedCounts[i])
                       .arg(text(b.min[0][i]), text(b.max[0][i]));
        QCOMPARE(got, expected);
    }

    // --- files that are not ours, or damaged, are never touched ---------------------------

    void refusesFile_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("recordStatus");
        QTest::addColumn<int>("browseStatus");
        QTest::addColumn<QString>("reason"); // in the message when it is ours but damaged
        QTemporaryDir scratch;
        const QString dir = scratch.path();
        const QByteArray ours = ourFile(dir, 400);
        QVERIFY(ours.size() > 8 * 4096);
        QTest::newRow("text file") << QByteArray("\"COM1\",\"9600\"\r\n") << int(Status::NotOurs)
                                   << int(Status::NotOurs) << QString();
        QTest::newRow("empty file") << QByteArray() << int(Status::NotOurs) << int(Status::NotOurs)
                                    << QString();
        QTest::newRow("another program's SQLite")
            << foreignSqlite(dir, QString()) << int(Status::NotOurs) << int(Status::NotOurs) << QString();
        QTest::newRow("SQLite with another application id")
            << foreignSqlite(dir, "PRAGMA application_id = 1234") << int(Status::NotOurs)
            << int(Status::NotOurs) << QString();
        QTest::newRow("ours from a later version") << patched(ours, 60, QByteArray("\0\0\0\x02", 4))
                                                   << int(Status::TooNew) << int(Status::TooNew) << QString();
        QTest::newRow("ours without its last page") << ours.left(ours.size() - 4096) << int(Status::Damaged)
                                                    << int(Status::Damaged) << historytext::kTruncated;
        QTest::newRow("ours with a broken page size")
            << patched(ours, 16, QByteArray("\x03\x00", 2)) << int(Status::Damaged) << int(Status::Damaged)
            << historytext::kBadHeader;
        // Browse reads the header and the schema only; the quick check before recording finds it.
        QTest::newRow("ours with a page overwritten") << patched(ours, 5 * 4096, QByteArray(4096, '\xAB'))
                                                      << int(Status::Damaged) << int(Status::Ok) << QString();
    }
    void refusesFile() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, recordStatus);
        QFETCH(int, browseStatus);
        QFETCH(QString, reason);
        QVERIFY(QDir().mkpath(QFileInfo(m_path).absolutePath()));
        writeBytes(m_path, bytes);
        for (const OpenMode mode : {OpenMode::Record, OpenMode::Browse}) {
            const int expected = mode == OpenMode::Record ? recordStatus : browseStatus;
            Store store;
            QCOMPARE(store.open(m_path, mode), expected == int(Status::Ok));
            QCOMPARE(int(store.status()), expected);
            if (expected != int(Status::Ok)) {
                QVERIFY2(store.errorString().contains(QDir::toNativeSeparators(m_path)),
                         qPrintable(store.errorString()));
                QVERIFY2(store.errorString().contains(reason), qPrintable(store.errorString()));
                QCOMPARE(store.startRecording(lineOf()), false);
            } else {
                store.recordings();
                store.instruments();
            }
            store.close();
            QVERIFY2(bytesOf(m_path) == bytes,
                     mode == OpenMode::Record ? "changed by Record" : "changed by Browse");
        }
        QStringList left = QDir(QFileInfo(m_path).absolutePath()).entryList(QDir::Files | QDir::Hidden);
        left.removeAll("history.db-wal");
        left.removeAll("history.db-shm");
        QCOMPARE(left, QStringList{"history.db"});
    }

    void cannotCreate_data() {
        QTest::addColumn<QString>("blocker"); // a regular file in the way, relative to the case folder
        QTest::addColumn<QString>("path");    // the history file asked for
        QTest::addColumn<int>("status");
        QTest::newRow("folder is a regular file") << "data"
                                                  << "data/history.db" << int(Status::CannotCreate);
        QTest::newRow("a folder above is a regular file")
            << "data"
            << "data/deeper/history.db" << int(Status::CannotCreate);
        QTest::newRow("history file name is a folder")
            << QString() << "data/history.db/" << int(Status::CannotCreate);
    }
    void cannotCreate() {
        QFETCH(QString, blocker);
        QFETCH(QString, path);
        QFETCH(int, status);
        const QString root = QFileInfo(m_path).absolutePath();
        QVERIFY(QDir().mkpath(root));
        if (!blocker.isEmpty())
            writeBytes(root + '/' + blocker, "settings");
        else
            QVERIFY(QDir().mkpath(root + '/' + path));
        const QString target = root + '/' + (path.endsWith('/') ? path.chopped(1) : path);
        Store store;
        QVERIFY(!store.open(target, OpenMode::Record));
        QCOMPARE(int(store.status()), status);
        QVERIFY2(store.errorString().contains(QDir::toNativeSeparators(target)),
                 qPrintable(store.errorString()));
        QCOMPARE(store.append(pollOf(0)), AppendResult::Stopped);
        if (!blocker.isEmpty()) QCOMPARE(bytesOf(root + '/' + blocker), QByteArray("settings"));
        QCOMPARE(QDir(root).entryList(QDir::Files | QDir::Hidden),
                 blocker.isEmpty() ? QStringList{} : QStringList{blocker});
    }

    void browseMissingCreatesNothing() {
        Store store;
        QVERIFY(!store.open(m_path, OpenMode::Browse));
        QCOMPARE(store.status(), Status::Missing);
        QVERIFY(!QFileInfo::exists(QFileInfo(m_path).absolutePath()));
        QVERIFY(store.recordings().empty());
        QCOMPARE(store.status(), Status::NotOpen);
    }

    // --- a full disk stops the recording once and keeps what was committed -----------------

    void diskFull_data() {
        QTest::addColumn<bool>("newReadingAtLimit");
        QTest::newRow("known readings") << false;
        QTest::newRow("a new reading at the limit") << true;
    }
    void diskFull() {
        QFETCH(bool, newReadingAtLimit);
        QStringList storedKeys;
        int committed = 0;
        {
            Store store;
            QVERIFY(store.open(m_path, OpenMode::Record, Durability::CrashSafe));
            QVERIFY(store.startRecording(lineOf()));
            for (; committed < 50; ++committed)
                QCOMPARE(store.append(pollOf(committed)), AppendResult::Stored);
            // A size-limited file stands in for a full disk: SQLite answers SQLITE_FULL alike.
            const int pages = scalar(store, "PRAGMA page_count").toInt();
            QCOMPARE(scalar(store, QStringLiteral("PRAGMA max_page_count = %1").arg(pages)).toInt(), pages);
            AppendResult result = AppendResult::Stored;
            bool extraStored = false;
            for (int i = 0; i < 2000 && result == AppendResult::Stored; ++i) {
                protocol::Sample poll = pollOf(committed);
                if (newReadingAtLimit) poll.readings.push_back({"EXTRA", "附加", "", 0, 1.0});
                result = store.append(poll);
                if (result == AppendResult::Stored) {
                    ++committed;
                    extraStored = extraStored || (newReadingAtLimit && poll.accepted());
                }
            }
            QCOMPARE(result, AppendResult::Failed);
            QCOMPARE(store.status(), Status::DiskFull);
            QCOMPARE(store.errorString(), historytext::kDiskFull.arg(QDir::toNativeSeparators(m_path)));
            QVERIFY(!store.isRecording());
            QCOMPARE(store.append(pollOf(committed)), AppendResult::Stopped);
            QCOMPARE(store.append(pollOf(committed + 1)), AppendResult::Stopped);
            storedKeys = QStringList{QString::number(extraStored ? 17 : 16)};
            // The failed poll left nothing behind, not even for the connection that wrote it.
            QCOMPARE(store.countSamples(everything({1, 10, QString()})), qint64(committed));
            QCOMPARE(scalar(store, "SELECT count(*) FROM reading").toString(), storedKeys.first());
        }
        Store reopened;
        QVERIFY2(reopened.open(m_path, OpenMode::Record), qPrintable(reopened.errorString()));
        QCOMPARE(scalar(reopened, "PRAGMA integrity_check").toString(), QStringLiteral("ok"));
        QCOMPARE(reopened.countSamples(everything({1, 10, QString()})), qint64(committed));
        // A reading row belongs to a committed poll or was rolled back with it.
        QCOMPARE(scalar(reopened, "SELECT count(*) FROM reading").toString(), storedKeys.first());
    }

    // --- a browser beside a recorder ---------------------------------------------------------

    void browserSeesEachCommit() {
        Store recorder;
        QVERIFY(recorder.open(m_path, OpenMode::Record, Durability::CrashSafe));
        QVERIFY(recorder.startRecording(lineOf()));
        Store browser;
        QVERIFY(browser.open(m_path, OpenMode::Browse));
        QVERIFY(!browser.startRecording(lineOf()));
        QCOMPARE(browser.append(pollOf(0)), AppendResult::Stopped);
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(recorder.append(pollOf(i)), AppendResult::Stored);
            QCOMPARE(browser.countSamples(everything({1, 10, QString()})), qint64(i + 1));
        }
        QCOMPARE(scalar(browser, "SELECT count(*) FROM sample").toInt(), 5);
    }
};

QTEST_GUILESS_MAIN(TestHistoryStore)
#include "test_history_store.moc"
