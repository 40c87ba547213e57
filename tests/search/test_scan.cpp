// The scan on a poll engine driven tick by tick against a fake link.
#include "engine/poll_engine.h"
#include "fake_link.h"
#include "reply_frame.h"
#include "search/instrument_list.h"
#include "search/scan.h"

#include <QSignalSpy>
#include <QTest>

namespace {

const QString kSingle2 = QStringLiteral("LED系列——四位双报警单显表");
const QString kFrequency = QStringLiteral("LED系列——频率表");
const QString kPowerMeter = QStringLiteral("LED系列——三相电量表");

// One slot: what the instruments send after the request of that slot, and whether the adapter
// echoes the request in front of it.
struct Slot {
    QByteArray input;
    bool echo = false;
};

// "1|0031（0x1FH）|LED系列——频率表" for each data row.
QStringList rowsOf(const InstrumentList& list) {
    QStringList out;
    for (int r = 1; r < list.rows(); ++r)
        out << list.text(r, 0) + '|' + list.addressCell(r) + '|' + list.typeCell(r);
    return out;
}

// A scan of `first` to `last` running on a fake link.
struct ScanRig {
    FakeLink link;
    InstrumentList list;
    Scan scan;
    engine::PollEngine engine{link};
    ScanRig(int first, int last) : scan(list, qint16(first), qint16(last)) {
        link.open();
        engine.start(scan, engine::kTicksByHand);
    }
};

} // namespace

Q_DECLARE_METATYPE(QList<Slot>)

class TestScan : public QObject {
    Q_OBJECT
private slots:
    void requests_data();
    void requests();
    void rows_data();
    void rows();
    void replyInPiecesIsHandledWhenComplete();
    void sameReplyOnEveryReceiveTickKeepsOneRow();
    void sendTickWaitsForArrivingReply();
    void rowsKeepWhenAndHowTheyWereFound();
    void remarkHoldsTheRoundTrip_data();
    void remarkHoldsTheRoundTrip();
};

void TestScan::requests_data() {
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::addColumn<QList<QByteArray>>("frames");
    QTest::newRow("range 5 to 5") << 5 << 5 << QList<QByteArray>{"@05RD13\r"};
    QTest::newRow("range 0 to 0") << 0 << 0 << QList<QByteArray>{"@00RD16\r"};
    QTest::newRow("first above last") << 9 << 3 << QList<QByteArray>{};
    QTest::newRow("three addresses across 15")
        << 14 << 16 << QList<QByteArray>{"@0ERD63\r", "@0FRD60\r", "@10RD17\r"};
    QTest::newRow("negative address") << -1 << -1 << QList<QByteArray>{protocol::readRequest("0FFFF")};
    QTest::newRow("ending at 32767") << 32766 << 32767
                                     << QList<QByteArray>{protocol::readRequest("7FFE"),
                                                          protocol::readRequest("7FFF")};
}

void TestScan::requests() {
    QFETCH(int, first);
    QFETCH(int, last);
    QFETCH(QList<QByteArray>, frames);
    ScanRig rig(first, last);
    auto& [link, list, scan, engine] = rig;
    QSignalSpy finished(&engine, &engine::PollEngine::finished);
    QSignalSpy asking(&scan, &Scan::asking);

    for (int i = 0; i < frames.size(); ++i) {
        engine.sendTick();
        QCOMPARE(finished.size(), 0);
    }
    QCOMPARE(link.written, frames);
    QCOMPARE(asking.size(), frames.size());
    if (!frames.isEmpty()) QCOMPARE(asking.last().at(0).toInt(), last);

    // The tick after the last request ends the scan, once, closes the port and sends nothing more.
    engine.sendTick();
    QCOMPARE(finished.size(), 1);
    QVERIFY(!link.isOpen());
    engine.sendTick();
    engine.sendTick();
    QCOMPARE(finished.size(), 1);
    QCOMPARE(link.written.size(), frames.size());
    QCOMPARE(int(scan.foundCount()), 0);
}

