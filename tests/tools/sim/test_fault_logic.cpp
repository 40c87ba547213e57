// The line faults of the simulator: each must produce exactly the disturbance it names, and a
// program that cuts reply lines as ours does must still find a good reply behind echo and noise.
#include "protocol/frame.h"
#include "tools/sim/fault_logic.h"
#include "tools/sim/reply_builder.h"

#include <QTest>

Q_DECLARE_METATYPE(sim::Faults)

namespace {

QByteArray goodReply() {
    QRandomGenerator random(1);
    return sim::buildReply(0x02, 5, sim::Moment::fixedValues(), random);
}

const QByteArray kRequest = protocol::readRequest("05");

// The answer as words: "echo" for our request repeated, then "reply", "noise+reply" (one junk byte
// first) or "bad check" (same length, failing the check); anything else is marked with "?".
QString described(const sim::Answer& a, const QByteArray& reply) {
    QStringList out;
    if (!a.echo.isEmpty()) out << (a.echo == kRequest ? "echo" : "?echo");
    const bool noise = a.reply.size() == reply.size() + 1 && a.reply.mid(1) == reply && a.reply[0] != '@' &&
                       a.reply[0] != '\r';
    const bool badCheck = a.reply.size() == reply.size() && !protocol::CheckReply(a.reply);
    if (!a.reply.isEmpty())
        out << (a.reply == reply ? "reply" : noise ? "noise+reply" : badCheck ? "bad check" : "?reply");
    if (a.replied == a.reply.isEmpty()) out << "?replied";
    return out.join(' ');
}

} // namespace

class TestFaultLogic : public QObject {
    Q_OBJECT
private slots:
    void rollPercentExtremes_data();
    void rollPercentExtremes();
    void rollPercentRate();
    void wrongCheckFailsOnlyTheCheck_data();
    void wrongCheckFailsOnlyTheCheck();
    void junkNeverLooksLikeAFrame();
    void garbledTail_data();
    void garbledTail();
    void plan_data();
    void plan();
    void programStillFindsTheReply();
};

void TestFaultLogic::rollPercentExtremes_data() {
    QTest::addColumn<int>("percent");
    QTest::addColumn<bool>("expected");
    QTest::newRow("0 never") << 0 << false;
    QTest::newRow("negative never") << -5 << false;
    QTest::newRow("100 always") << 100 << true;
    QTest::newRow("above 100 always") << 250 << true;
}

void TestFaultLogic::rollPercentExtremes() {
    QFETCH(int, percent);
    QFETCH(bool, expected);
    QRandomGenerator random(5);
    for (int i = 0; i < 1000; ++i)
        QCOMPARE(sim::rollPercent(percent, random), expected);
}

void TestFaultLogic::rollPercentRate() {
    QRandomGenerator random(9);
    int hits = 0;
    for (int i = 0; i < 10000; ++i)
        hits += sim::rollPercent(30, random) ? 1 : 0;
    QVERIFY2(hits > 2700 && hits < 3300, qPrintable(QString::number(hits)));
}

void TestFaultLogic::wrongCheckFailsOnlyTheCheck_data() {
    QTest::addColumn<QByteArray>("frame");
    QTest::addColumn<bool>("changed");
    QTest::newRow("meter reply") << goodReply() << true;
    QTest::newRow("shortest frame") << QByteArray("@A41\r") << true;
    QTest::newRow("too short to carry a check") << QByteArray("@1\r") << false;
    QTest::newRow("no CR") << QByteArray("@0100000200") << false;
}

void TestFaultLogic::wrongCheckFailsOnlyTheCheck() {
    QFETCH(QByteArray, frame);
    QFETCH(bool, changed);
    // Many seeds: no random value may give back the right check.
    for (quint32 seed = 0; seed < 300; ++seed) {
        QRandomGenerator random(seed);
        const QByteArray out = sim::withWrongCheck(frame, random);
        if (!changed) {
            QCOMPARE(out, frame);
            continue;
        }
        QCOMPARE(out.size(), frame.size());
        QCOMPARE(out.left(out.size() - 3), frame.left(frame.size() - 3));
        QCOMPARE(out.back(), '\r');
        QVERIFY2(!protocol::CheckReply(out), out.constData());
        for (const char c : out.mid(out.size() - 3, 2))
            QVERIFY(QByteArray("0123456789ABCDEF").contains(c));
    }
}

