#include "history/csv_export.h"
#include "history/history_texts.h"
#include "history/store.h"
#include "polls.h"
#include "store_fixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <ctime>
#include <limits>

using namespace history;
using namespace historytest;

namespace {

const QByteArray kBom("\xEF\xBB\xBF");
const QByteArray kHeadStart = QStringLiteral("时间,毫秒时间戳,").toUtf8();

void setZone(const QByteArray& zone) {
    qputenv("TZ", zone);
    tzset();
}

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

protocol::Reading reading(const QString& key, const QString& label, const QString& unit, double value) {
    return {key, label, unit, 1, value};
}

protocol::Sample accepted(qint64 epochMs, const protocol::Readings& readings) {
    protocol::Sample sample;
    sample.epochMs = epochMs;
    sample.address = 1;
    sample.typeCode = 10;
    sample.model = QStringLiteral("AI-708");
    sample.readings = readings;
    return sample;
}

protocol::Sample failed(qint64 epochMs, const QString& verdict) {
    protocol::Sample sample;
    sample.epochMs = epochMs;
    sample.address = 1;
    sample.verdict = verdict;
    return sample;
}

const Instrument kInstrument{1, 10, QString()};

} // namespace

class TestCsvExport : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_db;
    QString m_csv;
    QByteArray m_zone = qgetenv("TZ");

    void record(const QList<protocol::Sample>& polls) {
        Store store;
        QVERIFY2(store.open(m_db, OpenMode::Record, Durability::CrashSafe), qPrintable(store.errorString()));
        QVERIFY(store.startRecording(lineOf()));
        for (const protocol::Sample& poll : polls)
            QCOMPARE(store.append(poll), AppendResult::Stored);
    }

    QByteArray exported(const Selection& selection) {
        Store store;
        if (!store.open(m_db, OpenMode::Browse)) return "cannot open: " + store.errorString().toUtf8();
        const ExportResult result = exportCsv(store, selection, m_csv);
        if (!result.ok) return "failed: " + result.error.toUtf8();
        return bytesOf(m_csv);
    }

