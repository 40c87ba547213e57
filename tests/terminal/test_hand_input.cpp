// What the operator types for sending by hand, the sender's runs on an engine, and the traffic
// saved to text and CSV.
#include "engine/poll_engine.h"
#include "fake_link.h"
#include "reply_frame.h"
#include "terminal/hand_sender.h"
#include "terminal/terminal_texts.h"
#include "terminal/traffic_log.h"
#include "terminal/traffic_save.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace terminal;

class TestHandInput : public QObject {
    Q_OBJECT
private slots:
    void address_data();
    void address();
    void interval_data();
    void interval();
    void frameBuilt_data();
    void frameBuilt();
    void senderRuns_data();
    void senderRuns();
    void saved_data();
    void saved();
    void failedSaveSaysWhere_data();
    void failedSaveSaysWhere();
};

void TestHandInput::address_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("address"); // -1: refused
    QTest::newRow("decimal") << "31" << 31;
    QTest::newRow("hex, blanks around") << " 0x1F " << 31;
    QTest::newRow("upper-case prefix, lowest") << "0X00" << 0;
    QTest::newRow("highest") << "255" << 255;
    QTest::newRow("one too many") << "256" << -1;
    QTest::newRow("hex one too many") << "0x100" << -1;
    QTest::newRow("negative") << "-1" << -1;
    QTest::newRow("prefix alone") << "0x" << -1;
    QTest::newRow("empty") << "" << -1;
    QTest::newRow("hex digits without prefix") << "1F" << -1;
}

void TestHandInput::address() {
    QFETCH(QString, typed);
    QFETCH(int, address);
    QString error;
    const std::optional<int> got = parseAddress(typed, &error);
    QCOMPARE(got.value_or(-1), address);
    QCOMPARE(error, address < 0 ? texts::kBadAddress.arg(typed) : QString());
}

void TestHandInput::interval_data() {
    QTest::addColumn<int>("ms");
    QTest::addColumn<bool>("valid");
    QTest::newRow("shortest") << 100 << true;
    QTest::newRow("longest") << 60000 << true;
    QTest::newRow("too short") << 99 << false;
    QTest::newRow("too long") << 60001 << false;
}

void TestHandInput::interval() {
    QFETCH(int, ms);
    QFETCH(bool, valid);
    QString error;
    QCOMPARE(repeatIntervalValid(ms, &error), valid);
    QCOMPARE(error, valid ? QString() : texts::kBadInterval.arg(ms));
}

void TestHandInput::frameBuilt_data() {
    QTest::addColumn<QByteArray>("typed");
    QTest::addColumn<QByteArray>("frame");
    QTest::addColumn<int>("asked");
    QTest::newRow("read request as the scan writes it")
        << QByteArray("@1FRD") << protocol::readRequest("1F") << 31;
    QTest::newRow("text without @: check over all of it")
        << QByteArray("AB") << QByteArray("AB" + protocol::MakeCheck("AB") + "\r") << -1;
}

void TestHandInput::frameBuilt() {
    QFETCH(QByteArray, typed);
    QFETCH(QByteArray, frame);
    QFETCH(int, asked);
    QCOMPARE(withCheckAndCr(typed), frame);
    QCOMPARE(askedAddress(frame), asked);
}

void TestHandInput::senderRuns_data() {
    QTest::addColumn<bool>("repeat");
    QTest::addColumn<int>("written");
    QTest::addColumn<bool>("open");
    QTest::newRow("once: one frame, then the port closes") << false << 1 << false;
    QTest::newRow("repeating: a frame every tick, port kept") << true << 4 << true;
}

void TestHandInput::senderRuns() {
    QFETCH(bool, repeat);
    QFETCH(int, written);
    QFETCH(bool, open);
    FakeLink link;
    engine::PollEngine engine(link);
    HandSender sender;
    sender.setFrame(protocol::readRequest("05"), repeat);
    QSignalSpy finished(&engine, &engine::PollEngine::finished);
    QCOMPARE(engine.open(), serial::NoError);
    engine.start(sender, engine::kTicksByHand);
    for (int i = 0; i < 4; ++i)
        engine.sendTick();
    QCOMPARE(link.written.size(), written);
    QCOMPARE(link.written.value(0), protocol::readRequest("05"));
    QCOMPARE(link.isOpen(), open);
    QCOMPARE(finished.count(), open ? 0 : 1);
}

void TestHandInput::saved_data() {
    QTest::addColumn<bool>("csv");
    QTest::addColumn<int>("only");
    QTest::addColumn<QString>("expected");
    const QString req = QStringLiteral("08:00:00.000  发  @01RD%1\\r  读请求 地址 1\n")
                            .arg(QString(protocol::MakeCheck("01RD")));
    QTest::newRow("text, every line")
        << false << -1
        << req + QStringLiteral(
                     "08:00:00.040  收  @0200002200,00%1\\r  他址回复 地址 2（所问 1，前一请求迟到的回复）\n")
                     .arg(QString(protocol::MakeCheck("0200002200,00")));
    QTest::newRow("text, address 1 only") << false << 1 << req;
    QTest::newRow("csv: header, quoted fields")
        << true << 2
        << QStringLiteral("时间,方向,地址,判定,往返 ms,内容\r\n08:00:00.040,收,2,"
                          "他址回复 地址 2（所问 1，前一请求迟到的回复）,,\"@0200002200,00%1\\r\"\r\n")
               .arg(QString(protocol::MakeCheck("0200002200,00")));
}

void TestHandInput::saved() {
    QFETCH(bool, csv);
    QFETCH(int, only);
    QFETCH(QString, expected);
    TrafficLog log;
    const qint64 eight = QDateTime(QDate(2026, 1, 2), QTime(8, 0)).toMSecsSinceEpoch();
    log.setWallClock([eight] { return eight; });
    engine::TrafficEvent e;
    e.kind = engine::TrafficKind::RequestWritten;
    e.bytes = protocol::readRequest("01");
    e.address = 1;
    log.onTraffic(e);
    e.kind = engine::TrafficKind::ReplyAccepted;
    e.timeMs = 40;
    e.bytes = reply("02", "22", "00,00");
    e.address = 2;
    e.typeCode = 0x22;
    log.onTraffic(e);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("traffic"));
    LineFilter keep;
    if (only >= 0) keep = [only](const TrafficLine& l) { return l.address == only; };
    QString error;
    QVERIFY(csv ? saveCsv(path, log, keep, &error) : saveText(path, log, false, keep, &error));
    QVERIFY(error.isEmpty());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(file.readAll()), expected);
}

void TestHandInput::failedSaveSaysWhere_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("csv");
    QTest::newRow("text into a missing folder") << "no/such/traffic.txt" << false;
    QTest::newRow("csv over a folder") << "folder" << true;
}

void TestHandInput::failedSaveSaysWhere() {
    QFETCH(QString, name);
    QFETCH(bool, csv);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    const QString path = dir.filePath(name);
    TrafficLog log;
    QString error;
    QVERIFY(!(csv ? saveCsv(path, log, {}, &error) : saveText(path, log, false, {}, &error)));
    QVERIFY2(error.startsWith(texts::kSaveFailed.arg(path, QString())), qPrintable(error));
    QVERIFY(error.size() > texts::kSaveFailed.arg(path, QString()).size());
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("folder"))).isDir());
}

QTEST_GUILESS_MAIN(TestHandInput)
#include "test_hand_input.moc"
