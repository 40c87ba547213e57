// The poll engine on a fake link and a clock moved by hand: what its ticks write and hand to the
// client, how a run ends, and the traffic events its listeners hear.
#include "engine/poll_engine.h"
#include "fake_link.h"
#include "reply_frame.h"
#include "script_client.h"

#include <QSignalSpy>
#include <QTest>

using engine::PollEngine;

namespace {

const QByteArray kAsk01 = protocol::readRequest("01");

struct Rig {
    FakeLink link;
    engine::ManualClock clock{1000};
    PollEngine engine{link};
    ScriptClient client;

    explicit Rig(QList<int> addresses = {1}) : client(std::move(addresses)) {
        engine.setClock(clock);
        link.open();
        engine.start(client, engine::kTicksByHand);
    }
    // A whole request slot on the hand clock: the send tick, `input` arriving before the first
    // receive tick, then a quiet one.
    void slot(const QByteArray& input) {
        clock.advance(engine::kScanIntervals.sendMs - 2 * engine::kScanIntervals.receiveMs);
        engine.sendTick();
        clock.advance(engine::kScanIntervals.receiveMs);
        link.input = input;
        engine.receiveTick();
        clock.advance(engine::kScanIntervals.receiveMs);
        engine.receiveTick();
    }
};

} // namespace

class TestPollEngine : public QObject {
    Q_OBJECT
private slots:
    void ticksDriveTheClient();
    void runEnds_data();
    void runEnds();
    void trafficEvents_data();
    void trafficEvents();
    void noListenerNoClockReading();
    void listenersToldInOrderAndLeavingWhileTold();
    void sendNow_data();
    void sendNow();
    void listenOnlyNeverWrites();
    void timersAtShortIntervals_data();
    void timersAtShortIntervals();
};

void TestPollEngine::ticksDriveTheClient() {
    Rig rig({1, -1, 2});
    QVERIFY(rig.link.written.isEmpty()); // the first request waits one send interval
    rig.link.input = "left over from before";
    rig.engine.receiveTick();
    rig.slot(reply("01", "16"));
    rig.slot({}); // nothing asked: the answer stays
    rig.slot({});
    QCOMPARE(rig.link.written, (QList<QByteArray>{kAsk01, protocol::readRequest("02")}));
    // The answer is handed over on every tick until the next request empties the reader.
    const QString answer = QString::fromLatin1(reply("01", "16").trimmed());
    QCOMPARE(rig.client.seen, (QStringList{"-", answer, answer, answer, answer, "-", "-"}));
}

void TestPollEngine::runEnds_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("finished");
    QTest::addColumn<int>("lost");
    QTest::newRow("client has nothing more to ask") << "done" << 1 << 0;
    QTest::newRow("stopped from outside") << "stop" << 0 << 0;
    QTest::newRow("device lost while running") << "lost" << 0 << 1;
    QTest::newRow("stopped from inside a reply tick") << "stop in tick" << 0 << 0;
}

void TestPollEngine::runEnds() {
    QFETCH(QString, how);
    QFETCH(int, finished);
    QFETCH(int, lost);
    Rig rig({1});
    QSignalSpy finishedSpy(&rig.engine, &PollEngine::finished);
    QSignalSpy lostSpy(&rig.engine, &PollEngine::lost);
    rig.slot(reply("01", "16"));
    if (how == "done") {
        rig.engine.sendTick();
    } else if (how == "stop") {
        rig.engine.stop();
    } else if (how == "lost") {
        rig.link.unplug();
    } else {
        rig.client.onReply = [&](const engine::ReplyReader&) { rig.engine.stop(); };
        rig.link.input = "x";
        rig.engine.receiveTick();
    }
    QVERIFY(!rig.engine.isRunning());
    QVERIFY(!rig.link.isOpen());
    QCOMPARE(rig.engine.reader().buffer(), QByteArray());
    // Ticks that a timer had queued before the end do nothing.
    rig.link.input = reply("01", "16");
    rig.engine.sendTick();
    rig.engine.receiveTick();
    QCOMPARE(rig.link.written.size(), 1);
    // Losing the device again, with the engine idle, is not this engine's business.
    rig.link.unplug();
    QCOMPARE(finishedSpy.size(), finished);
    QCOMPARE(lostSpy.size(), lost);
    if (lost) QCOMPARE(lostSpy[0][0].toString(), QStringLiteral("device removed"));
}

