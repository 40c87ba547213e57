// The poll cycle on a poll engine driven tick by tick: its requests and what it hands to the views.
#include "diagnosis/poll_cycle.h"
#include "engine/poll_engine.h"
#include "fake_link.h"
#include "reply_frame.h"
#include "views/instrument_types.h"

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

Instrument frequencyMeter(int address, const QByteArray& addressText) {
    Instrument i;
    i.address = address;
    i.typeCode = 0x16;
    i.addressText = addressText;
    return i;
}

struct Rig {
    FakeLink link;
    PollCycle poll{&recordingDispatch};
    engine::PollEngine engine{link};

    explicit Rig(const Instrument& instrument = frequencyMeter(31, "1F")) {
        g_calls.clear();
        g_askedCode = -1;
        link.open();
        open(instrument);
    }
    void open(const Instrument& instrument) {
        poll.begin(instrument);
        engine.start(poll, engine::kTicksByHand);
    }
};

} // namespace

class TestPollCycle : public QObject {
    Q_OBJECT
private slots:
    void requestToTheInstrument_data();
    void requestToTheInstrument();
    void dispatch_data();
    void dispatch();
    void sendTickStartsAFreshWindow();
    void openingStartsAfresh();
};

void TestPollCycle::requestToTheInstrument_data() {
    QTest::addColumn<int>("address");
    QTest::addColumn<QByteArray>("addressText");
    QTest::addColumn<QByteArray>("request");
    QTest::newRow("address 31") << 31 << QByteArray("1F") << QByteArray("@1FRD61\r");
    QTest::newRow("address 15") << 15 << QByteArray("0F") << QByteArray("@0FRD60\r");
    QTest::newRow("address 0") << 0 << QByteArray("00") << QByteArray("@00RD16\r");
    // The list shows the characters as the reply carried them; the request is written from the number.
    QTest::newRow("lower-case reply characters") << 31 << QByteArray("1f") << QByteArray("@1FRD61\r");
}

void TestPollCycle::requestToTheInstrument() {
    QFETCH(int, address);
    QFETCH(QByteArray, addressText);
    QFETCH(QByteArray, request);
    Rig rig(frequencyMeter(address, addressText));
    rig.engine.sendTick();
    rig.engine.sendTick();
    QCOMPARE(rig.link.written, (QList<QByteArray>{request, request}));
    QCOMPARE(rig.engine.reader().request(), request);
}

void TestPollCycle::dispatch_data() {
    // What arrives before each receive tick, and the view calls counted after each tick.
    QTest::addColumn<QList<QByteArray>>("arrivals");
    QTest::addColumn<QList<int>>("callsAfterTick");
    QTest::addColumn<QByteArray>("ntemp"); // what every call received
    QTest::addColumn<int>("typeCode");

    const QByteArray good = reply("1F", "16", "D20401");
    QTest::newRow("same line on every tick")
        << QList<QByteArray>{good, {}, {}, {}} << QList<int>{1, 2, 3, 4} << good << 0x16;
    QTest::newRow("pieces across ticks")
        << QList<QByteArray>{good.left(5), good.mid(5, good.size() - 6), "\r", {}} << QList<int>{0, 0, 1, 2}
        << good << 0x16;
    QTest::newRow("only the first of two lines")
        << QList<QByteArray>{good + reply("02", "1E")} << QList<int>{1} << good << 0x16;
    // Read from the raw buffer, characters 8-9 would be "00" here and miss the catalogue.
    QTest::newRow("type code read from the reply line")
        << QList<QByteArray>{"0F" + reply("1F", "8A")} << QList<int>{1} << reply("1F", "8A") << 0x8A;
    QTest::newRow("echo then nothing yet")
        << QList<QByteArray>{"@1FRD61\r", good.left(4)} << QList<int>{0, 0} << QByteArray() << -1;
    QTest::newRow("unlisted code ignored")
        << QList<QByteArray>{reply("1F", "0C"), {}} << QList<int>{0, 0} << QByteArray() << -1;
    QTest::newRow("damaged line ignored") << QList<QByteArray>{QByteArray(good).replace(10, 1, "9"), {}}
                                          << QList<int>{0, 0} << QByteArray() << -1;
}

void TestPollCycle::dispatch() {
    QFETCH(QList<QByteArray>, arrivals);
    QFETCH(QList<int>, callsAfterTick);
    QFETCH(QByteArray, ntemp);
    QFETCH(int, typeCode);
    Rig rig;
    rig.engine.sendTick();
    for (int i = 0; i < arrivals.size(); ++i) {
        rig.link.input = arrivals[i];
        rig.engine.receiveTick();
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
    rig.engine.sendTick();
    rig.link.input = reply("1F", "16");
    rig.engine.receiveTick();
    QCOMPARE(g_calls.size(), 1);
    rig.engine.sendTick();
    QCOMPARE(rig.engine.reader().buffer(), QByteArray());
    rig.engine.receiveTick();
    QCOMPARE(g_calls.size(), 1); // nothing new arrived for the new request
}

// A new opening shows nothing of the last one: the panel as designed, no input kept; Tn runs on.
void TestPollCycle::openingStartsAfresh() {
    Rig rig;
    rig.engine.sendTick();
    rig.link.input = reply("1F", "16");
    rig.engine.receiveTick();
    QCOMPARE(rig.poll.panel().label1[0].caption, QStringLiteral("@1F"));
    rig.engine.stop();
    rig.poll.unload();
    rig.link.open();
    rig.open(frequencyMeter(2, "02"));
    QVERIFY(rig.poll.panel() == panel::PanelModel::design());
    QCOMPARE(rig.engine.reader().buffer(), QByteArray());
    rig.engine.receiveTick();
    QCOMPARE(g_calls.size(), 1);
    QCOMPARE(int(rig.poll.tn()), 1);
    QCOMPARE(rig.poll.instrument().address, 2);
}

QTEST_GUILESS_MAIN(TestPollCycle)
#include "test_poll_cycle.moc"