private slots:
    void init() {
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
        m_db = m_dir.filePath(QStringLiteral("history.db"));
        m_csv = m_dir.filePath(QStringLiteral("out.csv"));
        setZone("Asia/Shanghai");
    }
    void cleanupTestCase() { setZone(m_zone); }

    // The whole file: byte-order mark, header, one row per poll in the range, CRLF, no comments.
    void wholeFile_data() {
        QTest::addColumn<qint64>("fromMs");
        QTest::addColumn<qint64>("toMs");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QString>("expected");
        const qint64 t0 = kWeekStartMs;
        const QString head = QStringLiteral("时间,毫秒时间戳,温度 (℃),输出 (%),报警1,判定\r\n");
        const QString row0 = QStringLiteral("2026-12-08T14:03:05.120+08:00,1796709785120,23.4,50,1,\r\n");
        const QString row1 = QStringLiteral("2026-12-08T14:03:07.120+08:00,1796709787120,,,,no reply\r\n");
        const QString row2 = QStringLiteral("2026-12-08T14:03:09.120+08:00,1796709789120,-0.5,100,0,\r\n");
        QTest::newRow("every poll, every reading")
            << std::numeric_limits<qint64>::min() << std::numeric_limits<qint64>::max() << QStringList{}
            << head + row0 + row1 + row2;
        QTest::newRow("range of one poll") << t0 + 2000 << t0 + 2000 << QStringList{} << head + row1;
        QTest::newRow("chosen readings in the chosen order")
            << t0 << t0 << QStringList{"AL1", "PV"}
            << QStringLiteral("时间,毫秒时间戳,报警1,温度 (℃),判定\r\n"
                              "2026-12-08T14:03:05.120+08:00,1796709785120,1,23.4,\r\n");
        QTest::newRow("empty range keeps the header") << t0 + 1 << t0 + 1999 << QStringList{} << head;
    }
    void wholeFile() {
        QFETCH(qint64, fromMs);
        QFETCH(qint64, toMs);
        QFETCH(QStringList, keys);
        QFETCH(QString, expected);
        const qint64 t0 = kWeekStartMs;
        record({accepted(t0, {reading("PV", "温度", "℃", double(23.4f)), reading("MV", "输出", "%", 50),
                              reading("AL1", "报警1", "", 1)}),
                failed(t0 + 2000, "no reply"),
                accepted(t0 + 4000, {reading("PV", "温度", "℃", -0.5), reading("MV", "输出", "%", 100),
                                     reading("AL1", "报警1", "", 0)})});
        QCOMPARE(exported({kInstrument, fromMs, toMs, keys}), kBom + expected.toUtf8());
    }

    // Local time with milliseconds and the offset in force at that moment.
    void timeColumn_data() {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<qint64>("epochMs");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Shanghai") << QByteArray("Asia/Shanghai") << kWeekStartMs
                                  << "2026-12-08T14:03:05.120+08:00";
        QTest::newRow("New York in winter")
            << QByteArray("America/New_York") << kWeekStartMs << "2026-12-08T01:03:05.120-05:00";
        QTest::newRow("New York in summer")
            << QByteArray("America/New_York") << qint64(1782907200007) << "2026-07-01T08:00:00.007-04:00";
        QTest::newRow("half-hour offset")
            << QByteArray("Asia/Kolkata") << kWeekStartMs << "2026-12-08T11:33:05.120+05:30";
        QTest::newRow("UTC writes +00:00")
            << QByteArray("UTC") << kWeekStartMs << "2026-12-08T06:03:05.120+00:00";
        QTest::newRow("before the epoch")
            << QByteArray("UTC") << qint64(-1) << "1969-12-31T23:59:59.999+00:00";
    }
    void timeColumn() {
        QFETCH(QByteArray, zone);
        QFETCH(qint64, epochMs);
        QFETCH(QString, expected);
        setZone(zone);
        record({accepted(epochMs, {reading("PV", "温度", "℃", 1)})});
        const QList<QByteArray> lines = exported(everything(kInstrument)).split('\n');
        QCOMPARE(lines.size(), 3); // header, one row, nothing after the last CRLF
        QCOMPARE(lines[1], (expected + QStringLiteral(",%1,1,\r").arg(epochMs)).toUtf8());
    }

    // Fields with commas, quotes or line breaks are quoted, quotes doubled; others are left bare.
    void escaping_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("verdict");
        QTest::addColumn<QString>("caption"); // as written in the header
        QTest::addColumn<QString>("written"); // the verdict as written
        QTest::newRow("plain") << "温度"
                               << "℃"
                               << "no reply"
                               << "温度 (℃)"
                               << "no reply";
        QTest::newRow("comma in label") << "A,B"
                                        << "V"
                                        << "bad check"
                                        << "\"A,B (V)\""
                                        << "bad check";
        QTest::newRow("quote in unit") << "L"
                                       << "in\""
                                       << "x"
                                       << "\"L (in\"\")\""
                                       << "x";
        QTest::newRow("quote and comma in verdict") << "L"
                                                    << ""
                                                    << "bad \"check\", twice"
                                                    << "L"
                                                    << "\"bad \"\"check\"\", twice\"";
        QTest::newRow("line feed in verdict") << "L"
                                              << ""
                                              << "line\nbreak"
                                              << "L"
                                              << "\"line\nbreak\"";
        QTest::newRow("carriage return in label") << "a\rb"
                                                  << ""
                                                  << "x"
                                                  << "\"a\rb\""
                                                  << "x";
        QTest::newRow("leading equals sign stays text") << "=SUM(A1)"
                                                        << ""
                                                        << "x"
                                                        << "=SUM(A1)"
                                                        << "x";
    }
    void escaping() {
        QFETCH(QString, label);
        QFETCH(QString, unit);
        QFETCH(QString, verdict);
        QFETCH(QString, caption);
        QFETCH(QString, written);
        record(
            {accepted(kWeekStartMs, {reading("K", label, unit, 2)}), failed(kWeekStartMs + 2000, verdict)});
        const QString expected = QStringLiteral("时间,毫秒时间戳,") + caption + QStringLiteral(",判定\r\n") +
                                 QStringLiteral("2026-12-08T14:03:05.120+08:00,1796709785120,2,\r\n") +
                                 QStringLiteral("2026-12-08T14:03:07.120+08:00,1796709787120,,") + written +
                                 QStringLiteral("\r\n");
        QCOMPARE(QString::fromUtf8(exported(everything(kInstrument))), QString::fromUtf8(kBom) + expected);
    }

    // The shortest text that reads back as the stored value.
    void values_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("written");
        QTest::newRow("single precision as shown") << double(23.4f) << "23.4";
        QTest::newRow("whole number, no exponent") << 1000000.0 << "1000000";
        QTest::newRow("negative") << -0.5 << "-0.5";
        QTest::newRow("tiny, no exponent") << double(1e-7f) << "0.0000001";
        QTest::newRow("double precision kept") << 1.0 / 3 << "0.3333333333333333";
        QTest::newRow("total beyond single precision") << 123456789.125 << "123456789.125";
        QTest::newRow("flag off") << 0.0 << "0";
        QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << "inf";
        QTest::newRow("not a number is empty") << std::numeric_limits<double>::quiet_NaN() << "";
    }
    void values() {
        QFETCH(double, value);
        QFETCH(QString, written);
        record({accepted(kWeekStartMs, {reading("K", "L", "", value)})});
        const QList<QByteArray> lines = exported(everything(kInstrument)).split('\n');
        QCOMPARE(lines.value(1),
                 QStringLiteral("2026-12-08T14:03:05.120+08:00,1796709785120,%1,\r").arg(written).toUtf8());
    }

    // Through QSaveFile: a failure or a cancel leaves what was there before.
    void unwritableTarget_data() {
        QTest::addColumn<QString>("target"); // relative to the test folder; "blocker" is a regular file
        QTest::newRow("folder is a regular file") << "blocker/out.csv";
        QTest::newRow("target is a folder") << "folder";
        QTest::newRow("folder above is a regular file") << "blocker/deeper/out.csv";
    }
    void unwritableTarget() {
        QFETCH(QString, target);
        record({accepted(kWeekStartMs, {reading("K", "L", "", 1)})});
        QFile blocker(m_dir.filePath("blocker"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.write("keep");
        blocker.close();
        QVERIFY(QDir().mkpath(m_dir.filePath("folder")));
        Store store;
        QVERIFY(store.open(m_db, OpenMode::Browse));
        const QString path = m_dir.filePath(target);
        const ExportResult result = exportCsv(store, everything(kInstrument), path);
        QVERIFY(!result.ok);
        QVERIFY(!result.cancelled);
        QVERIFY2(result.error.startsWith(
                     historytext::kExportFailed.arg(QDir::toNativeSeparators(path), QString())),
                 qPrintable(result.error));
        QCOMPARE(bytesOf(m_dir.filePath("blocker")), QByteArray("keep"));
        QCOMPARE(QDir(m_dir.filePath("folder")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList());
    }

    void progressAndCancel_data() {
        QTest::addColumn<qint64>("cancelAt"); // rows written when the callback says stop; -1 never
        QTest::addColumn<QString>("calls");
        QTest::newRow("runs to the end") << qint64(-1) << "0/10000 4096/10000 8192/10000 10000/10000";
        QTest::newRow("cancelled before the first row") << qint64(0) << "0/10000";
        QTest::newRow("cancelled half way") << qint64(4096) << "0/10000 4096/10000";
    }
    void progressAndCancel() {
        QFETCH(qint64, cancelAt);
        QFETCH(QString, calls);
        QList<protocol::Sample> polls;
        for (int i = 0; i < 10000; ++i)
            polls << pollOf(i, 2);
        record(polls);
        QFile previous(m_csv);
        QVERIFY(previous.open(QIODevice::WriteOnly));
        previous.write("an earlier export");
        previous.close();
        Store store;
        QVERIFY(store.open(m_db, OpenMode::Browse));
        QStringList seen;
        const ExportResult result =
            exportCsv(store, everything(kInstrument), m_csv, [&](qint64 rows, qint64 total) {
                seen << QStringLiteral("%1/%2").arg(rows).arg(total);
                return rows != cancelAt;
            });
        QCOMPARE(seen.join(' '), calls);
        QCOMPARE(result.cancelled, cancelAt >= 0);
        QCOMPARE(result.ok, cancelAt < 0);
        if (cancelAt >= 0) {
            QCOMPARE(bytesOf(m_csv), QByteArray("an earlier export"));
        } else {
            QCOMPARE(result.rows, qint64(10000));
            QCOMPARE(bytesOf(m_csv).count("\r\n"), 10001);
        }
    }

    void suggestedName_data() {
        QTest::addColumn<QString>("port");
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("expected");
        QTest::newRow("numbered port") << "COM1"
                                       << "AI-708"
                                       << "COM1_9600bps_addr1_AI-708_2000ms_20261208-140305.csv";
        QTest::newRow("device path") << "/dev/ttyUSB0"
                                     << "AI-708"
                                     << "ttyUSB0_9600bps_addr1_AI-708_2000ms_20261208-140305.csv";
        QTest::newRow("unsafe characters in model")
            << "COM3"
            << "LCD/PID: 2*3?\"x\"<y>|z"
            << "COM3_9600bps_addr1_LCD-PID--2-3--x--y--z_2000ms_20261208-140305.csv";
        QTest::newRow("spaces and underscores") << "COM1"
                                                << "A 1_b"
                                                << "COM1_9600bps_addr1_A-1-b_2000ms_20261208-140305.csv";
        QTest::newRow("Chinese model kept") << "COM1"
                                            << "流量积算仪"
                                            << "COM1_9600bps_addr1_流量积算仪_2000ms_20261208-140305.csv";
        QTest::newRow("no model") << "COM1"
                                  << ""
                                  << "COM1_9600bps_addr1_2000ms_20261208-140305.csv";
        QTest::newRow("leading dots dropped") << "COM1"
                                              << "..hidden"
                                              << "COM1_9600bps_addr1_hidden_2000ms_20261208-140305.csv";
    }
    void suggestedName() {
        QFETCH(QString, port);
        QFETCH(QString, model);
        QFETCH(QString, expected);
        RecordingInfo info = lineOf(1, 10, model);
        info.port = port;
        QCOMPARE(suggestedCsvFileName(info, kWeekStartMs), expected);
    }
};

QTEST_GUILESS_MAIN(TestCsvExport)
#include "test_csv_export.moc"
