// A send tick that comes while a reply is still arriving waits for it: for its CR, for the line to
// fall silent, or at most for a bounded time; on a quiet line the ticks keep their pace.
#include "engine/line_timing.h"
#include "engine/poll_engine.h"
#include "fake_link.h"
#include "reply_frame.h"
#include "script_client.h"

#include <QTest>

namespace {

// What comes in before one receive tick, `atMs` after the send tick that should send the next
// request.
struct Arrival {
    int atMs = 0;
    QByteArray input;
};
using Arrivals = QList<Arrival>;

} // namespace

class TestSendHold : public QObject {
    Q_OBJECT
private slots:
    void sendTickWaitsForArrivingReply_data();
    void sendTickWaitsForArrivingReply();
    void inputBeforeTheSendTickReachesTheClient();
};

void TestSendHold::sendTickWaitsForArrivingReply_data() {
    QTest::addColumn<QString>("settings");
    QTest::addColumn<QByteArray>("beforeTick"); // came in on the last receive tick before the send tick
    QTest::addColumn<Arrivals>("after");
    QTest::addColumn<int>("sentAtMs");     // -1: at the send tick itself
    QTest::addColumn<QStringList>("seen"); // by the client, from the send tick on

    // The LCD scanner's long reply at 600 baud: 16.7 ms a character.
    const QByteArray longReply = reply("01", "96", QByteArray(120, '0'));
    const QString whole = QString::fromLatin1(longReply.trimmed());
    QTest::newRow("quiet line: the tick sends")
        << "9600,n,8,1" << QByteArray() << Arrivals{} << -1 << QStringList{};
    QTest::newRow("complete reply: the tick sends")
        << "9600,n,8,1" << reply("01", "16") << Arrivals{} << -1 << QStringList{};
    QTest::newRow("600 baud, long reply arriving: sent at its CR")
        << "600,n,8,1" << longReply.left(60) << Arrivals{{80, longReply.mid(60, 5)}, {160, longReply.mid(65)}}
        << 160 << QStringList{"-", whole};
    QTest::newRow("reply breaks off: sent once the line is silent")
        << "600,n,8,1" << longReply.left(60) << Arrivals{{80, longReply.mid(60, 5)}, {160, {}}, {180, {}}}
        << 180 << QStringList{"-", "-", "-"};
    QTest::newRow("9600 baud: a silent tick is gap enough")
        << "9600,n,8,1" << QByteArray("@01000") << Arrivals{{80, {}}} << 80 << QStringList{"-"};
    // 256 characters at 600 baud: 4267 ms, reached on the 54th tick.
    Arrivals chatter;
    for (int i = 1; i <= 54; ++i)
        chatter << Arrival{80 * i, "0"};
    QTest::newRow("line chattering without CR: waited for at most 256 characters")
        << "600,n,8,1" << QByteArray("@01") << chatter << 54 * 80 << QStringList(54, QStringLiteral("-"));
}

void TestSendHold::sendTickWaitsForArrivingReply() {
    QFETCH(QString, settings);
    QFETCH(QByteArray, beforeTick);
    QFETCH(Arrivals, after);
    QFETCH(int, sentAtMs);
    QFETCH(QStringList, seen);

    FakeLink link;
    link.setSettings(settings);
    engine::ManualClock clock(10000);
    engine::PollEngine engine(link);
    engine.setClock(clock);
    ScriptClient client({1, 2});
    link.open();
    engine.start(client, engine::kTicksByHand);
    engine.sendTick();
    clock.advance(1350);
    link.input = beforeTick;
    engine.receiveTick();
    client.seen.clear();

    clock.advance(10);
    const qint64 tick = clock.nowMs();
    engine.sendTick();
    int sentAt = link.written.size() == 2 ? -1 : -2;
    for (const Arrival& a : after) {
        QCOMPARE(link.written.size(), 1);
        QVERIFY(engine.sendHeld());
        clock.set(tick + a.atMs);
        link.input = a.input;
        engine.receiveTick();
        if (link.written.size() == 2 && sentAt == -2) sentAt = a.atMs;
    }
    QCOMPARE(sentAt, sentAtMs);
    QCOMPARE(link.written.size(), 2);
    QVERIFY(!engine.sendHeld());
    // The client saw the reply whole before the buffer was emptied for the next request.
    QCOMPARE(client.seen, seen);
}

void TestSendHold::inputBeforeTheSendTickReachesTheClient() {
    // A reply that completes between the last receive tick and the send tick is handed over to
    // the client before the request empties the buffer, and not taken for the next one's answer.
    FakeLink link;
    engine::ManualClock clock;
    engine::PollEngine engine(link);
    engine.setClock(clock);
    ScriptClient client({1, 2});
    link.open();
    engine.start(client, engine::kTicksByHand);
    engine.sendTick();
    engine.receiveTick();
    link.input = reply("01", "16");
    engine.sendTick();
    engine.receiveTick();
    const QString one = QString::fromLatin1(reply("01", "16").trimmed());
    QCOMPARE(client.seen, (QStringList{"-", one, "-"}));
    QCOMPARE(link.written.size(), 2);
}

QTEST_GUILESS_MAIN(TestSendHold)
#include "test_send_hold.moc"
