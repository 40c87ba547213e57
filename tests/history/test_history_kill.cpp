#include "history/store.h"
#include "polls.h"
#include "store_fixture.h"

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace history;
using namespace historytest;

// A recording process killed with SIGKILL in the middle of writing: the file must pass SQLite's
// integrity check and hold every poll the process reported committed before it died.
class TestHistoryKill : public QObject {
    Q_OBJECT

private slots:
    void killedWriter_data() {
        QTest::addColumn<QString>("durability");
        QTest::addColumn<qint64>("killAfter"); // commits reported before the kill
        QTest::newRow("first poll, flushed to disk") << "power" << qint64(1);
        QTest::newRow("some polls, flushed to disk") << "power" << qint64(30);
        QTest::newRow("many polls, log not flushed") << "crash" << qint64(400);
        QTest::newRow("past a log checkpoint") << "crash" << qint64(1500);
    }
    void killedWriter() {
        QFETCH(QString, durability);
        QFETCH(qint64, killAfter);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("history.db"));

        QProcess writer;
        qint64 reported = 0;
        const auto readCounts = [&] {
            while (writer.canReadLine())
                reported = qMax(reported, writer.readLine().trimmed().toLongLong());
        };
        connect(&writer, &QProcess::readyReadStandardOutput, this, readCounts);
        writer.start(QStringLiteral(HISTORY_WRITER), {path, durability});
        QVERIFY2(writer.waitForStarted(), qPrintable(writer.errorString()));
        QTRY_VERIFY_WITH_TIMEOUT(reported >= killAfter || writer.state() == QProcess::NotRunning, 60000);
        QCOMPARE(writer.state(), QProcess::Running);
        writer.kill(); // SIGKILL: no clean-up of any kind
        QVERIFY(writer.waitForFinished());
        readCounts(); // commits reported before it died but not read yet
        QCOMPARE(writer.exitStatus(), QProcess::CrashExit);
        QVERIFY2(QFileInfo::exists(path + QStringLiteral("-wal")),
                 "the log of a killed writer is left behind");

        Store store;
        QVERIFY2(store.open(path, OpenMode::Record), qPrintable(store.errorString()));
        QCOMPARE(scalar(store, QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
        const qint64 stored = store.countSamples(everything({1, 10, QString()}));
        // Every reported commit is there; at most the one being reported when it died is extra.
        QVERIFY2(stored >= reported && stored <= reported + 1,
                 qPrintable(QStringLiteral("%1 stored, %2 reported").arg(stored).arg(reported)));
        qint64 i = 0;
        QString mismatch;
        store.forEachSample(everything({1, 10, QString()}), [&](const StoredSample& sample) {
            const protocol::Sample poll = pollOf(i);
            bool same = sample.epochMs == poll.epochMs && sample.verdict == poll.verdict &&
                        sample.values.size() == 16;
            for (int k = 0; same && k < 16; ++k)
                same = poll.accepted() ? sample.values[size_t(k)] == valueOf(i, k)
                                       : std::isnan(sample.values[size_t(k)]);
            if (!same) mismatch = sampleText(sample);
            ++i;
            return same;
        });
        QCOMPARE(mismatch, QString());
        QCOMPARE(i, stored);
    }
};

QTEST_GUILESS_MAIN(TestHistoryKill)
#include "test_history_kill.moc"
