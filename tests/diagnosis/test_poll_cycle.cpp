// The poll cycle driven tick by tick: its requests and what it hands to the views.
#include "diagnosis/poll_cycle.h"
#include "fake_link.h"
#include "views/instrument_types.h"
#include "search/instrument_list.h"
#include "reply_frame.h"

#include <QTest>

namespace {

// A view that records its calls and counts them in Tn, as the paging views do.
struct Call {
    QByteArray ntemp;
    int typeCode;
};
QList<Call> g_calls;
int g_askedCode = -1;

void recordingView(const QByteArray& ntemp, panel::PanelModel& panel, qint16& tn, protocol::Readings&) {
    g_calls.append({ntemp, g_askedCode});
    panel.label1[0].caption = QString::fromLatin1(ntemp.left(3));
    ++tn;
}

// Every catalogue code has a view; unlisted ones have none.
views::ViewRoutine recordingDispatch(int code) {
    g_askedCode = code;
    return views::typeForCode(code) ? &recordingView : nullptr;
}

struct Rig {
    FakeLink link;
    protocol::LineTexts line;
    InstrumentList list;
    PollCycle poll{link, line, list, &recordingDispatch};

    explicit Rig(const QString& addressCell = QStringLiteral("0031（0x1FH）")) {
        list.setText(1, 1, addressCell);
        list.setText(1, 2, QStringLiteral("LED系列——频率表"));
        link.open();
        g_calls.clear();
        g_askedCode = -1;
        poll.begin();
    }
};

} // namespace

class TestPollCycle : public QObject {
    Q_OBJECT
private slots:
    void requestForTheCurrentRow_data();
    void requestForTheCurrentRow();
    void dispatch_data();
    void dispatch();
    void sendTickStartsAFreshWindow();
    void beginEmptiesWhatTheScanLeft();
};

void TestPollCycle::requestForTheCurrentRow_data() {
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<int>("current");
    QTest::addColumn<QByteArray>("request");
    QTest::newRow("address 31") << QStringList{"0031（0x1FH）"} << 1 << QByteArray("@1FRD61\r");
    QTest::newRow("second row chosen") << QStringList{"0001（0x01H）", "0015（0x0FH）"} << 2
                                       << QByteArray("@0FRD60\r");
    QTest::newRow("lower case kept as listed") << QStringList{"0031（0x1fH）"} << 1
                                               << protocol::readRequest("1f");
}

void TestPollCycle::requestForTheCurrentRow() {
    QFETCH(QStringList, cells);
    QFETCH(int, current);
    QFETCH(QByteArray, request);
    Rig rig(cells[0]);
    for (int r = 2; r <= cells.size(); ++r) {
        rig.list.addRow();
        rig.list.setText(r, 1, cells[r - 1]);
    }
    rig.list.setCurrentRow(current);
    rig.poll.sendTick();
    rig.poll.sendTick();
    QCOMPARE(rig.link.written, (QList<QByteArray>{request, request}));
    QCOMPARE(rig.line.commandFrame, request);
}

void TestPollCycle::dispatch_data() {
    // What arrives before each receive tick, and the view calls counted after each tick.
    QTest::addColumn<QList<QByteArray>>("arrivals");
    QTest::addColumn<QList<int>>("callsAfterTick");
    QTest::addColumn<QByteArray>("ntemp");  // what every call received
    QTest::addColumn<int>("typeCode");

    const QByteArray good = reply("1F", "16", "D20401");
    QTest::newRow("same line on every tick") << QList<QByteArray>{good, {}, {}, {}} << QList<int>{1, 2, 3, 4}
                                             << good << 0x16;
    QTest::newRow("pieces across ticks")
        << QList<QByteArray>{good.left(5), good.mid(5, good.size() - 6), "\r", {}} << QList<int>{0, 0, 1, 2} << good
        << 0x16;
    QTest::newRow("only the first of two lines")
        << QList<QByteArray>{good + reply("02", "1E")} << QList<int>{1} << good << 0x16;
    // Read from the raw buffer, characters 8-9 would be "00" here and miss the catalogue.
    QTest::newRow("type code read from the reply line")
        << QList<QByteArray>{"0F" + reply("1F", "8A")} << QList<int>{1} << reply("1F", "8A") << 0x8A;
    QTest::newRow("echo then nothing yet") << QList<QByteArray>{"@1FRD61\r", good.left(4)} << QList<int>{0, 0}
                                           << QByteArray() << -1;
    QTest::newRow("unlisted code ignored") << QList<QByteArray>{reply("1F", "0C"), {}} << QList<int>{0, 0}
                                           << QByteArray() << -1;
    QTest::newRow("damaged line ignored")
        << QList<QByteArray>{QByteArray(good).replace(10, 1, "9"), {}} << QList<int>{0, 0} << QByteArray() << -1;
}

void TestPollCycle::dispatch() {
    QFETCH(QList<QByteArray>, arrivals);
    QFETCH(QList<int>, callsAfterTick);
    QFETCH(QByteArray, ntemp);
    QFETCH(int, typeCode);
    Rig rig;
    rig.poll.sendTick();
    for (int i = 0; i < arrivals.size(); ++i) {
        rig.link.input = arrivals[i];
        rig.poll.receiveTick();
        QCOMPARE(g_calls.size(), callsAfterTick[i]);
    }
    for (const Call& call : g_calls) {
        QCOMPARE(call.ntemp, ntemp);
        QCOMPARE(call.typeCode, typeCode);
    }
    QCOMPARE(int(rig.poll.tn()), g_calls.size());
}

void TestPollCycle::sendTickStartsAFreshWindow() {
    Rig rig;
    rig.poll.sendTick();
    rig.link.input = reply("1F", "16");
    rig.poll.receiveTick();
    QCOMPARE(g_calls.size(), 1);
    rig.poll.sendTick();
    QCOMPARE(rig.line.receiveBuffer, QByteArray());
    rig.poll.receiveTick();
    QCOMPARE(g_calls.size(), 1); // nothing new arrived for the new request
}

void TestPollCycle::beginEmptiesWhatTheScanLeft() {
    Rig rig;
    rig.poll.panel().label1[0].caption = QStringLiteral("left from the last opening");
    rig.line.receiveBuffer = reply("1F", "16");
    rig.poll.begin();
    QVERIFY(rig.poll.panel() == panel::PanelModel::design());
    rig.poll.receiveTick();
    QVERIFY(g_calls.isEmpty());
}

QTEST_GUILESS_MAIN(TestPollCycle)
#include "test_poll_cycle.moc"
