// The round poller on a fake line with a hand-moved clock: when it asks the next address, what
// each answer becomes, and how rounds and their interval go.
#include "cli/round_poller.h"
#include "engine/poll_engine.h"
#include "fake_link.h"
#include "reply_frame.h"

#include <QSignalSpy>
#include <QTest>

using namespace cli;

namespace {

// One step of a script: input arriving, then the clock moved, then a receive tick.
struct Step {
    QByteArray input;
    int advanceMs = 0;
};

struct Rig {
    FakeLink link;
    engine::ManualClock clock{1000};
    engine::PollEngine engine{link};
    QList<protocol::Sample> samples;
    std::unique_ptr<RoundPoller> poller;

    explicit Rig(RoundPlan plan) {
        engine.setClock(clock);
        poller =
            std::make_unique<RoundPoller>(engine, plan, [this](const protocol::Sample& s) { samples << s; });
        poller->setWallClock([this] { return 1714536000000 + clock.nowMs(); });
        engine.open();
        engine.start(*poller, engine::kTicksByHand);
        engine.sendTick();
    }
    void run(const QList<Step>& steps) {
        for (const Step& s : steps) {
            link.input += s.input;
            clock.advance(s.advanceMs);
            engine.receiveTick();
        }
    }
};

RoundPlan plan(QList<int> addresses, int rounds = 0, int intervalMs = 1000) {
    RoundPlan p;
    p.addresses = addresses;
    p.rounds = rounds;
    p.intervalMs = intervalMs;
    p.replyTimeoutMs = 100;
    p.baud = 9600; // a request of 8 characters takes 9 ms
    return p;
}

const QByteArray kReply1 = reply("01", "02", "000F");
const QByteArray kReply2 = reply("02", "02", "000F");

} // namespace

class TestRoundPoller : public QObject {
    Q_OBJECT
private slots:
    void answerOfOneRequest_data() {
        QTest::addColumn<QList<Step>>("steps");
        QTest::addColumn<int>("written");     // requests on the line after the steps
        QTest::addColumn<QString>("verdict"); // of the first sample; "-" for none yet
        QTest::addColumn<int>("typeCode");

        QTest::newRow("reply at once: next asked in the same tick")
            << QList<Step>{{kReply1, 5}} << 2 << QString() << 2;
        QTest::newRow("reply in pieces: asked on once the CR came")
            << QList<Step>{{kReply1.left(5), 5}, {kReply1.mid(5), 5}} << 2 << QString() << 2;
        QTest::newRow("silent: waits the request's time plus the time-out")
            << QList<Step>{{{}, 100}, {{}, 8}} << 1 << QStringLiteral("-") << -1;
        QTest::newRow("silent past the time-out: no reply, next asked")
            << QList<Step>{{{}, 100}, {{}, 9}} << 2 << kNoReply << -1;
        QTest::newRow("reply begun at the time-out: waited for")
            << QList<Step>{{kReply1.left(4), 150}} << 1 << QStringLiteral("-") << -1;
        // The engine never sends into bytes still arriving: the next request waits for a quiet line.
        QTest::newRow("reply that never ends: given up at the hard limit, asked on when quiet")
            << QList<Step>{{kReply1.left(4), 150}, {"0", 500}, {{}, 300}} << 2 << kNoReply << -1;
        QTest::newRow("check fails") << QList<Step>{{kReply1.left(kReply1.size() - 3) + "00\r", 5}} << 2
                                     << kBadCheck << -1;
        QTest::newRow("another address answers") << QList<Step>{{kReply2, 5}} << 2 << kWrongAddress << -1;
        QTest::newRow("noise before the reply is not an answer")
            << QList<Step>{{"\x01\x02", 5}, {kReply1, 5}} << 2 << QString() << 2;
    }
    void answerOfOneRequest() {
        QFETCH(QList<Step>, steps);
        QFETCH(int, written);
        QFETCH(QString, verdict);
        QFETCH(int, typeCode);
        Rig rig(plan({1, 3}));
        rig.run(steps);
        QCOMPARE(rig.link.written.size(), written);
        QCOMPARE(rig.link.written.first(), QByteArray("@01RD17\r"));
        if (verdict == QLatin1String("-")) {
            QVERIFY(rig.samples.isEmpty());
            return;
        }
        QCOMPARE(rig.samples.size(), 1);
        const protocol::Sample& s = rig.samples.first();
        QCOMPARE(s.address, 1);
        QCOMPARE(s.verdict, verdict);
        QCOMPARE(s.typeCode, typeCode);
        QCOMPARE(s.epochMs, 1714536001000); // when it was asked, not when the answer came
        QCOMPARE(s.readings.empty(), !s.accepted());
        if (s.accepted()) QCOMPARE(s.model, QStringLiteral("LED系列——四位双报警单显表"));
    }

    void rounds_data() {
        QTest::addColumn<int>("rounds");
        QTest::addColumn<int>("intervalMs");
        QTest::addColumn<int>("tickMs");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<int>("expectedSamples");
        QTest::addColumn<bool>("finished");

        // Both answer within one tick each: a round of two takes two ticks.
        QTest::newRow("count reached ends the run at once") << 2 << 1000 << 10 << 2 + 100 + 2 << 4 << true;
        QTest::newRow("next round waits for the interval") << 0 << 1000 << 10 << 2 + 97 << 2 << false;
        QTest::newRow("next round when the interval has passed")
            << 0 << 1000 << 10 << 2 + 100 + 2 << 4 << false;
        QTest::newRow("a round longer than the interval: next at once")
            << 0 << 100 << 60 << 2 + 2 << 4 << false;
    }
    void rounds() {
        QFETCH(int, rounds);
        QFETCH(int, intervalMs);
        QFETCH(int, tickMs);
        QFETCH(int, ticks);
        QFETCH(int, expectedSamples);
        QFETCH(bool, finished);
        Rig rig(plan({1, 2}, rounds, intervalMs));
        QSignalSpy done(&rig.engine, &engine::PollEngine::finished);
        for (int i = 0; i < ticks && rig.engine.isRunning(); ++i) {
            const QByteArray& last = rig.link.written.last();
            // An instrument answers a request of its own once, within the tick.
            if (rig.link.written.size() > rig.samples.size())
                rig.link.input = last.startsWith("@01") ? kReply1 : kReply2;
            rig.clock.advance(tickMs);
            rig.engine.receiveTick();
        }
        QCOMPARE(rig.samples.size(), expectedSamples);
        QCOMPARE(done.count(), finished ? 1 : 0);
        QCOMPARE(rig.link.isOpen(), !finished);
        for (int i = 0; i < rig.samples.size(); ++i)
            QCOMPARE(rig.samples[i].address, i % 2 == 0 ? 1 : 2);
    }
};

QTEST_GUILESS_MAIN(TestRoundPoller)
#include "test_round_poller.moc"