void TestScan::rows_data() {
    QTest::addColumn<int>("first");
    QTest::addColumn<QList<Slot>>("window");
    QTest::addColumn<QStringList>("rows");

    QTest::newRow("nobody answers") << 1 << QList<Slot>{{}, {}} << QStringList{"||"};
    QTest::newRow("address 0 answers")
        << 0 << QList<Slot>{{reply("00", "02")}} << QStringList{"1|0000（0x00H）|" + kSingle2};
    QTest::newRow("repeated answer after another instrument")
        << 1 << QList<Slot>{{reply("01", "02")}, {reply("02", "16")}, {reply("02", "16")}}
        << QStringList{"1|0001（0x01H）|" + kSingle2, "2|0002（0x02H）|" + kFrequency};
    QTest::newRow("two instruments in answer order")
        << 1 << QList<Slot>{{reply("20", "1E")}, {}, {reply("03", "16")}}
        << QStringList{"1|0032（0x20H）|" + kPowerMeter, "2|0003（0x03H）|" + kFrequency};
    QTest::newRow("unlisted type 0C keeps the type cell empty")
        << 1 << QList<Slot>{{reply("01", "0C")}} << QStringList{"1|0001（0x01H）|"};
    QTest::newRow("address characters kept as received")
        << 31 << QList<Slot>{{reply("1f", "16")}} << QStringList{"1|0031（0x1fH）|" + kFrequency};
    QTest::newRow("reply carries another address than asked")
        << 5 << QList<Slot>{{reply("07", "16")}} << QStringList{"1|0007（0x07H）|" + kFrequency};
    QTest::newRow("echo and noise together")
        << 1 << QList<Slot>{{QByteArray::fromHex("00ff") + reply("01", "16"), true}}
        << QStringList{"1|0001（0x01H）|" + kFrequency};
    QTest::newRow("damaged reply is dropped")
        << 1 << QList<Slot>{{QByteArray(reply("01", "16")).replace(11, 1, "F")}} << QStringList{"||"};
    QTest::newRow("only the first line counts")
        << 1 << QList<Slot>{{"@garbage\r" + reply("01", "16")}} << QStringList{"||"};
}

void TestScan::rows() {
    QFETCH(int, first);
    QFETCH(QList<Slot>, window);
    QFETCH(QStringList, rows);
    ScanRig rig(first, first + int(window.size()) - 1);
    auto& [link, list, scan, engine] = rig;

    for (const Slot& slot : window) {
        engine.sendTick();
        link.input = (slot.echo ? link.written.last() : QByteArray()) + slot.input;
        for (int tick = 0; tick < 17; ++tick)
            engine.receiveTick();
    }
    QCOMPARE(rowsOf(list), rows);
    const bool found = !rows.first().startsWith('|');
    QCOMPARE(int(scan.foundCount()), found ? rows.size() : 0);
}

void TestScan::replyInPiecesIsHandledWhenComplete() {
    ScanRig rig(1, 1);
    auto& [link, list, scan, engine] = rig;
    engine.sendTick();
    const QByteArray full = reply("01", "16");
    link.input = full.left(4);
    engine.receiveTick();
    link.input = full.mid(4, full.size() - 5); // all but the CR
    engine.receiveTick();
    QCOMPARE(list.addressCell(1), QString());
    link.input = "\r";
    engine.receiveTick();
    QCOMPARE(list.addressCell(1), QStringLiteral("0001（0x01H）"));
}

void TestScan::sameReplyOnEveryReceiveTickKeepsOneRow() {
    ScanRig rig(1, 2);
    auto& [link, list, scan, engine] = rig;
    engine.sendTick();
    link.input = reply("01", "16");
    QSignalSpy changed(&list, &QAbstractItemModel::dataChanged);
    for (int tick = 0; tick < 17; ++tick)
        engine.receiveTick();
    QCOMPARE(list.rows(), 2);
    QCOMPARE(int(scan.foundCount()), 1);
    // The first tick writes the row; repeating the same texts changes nothing the grid would see.
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed[0][0].toModelIndex().column(), 0);
    QCOMPARE(changed[0][1].toModelIndex().column(), 2);
}