void TestPollEngine::trafficEvents_data() {
    // One slot per address asked, 1360 ms each; each slot's input arrives at its first receive
    // tick, 80 ms after its request. The run ends at the send tick after the last slot.
    QTest::addColumn<QList<int>>("addresses");
    QTest::addColumn<QByteArrayList>("inputs");
    QTest::addColumn<QStringList>("events");
    const QString r01 = QString::fromLatin1(reply("01", "16").trimmed());
    const QString r03 = QString::fromLatin1(reply("03", "02").trimmed());
    const QByteArray damaged = reply("01", "16").replace(10, 1, "9");
    const QString bad = QString::fromLatin1(damaged.trimmed());
    QTest::newRow("answer, silence, echo with noise and answer")
        << QList<int>{1, 2, 3}
        << QByteArrayList{reply("01", "16"), {}, protocol::readRequest("03") + "?" + reply("03", "02")}
        << QStringList{
               "2200 request a=1 @01RD17",     "2280 bytes " + r01,     "2280 accepted a=1 t=16 " + r01,
               "3560 request a=2 @02RD14",     "4920 no-reply a=2",     "4920 request a=3 @03RD15",
               "5000 bytes @03RD15\r?" + r03,  "5000 echo a=3 @03RD15", "5000 noise n=1 ?",
               "5000 accepted a=3 t=02 " + r03};
    QTest::newRow("a bad line is an answer, an echo alone is none")
        << QList<int>{1, 1} << QByteArrayList{damaged, kAsk01}
        << QStringList{"2200 request a=1 @01RD17", "2280 bytes " + bad,  "2280 bad " + bad,
                       "3560 request a=1 @01RD17", "3640 bytes @01RD17", "3640 echo a=1 @01RD17",
                       "4920 no-reply a=1"};
}

void TestPollEngine::trafficEvents() {
    QFETCH(QList<int>, addresses);
    QFETCH(QByteArrayList, inputs);
    QFETCH(QStringList, events);
    Rig rig(addresses);
    TrafficLog log;
    rig.engine.addListener(&log);
    QSignalSpy finished(&rig.engine, &PollEngine::finished);
    for (const QByteArray& input : inputs)
        rig.slot(input);
    rig.clock.advance(engine::kScanIntervals.sendMs - 2 * engine::kScanIntervals.receiveMs);
    rig.engine.sendTick();
    QCOMPARE(finished.size(), 1);
    QCOMPARE(log.lines, events);
}

void TestPollEngine::noListenerNoClockReading() {
    Rig rig({1, 2, 3, 4});
    rig.slot(protocol::readRequest("01") + "#" + reply("01", "16"));
    rig.slot({});
    QCOMPARE(rig.clock.reads(), 0);

    TrafficLog log;
    rig.engine.addListener(&log);
    rig.slot(reply("01", "16"));
    // One reading per tick that told something: the send tick (no reply, request) and the first
    // receive tick (bytes, accepted).
    QCOMPARE(rig.clock.reads(), 2);
    QCOMPARE(log.lines.size(), 4);
    rig.engine.removeListener(&log);
    rig.slot(reply("01", "16"));
    QCOMPARE(rig.clock.reads(), 2);
    QCOMPARE(log.lines.size(), 4);
}

