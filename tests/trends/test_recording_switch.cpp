// The 记录 switch: every poll stored and committed while it is on, nothing while it is off, and a
// file that cannot take the recording told once with the switch turned off.
#include "../history/polls.h"
#include "../history/store_fixture.h"
#include "recording_sink.h"
#include "trends/recording_switch.h"

#include <QCheckBox>
#include <QTemporaryDir>
#include <QTest>

using namespace historytest;

class TestRecordingSwitch : public QObject {
    Q_OBJECT
private slots:
    void records_data();
    void records();
    void failureToldOnce_data();
    void failureToldOnce();
};

void TestRecordingSwitch::records_data() {
    QTest::addColumn<QStringList>("steps"); // polls as the fixture writes them; "on"/"off" the box
    QTest::addColumn<QStringList>("stored");

    QTest::newRow("accepted polls") << QStringList{"on", "1000:PV=23.5,SV=50", "3000:PV=24,SV=50"}
                                    << QStringList{"1000||23.5;50", "3000||24;50"};
    QTest::newRow("a poll without reply keeps its verdict")
        << QStringList{"on", "1000:PV=1", "3000!no reply", "5000:PV=3"}
        << QStringList{"1000||1", "3000|no reply|-", "5000||3"};
    QTest::newRow("nothing before the box is ticked")
        << QStringList{"1000:PV=1", "on", "3000:PV=2"} << QStringList{"3000||2"};
    QTest::newRow("nothing after it is cleared")
        << QStringList{"on", "1000:PV=1", "off", "3000:PV=2"} << QStringList{"1000||1"};
    QTest::newRow("two recordings of one instrument")
        << QStringList{"on", "1000:PV=1", "off", "3000:PV=2", "on", "5000:PV=3"}
        << QStringList{"1000||1", "5000||3"};
}

void TestRecordingSwitch::records() {
    QFETCH(QStringList, steps);
    QFETCH(QStringList, stored);
    QTemporaryDir dir;
    const QString path = history::Store::filePathIn(dir.filePath("data"));
    RecordingSink sink;
    QCheckBox box;
    {
        trends::RecordingSwitch recording(sink, nullptr);
        recording.addBox(&box);
        recording.setTarget(path, lineOf(1, 10, "M10"));
        for (const QString& step : steps) {
            if (step == QLatin1String("on") || step == QLatin1String("off"))
                box.setChecked(step == QLatin1String("on"));
            else
                recording.record(pollFromText(step));
        }
        recording.recorder().flush();
        QCOMPARE(box.isChecked(), steps.lastIndexOf("on") > steps.lastIndexOf("off"));
        // Committed while the recording still runs: a browser sees it now.
        history::Store reader;
        QVERIFY2(reader.open(path, history::OpenMode::Browse), qPrintable(reader.errorString()));
        QCOMPARE(readBack(reader, everything({1, 10, "M10"})), stored);
    }
    QCOMPARE(sink.lines(), QStringList());
}

void TestRecordingSwitch::failureToldOnce_data() {
    QTest::addColumn<QByteArray>("existing"); // what lies at the history file's place
    QTest::addColumn<bool>("asFolderOfFile"); // the file's folder is a plain file
    QTest::addColumn<QString>("words");       // of the one message

    QTest::newRow("another program's file") << QByteArray("time,value\n1,2\n") << false
                                            << QStringLiteral("”不是本程序的历史记录文件，未作任何改动。");
    QTest::newRow("folder is a file") << QByteArray("x") << true << QStringLiteral("无法创建历史记录文件“");
}

void TestRecordingSwitch::failureToldOnce() {
    QFETCH(QByteArray, existing);
    QFETCH(bool, asFolderOfFile);
    QFETCH(QString, words);
    QTemporaryDir dir;
    QString blocker = dir.filePath("history.db");
    QString path = blocker;
    if (asFolderOfFile) path = history::Store::filePathIn(blocker);
    {
        QFile file(blocker);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(existing);
    }
    RecordingSink sink;
    QCheckBox box;
    trends::RecordingSwitch recording(sink, nullptr);
    recording.addBox(&box);
    recording.setTarget(path, lineOf());
    box.setChecked(true);
    // The poll goes on after the failure: its samples are dropped without another word.
    for (qint64 i = 0; i < 20; ++i) {
        recording.record(pollOf(i, 2));
        if (i == 10) QTRY_COMPARE(sink.shown.size(), 1);
    }
    recording.recorder().flush();
    QCoreApplication::processEvents();
    QCOMPARE(sink.shown.size(), 1);
    QVERIFY2(sink.shown.first().text.contains(words), qPrintable(sink.shown.first().text));
    QVERIFY2(sink.shown.first().text.contains(QDir::toNativeSeparators(path)),
             qPrintable(sink.shown.first().text));
    QVERIFY(!box.isChecked());
    QVERIFY(!recording.isOn());
    QFile file(blocker);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), existing); // never overwritten
}

QTEST_MAIN(TestRecordingSwitch)
#include "test_recording_switch.moc"