void TestScan::sendTickWaitsForArrivingReply() {
    ScanRig rig(1, 2);
    auto& [link, list, scan, engine] = rig;
    engine::ManualClock clock;
    engine.setClock(clock);
    engine.sendTick();
    // A reply still arriving when the send tick comes is waited for, not cut off and talked into.
    link.input = reply("01", "16").left(6);
    engine.receiveTick();
    clock.advance(10);
    engine.sendTick();
    QCOMPARE(link.written.size(), 1);
    link.input = reply("01", "16").mid(6);
    clock.advance(10);
    engine.receiveTick();
    QCOMPARE(int(scan.foundCount()), 1);
    QCOMPARE(link.written.size(), 2);
    QCOMPARE(engine.reader().request(), QByteArray("@02RD14\r"));
}

// The rows hold data: the address and type as numbers, when the instrument first answered, and
// a later unlisted type code that leaves the listed one in place.
void TestScan::rowsKeepWhenAndHowTheyWereFound() {
    ScanRig rig(1, 3);
    auto& [link, list, scan, engine] = rig;
    QDateTime now = QDateTime::fromString(QStringLiteral("2024-05-06T07:08:09"), Qt::ISODate);
    scan.setWallClock([&now] { return now; });
    const QDateTime first = now;
    const QList<QByteArray> answers{reply("1f", "16"), reply("1F", "0C"), reply("02", "0C")};
    for (const QByteArray& answer : answers) {
        engine.sendTick();
        link.input = answer;
        engine.receiveTick();
        now = now.addSecs(1);
        engine.receiveTick();
    }
    QCOMPARE(list.rows(), 3);
    const Instrument* one = list.instrument(1);
    const Instrument* two = list.instrument(2);
    QVERIFY(one && two);
    QCOMPARE(one->address, 31);
    QCOMPARE(one->typeCode, 0x16);
    QCOMPARE(one->foundAt, first);
    QCOMPARE(one->addressText, QByteArray("1F"));
    QCOMPARE(list.typeCell(1), kFrequency);
    QCOMPARE(two->typeCode, 0x0C);
    QCOMPARE(two->foundAt, first.addSecs(2));
    QCOMPARE(two->roundTripMs, -1);
    QCOMPARE(list.typeCell(2), QString());
}

void TestScan::remarkHoldsTheRoundTrip_data() {
    QTest::addColumn<int>("baud");   // 0: no clock given
    QTest::addColumn<int>("partMs"); // first half of the reply read this long after the request; -1 none
    QTest::addColumn<int>("crMs");   // the rest, with its CR
    QTest::addColumn<QString>("remark");
    QTest::newRow("9600: 8 bytes take 9 ms") << 9600 << -1 << 45 << "36 ms";
    QTest::newRow("19200: 5 ms") << 19200 << -1 << 40 << "35 ms";
    QTest::newRow("timed at the CR, not the first byte") << 9600 << 20 << 60 << "51 ms";
    QTest::newRow("reply faster than the request's line time") << 9600 << -1 << 5 << "0 ms";
    QTest::newRow("no clock, no remark") << 0 << -1 << 45 << "";
}

void TestScan::remarkHoldsTheRoundTrip() {
    QFETCH(int, baud);
    QFETCH(int, partMs);
    QFETCH(int, crMs);
    QFETCH(QString, remark);
    ScanRig rig(1, 1);
    auto& [link, list, scan, engine] = rig;
    engine::ManualClock clock(5000);
    if (baud > 0) scan.setClock(&clock, baud);
    engine.sendTick();
    const QByteArray full = reply("01", "16");
    if (partMs >= 0) {
        clock.advance(partMs);
        link.input = full.left(6);
        engine.receiveTick();
        clock.advance(crMs - partMs);
        link.input = full.mid(6);
    } else {
        clock.advance(crMs);
        link.input = full;
    }
    engine.receiveTick();
    // Later ticks hold the same line and keep the first figure.
    clock.advance(80);
    engine.receiveTick();
    QCOMPARE(list.text(1, InstrumentList::kRemarkColumn), remark);
}

QTEST_GUILESS_MAIN(TestScan)
#include "test_scan.moc"