void TestPollEngine::listenersToldInOrderAndLeavingWhileTold() {
    Rig rig({1, 2});
    QStringList order;
    TrafficLog first, second, third;
    first.onEvent = [&] { order << "first"; };
    second.onEvent = [&] {
        order << "second";
        // Leaves, and sends the third away, in the middle of being told.
        rig.engine.removeListener(&second);
        rig.engine.removeListener(&third);
    };
    third.onEvent = [&] { order << "third"; };
    rig.engine.addListener(&first);
    rig.engine.addListener(&second);
    rig.engine.addListener(&third);
    rig.engine.addListener(&first); // once only
    rig.slot({});
    QCOMPARE(order, (QStringList{"first", "second"}));
    rig.slot({});
    QCOMPARE(order,
             (QStringList{"first", "second", "first", "first"})); // the second request: no reply, request
}

void TestPollEngine::sendNow_data() {
    QTest::addColumn<QString>("when");
    QTest::addColumn<QList<QByteArray>>("written");
    QTest::addColumn<QStringList>("seen");
    const QByteArray ask02 = protocol::readRequest("02");
    const QString answer = QString::fromLatin1(reply("01", "16").trimmed());
    QTest::newRow("before the first slot") << "outside" << QList<QByteArray>{kAsk01} << QStringList{};
    // The reply tick sees its answer, then the next request leaves in the same tick.
    QTest::newRow("on the reply's CR")
        << "on reply" << QList<QByteArray>{kAsk01, ask02} << QStringList{answer};
    QTest::newRow("after the run") << "after stop" << QList<QByteArray>{} << QStringList{};
}

void TestPollEngine::sendNow() {
    QFETCH(QString, when);
    QFETCH(QList<QByteArray>, written);
    QFETCH(QStringList, seen);
    Rig rig({1, 2});
    if (when == "outside") {
        rig.engine.sendNow();
    } else if (when == "on reply") {
        rig.client.onReply = [&](const engine::ReplyReader& reader) {
            if (reader.accepted()) rig.engine.sendNow();
        };
        rig.engine.sendTick();
        rig.link.input = reply("01", "16");
        rig.engine.receiveTick();
        QCOMPARE(rig.engine.reader().request(), written.last());
    } else {
        rig.engine.stop();
        rig.engine.sendNow();
    }
    QCOMPARE(rig.link.written, written);
    QCOMPARE(rig.client.seen, seen);
}

void TestPollEngine::listenOnlyNeverWrites() {
    FakeLink link;
    engine::ManualClock clock(50);
    PollEngine engine(link);
    engine.setClock(clock);
    TrafficLog log;
    engine.addListener(&log);
    QCOMPARE(engine.open(), serial::NoError);
    engine.listen(0);
    QVERIFY(engine.isListening());
    const QByteArray r01 = reply("01", "16");
    link.input = kAsk01 + r01 + "@0";
    engine.receiveTick();
    engine.sendTick();
    engine.sendNow();
    QVERIFY(link.written.isEmpty());
    QCOMPARE(log.lines, (QStringList{QString::fromLatin1("50 bytes @01RD17\r" + r01 + "@0"),
                                     QStringLiteral("50 accepted a=1 t=00 @01RD17"),
                                     QString::fromLatin1("50 accepted a=1 t=16 " + r01.trimmed())}));
    link.unplug();
    QVERIFY(!engine.isListening());
}

void TestPollEngine::timersAtShortIntervals_data() {
    QTest::addColumn<bool>("atStart");
    QTest::newRow("given at the start") << true;
    QTest::newRow("given to a run stepped by hand") << false;
}

void TestPollEngine::timersAtShortIntervals() {
    QFETCH(bool, atStart);
    FakeLink link;
    PollEngine engine(link);
    ScriptClient client({1, 2, 3});
    QSignalSpy finished(&engine, &PollEngine::finished);
    link.open();
    const engine::Intervals shortOnes{15, 3};
    engine.start(client, atStart ? shortOnes : engine::kTicksByHand);
    if (!atStart) engine.setIntervals(shortOnes);
    QCOMPARE(engine.intervals().sendMs, 15);
    QVERIFY(finished.wait(5000));
    QCOMPARE(link.written.size(), 3);
    QVERIFY(!client.seen.isEmpty()); // the receive timer ran too
    QVERIFY(!link.isOpen());
}

QTEST_GUILESS_MAIN(TestPollEngine)
#include "test_poll_engine.moc"