void TestFaultLogic::junkNeverLooksLikeAFrame() {
    QRandomGenerator random(2);
    QSet<char> seen;
    for (int i = 0; i < 2000; ++i) {
        const QByteArray burst = sim::garbageBurst(random);
        QVERIFY(burst.size() >= 1 && burst.size() <= 8);
        QVERIFY(!burst.contains('@'));
        QVERIFY(!burst.contains('\r'));
        for (const char c : burst)
            seen.insert(c);
    }
    // Every other byte value does turn up.
    QCOMPARE(seen.size(), 254);
}

void TestFaultLogic::garbledTail_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("junkFrom"); // first byte that must differ; the length: none
    const int length = int(goodReply().size());
    QTest::newRow("whole reply") << 0 << 0;
    QTest::newRow("after the address") << 3 << 3;
    QTest::newRow("only the CR") << length - 1 << length - 1;
    QTest::newRow("at the end: untouched") << length << length;
    QTest::newRow("before the start counts from the start") << -4 << 0;
}

void TestFaultLogic::garbledTail() {
    QFETCH(int, from);
    QFETCH(int, junkFrom);
    const QByteArray reply = goodReply();
    for (quint32 seed = 0; seed < 200; ++seed) {
        QRandomGenerator random(seed);
        const QByteArray out = sim::garbledFrom(reply, from, random);
        QCOMPARE(out.size(), reply.size());
        QCOMPARE(out.left(junkFrom), reply.left(junkFrom));
        for (int i = junkFrom; i < out.size(); ++i) {
            QVERIFY(out[i] != reply[i]);
            QVERIFY(out[i] != '@' && out[i] != '\r');
        }
    }
}

void TestFaultLogic::plan_data() {
    QTest::addColumn<sim::Faults>("faults");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<bool>("answeredBefore");
    QTest::addColumn<QString>("answer");

    const QByteArray reply = goodReply();
    const auto with = [](auto set) {
        sim::Faults f;
        set(f);
        return f;
    };
    const sim::Faults none;
    const sim::Faults echo = with([](sim::Faults& f) { f.echo = true; });
    const sim::Faults noise = with([](sim::Faults& f) { f.noise = true; });
    const sim::Faults corrupt = with([](sim::Faults& f) { f.corruptPercent = 100; });
    const sim::Faults drop = with([](sim::Faults& f) { f.dropPercent = 100; });
    const sim::Faults silent = with([](sim::Faults& f) { f.silent = {5}; });
    const sim::Faults silentOther = with([](sim::Faults& f) { f.silent = {6}; });

    QTest::newRow("clean line") << none << reply << false << "reply";
    QTest::newRow("not our address") << none << QByteArray() << false << "";
    QTest::newRow("echo then reply") << echo << reply << false << "echo reply";
    QTest::newRow("echo of a request nobody answers") << echo << QByteArray() << false << "echo";
    QTest::newRow("noise byte before reply") << noise << reply << false << "noise+reply";
    QTest::newRow("corrupt check") << corrupt << reply << false << "bad check";
    QTest::newRow("dropped") << drop << reply << false << "";
    QTest::newRow("silent answers first time") << silent << reply << false << "reply";
    QTest::newRow("silent stays quiet after") << silent << reply << true << "";
    QTest::newRow("silence of another address") << silentOther << reply << true << "reply";
}

void TestFaultLogic::plan() {
    QFETCH(sim::Faults, faults);
    QFETCH(QByteArray, reply);
    QFETCH(bool, answeredBefore);
    QRandomGenerator random(4);
    QTEST(described(sim::planAnswer(kRequest, 5, reply, answeredBefore, faults, random), reply), "answer");
}

void TestFaultLogic::programStillFindsTheReply() {
    // What the program's receive buffer holds after one request on a line with every disturbance,
    // cut as the program cuts it.
    sim::Faults faults;
    faults.echo = true;
    faults.noise = true;
    for (quint32 seed = 0; seed < 200; ++seed) {
        QRandomGenerator random(seed);
        const sim::Answer a = sim::planAnswer(kRequest, 5, goodReply(), false, faults, random);
        const QByteArray buffer = a.echo + sim::garbageBurst(random) + a.reply;
        QCOMPARE(protocol::cutReplyLine(buffer, kRequest).value_or(QByteArray()), goodReply());
    }
}

QTEST_GUILESS_MAIN(TestFaultLogic)
#include "test_fault_logic.moc"
