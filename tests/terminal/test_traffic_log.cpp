// The terminal's log on recorded traffic: the verdict of each line, the bus health it adds up,
// the ring's bound, and the hub that brings every engine's traffic to it.
#include "engine/poll_engine.h"
#include "engine/traffic_hub.h"
#include "fake_link.h"
#include "reply_frame.h"
#include "terminal/traffic_log.h"

#include <QTest>

using engine::TrafficEvent;
using engine::TrafficKind;
using terminal::TrafficLog;
using terminal::Verdict;

namespace {

// One recorded event: at `ms`, `what` is W (request written to `address`), R (bytes received),
// A (accepted line), B (bad-check line), E (echo), N (noise), X (no reply for `address`).
struct Ev {
    qint64 ms;
    char what;
    QByteArray bytes;
    int address = -1;
};

QByteArray ask(int address) {
    return protocol::readRequest(protocol::addressField(address));
}

// What an engine would tell: a request, then the input of one tick cut into its pieces.
TrafficEvent toEvent(const Ev& ev) {
    TrafficEvent e;
    e.timeMs = ev.ms;
    e.bytes = ev.bytes;
    e.address = ev.address;
    switch (ev.what) {
    case 'W':
        e.kind = TrafficKind::RequestWritten;
        if (e.bytes.isEmpty()) e.bytes = ask(ev.address);
        break;
    case 'R': e.kind = TrafficKind::BytesReceived; break;
    case 'A':
        e.kind = TrafficKind::ReplyAccepted;
        e.address = protocol::replyAddress(ev.bytes);
        e.typeCode = protocol::replyTypeCode(ev.bytes);
        break;
    case 'B': e.kind = TrafficKind::ReplyBadCheck; break;
    case 'E': e.kind = TrafficKind::EchoSkipped; break;
    case 'N':
        e.kind = TrafficKind::NoiseDropped;
        e.count = static_cast<int>(ev.bytes.size());
        break;
    default: e.kind = TrafficKind::NoReply; break;
    }
    return e;
}

// A reply that arrives whole in one tick: its bytes, then its cut line.
QList<Ev> arrives(qint64 ms, const QByteArray& line, bool good = true) {
    return {{ms, 'R', line}, {ms, good ? 'A' : 'B', line}};
}

QString summary(const terminal::TrafficLine& l) {
    QString s;
    switch (l.verdict) {
    case Verdict::Request: s = QStringLiteral("req/%1").arg(l.address); break;
    case Verdict::HeardRequest: s = QStringLiteral("heard/%1").arg(l.address); break;
    case Verdict::Accepted: s = QStringLiteral("ok/%1").arg(l.address); break;
    case Verdict::OtherAddress: s = QStringLiteral("late/%1<%2").arg(l.address).arg(l.askedAddress); break;
    case Verdict::BadCheck: s = QStringLiteral("bad/%1").arg(l.address); break;
    case Verdict::Echo: s = QStringLiteral("echo"); break;
    case Verdict::Noise: s = QStringLiteral("noise:%1").arg(l.bytes.size()); break;
    case Verdict::Stray: s = QStringLiteral("stray:%1").arg(l.bytes.size()); break;
    case Verdict::NoReply: s = QStringLiteral("none/%1").arg(l.address); break;
    }
    if (l.roundTripMs >= 0) s += QStringLiteral("@%1").arg(l.roundTripMs);
    return s;
}

QString play(TrafficLog& log, const QList<Ev>& events) {
    log.setCharMicros(1000); // 8 request bytes: 8 ms on the line
    log.setWallClock([] { return qint64(0); });
    for (const Ev& ev : events)
        log.onTraffic(toEvent(ev));
    QStringList lines;
    for (qint64 i = log.firstSeq(); i < log.endSeq(); ++i)
        lines << summary(log.at(i));
    return lines.join(QLatin1Char(' '));
}

QString healthText(const TrafficLog& log) {
    QStringList rows;
    for (const auto& [address, h] : log.health().rows())
        rows << QStringLiteral("%1:%2/%3/%4/%5 %6-%7-%8")
                    .arg(address)
                    .arg(h.requests)
                    .arg(h.accepted)
                    .arg(h.badChecks)
                    .arg(h.missing)
                    .arg(h.roundTripMin)
                    .arg(h.roundTripMean())
                    .arg(h.roundTripMax);
    return rows.join(QLatin1String("; "));
}

const QByteArray kReply1 = reply("01", "02");
const QByteArray kReply2 = reply("02", "22");
QByteArray corrupted(QByteArray line) {
    line[5] = 'Z';
    return line;
}

} // namespace

Q_DECLARE_METATYPE(QList<Ev>)

class TestTrafficLog : public QObject {
    Q_OBJECT
private slots:
    void verdicts_data();
    void verdicts();
    void health_data();
    void health();
    void badCheckNamesBothChecks_data();
    void badCheckNamesBothChecks();
    void ringKeepsTheNewest_data();
    void ringKeepsTheNewest();
    void hubBringsEveryEngineOnlyWhileListened();
    void charMicros_data();
    void charMicros();
};

void TestTrafficLog::verdicts_data() {
    QTest::addColumn<QList<Ev>>("events");
    QTest::addColumn<QString>("lines");

    QTest::newRow("accepted, timed from the request's last byte")
        << (QList<Ev>{{0, 'W', {}, 1}} + arrives(50, kReply1)) << "req/1 ok/1@42";
    QTest::newRow("reply before the request could have ended counts 0 ms")
        << (QList<Ev>{{0, 'W', {}, 1}} + arrives(3, kReply1)) << "req/1 ok/1@0";
    QTest::newRow("own echo, then the reply")
        << QList<Ev>{{0, 'W', {}, 1}, {20, 'R', ask(1) + kReply1}, {20, 'E', ask(1)}, {20, 'A', kReply1}}
        << "req/1 echo ok/1@12";
    QTest::newRow("noise before the @ is counted") << QList<Ev>{{0, 'W', {}, 1},
                                                                {30, 'R', "\x01\xFF" + kReply1},
                                                                {30, 'N', "\x01\xFF"},
                                                                {30, 'A', kReply1}}
                                                   << "req/1 noise:2 ok/1@22";
    QTest::newRow("bad check is the answer, timed")
        << (QList<Ev>{{0, 'W', {}, 1}} + arrives(40, corrupted(kReply1), false)) << "req/1 bad/1@32";
    QTest::newRow("a reply from another address is late, not accepted")
        << (QList<Ev>{{0, 'W', {}, 1}} + arrives(40, kReply2) + QList<Ev>{{100, 'W', {}, 2}})
        << "req/1 late/2<1 none/1 req/2";
    QTest::newRow("no reply said by the engine is shown once")
        << QList<Ev>{{0, 'W', {}, 1}, {100, 'X', {}, 1}, {100, 'W', {}, 2}} << "req/1 none/1 req/2";
    QTest::newRow("bytes after the answer belong to no line")
        << QList<Ev>{{0, 'W', {}, 1}, {40, 'R', kReply1 + "xyz"}, {40, 'A', kReply1}, {100, 'W', {}, 2}}
        << "req/1 ok/1@32 stray:3 req/2";
    QTest::newRow("half a line when the next request goes out")
        << QList<Ev>{{0, 'W', {}, 1}, {40, 'R', "@01"}, {100, 'X', {}, 1}, {100, 'W', {}, 1}}
        << "req/1 stray:3 none/1 req/1";
    QTest::newRow("listening: a heard request and its reply")
        << (arrives(0, ask(3)) + arrives(25, reply("03", "10")) + arrives(90, ask(4)))
        << "heard/3 ok/3@25 heard/4";
    QTest::newRow("listening: a request heard with no reply before the next")
        << (arrives(0, ask(3)) + arrives(90, ask(4))) << "heard/3 none/3 heard/4";
    QTest::newRow("reply with no request known is not timed") << arrives(5, kReply1) << "ok/1";
}

void TestTrafficLog::verdicts() {
    QFETCH(QList<Ev>, events);
    QFETCH(QString, lines);
    TrafficLog log;
    QCOMPARE(play(log, events), lines);
}

void TestTrafficLog::health_data() {
    QTest::addColumn<QList<Ev>>("events");
    QTest::addColumn<QString>("health");

    QTest::newRow("three answers: min, rounded mean, max")
        << (QList<Ev>{{0, 'W', {}, 1}} + arrives(20, kReply1) + QList<Ev>{{100, 'W', {}, 1}} +
            arrives(131, kReply1) + QList<Ev>{{200, 'W', {}, 1}} + arrives(229, kReply1))
        << "1:3/3/0/0 12-19-23";
    QTest::newRow("bad check, missing, late reply counted against the address asked")
        << (QList<Ev>{{0, 'W', {}, 1}} + arrives(20, corrupted(kReply1), false) +
            QList<Ev>{{100, 'W', {}, 1}, {200, 'X', {}, 1}, {200, 'W', {}, 1}} + arrives(220, kReply2) +
            QList<Ev>{{300, 'W', {}, 2}})
        << "1:3/0/1/2 -1--1--1; 2:1/0/0/0 -1--1--1";
    QTest::newRow("a second copy of the answer counts once")
        << (QList<Ev>{{0, 'W', {}, 1}} + arrives(20, kReply1) + arrives(60, kReply1)) << "1:1/1/0/0 12-12-12";
    QTest::newRow("listening counts the other master's requests")
        << (arrives(0, ask(5)) + arrives(30, reply("05", "01")) + arrives(100, ask(5)) + arrives(200, ask(6)))
        << "5:2/1/0/1 30-30-30; 6:1/0/0/0 -1--1--1";
    QTest::newRow("hand text with no address adds no row")
        << (QList<Ev>{{0, 'W', "hello\r", -1}} + arrives(20, kReply1)) << "";
}

void TestTrafficLog::health() {
    QFETCH(QList<Ev>, events);
    QFETCH(QString, health);
    TrafficLog log;
    play(log, events);
    QCOMPARE(healthText(log), health);
    log.resetHealth();
    QCOMPARE(healthText(log), QString());
}

void TestTrafficLog::badCheckNamesBothChecks_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("verdict");
    const QByteArray body = "0100000212";
    QTest::newRow("wrong digits")
        << QByteArray("@" + body + "00\r")
        << QStringLiteral("校验错 带 00 应为 %1").arg(QString(protocol::MakeCheck(body)));
    QTest::newRow("lower-case digits")
        << QByteArray("@" + body + protocol::MakeCheck(body).toLower() + "\r")
        << QStringLiteral("校验错 带 %1 应为 %2")
               .arg(QString(protocol::MakeCheck(body).toLower()), QString(protocol::MakeCheck(body)));
    QTest::newRow("control byte in the check")
        << QByteArray("@" + body +
                      "\x01"
                      "0\r")
        << QStringLiteral("校验错 带 \\x010 应为 %1").arg(QString(protocol::MakeCheck(body)));
    QTest::newRow("too short to hold one") << QByteArray("@\r") << QStringLiteral("校验错 带 — 应为 —");
}

void TestTrafficLog::badCheckNamesBothChecks() {
    QFETCH(QByteArray, line);
    QFETCH(QString, verdict);
    TrafficLog log;
    play(log, QList<Ev>{{0, 'W', {}, 1}} + arrives(10, line, false));
    QCOMPARE(terminal::verdictText(log.at(1)), verdict);
}

void TestTrafficLog::ringKeepsTheNewest_data() {
    QTest::addColumn<int>("capacity");
    QTest::addColumn<int>("replies");
    QTest::addColumn<qint64>("first");
    QTest::newRow("not yet full") << 5 << 3 << qint64(0);
    QTest::newRow("exactly full") << 5 << 5 << qint64(0);
    QTest::newRow("wrapped twice and more") << 5 << 12 << qint64(7);
    QTest::newRow("the program's bound") << TrafficLog::kCapacity << TrafficLog::kCapacity + 1 << qint64(1);
}

void TestTrafficLog::ringKeepsTheNewest() {
    QFETCH(int, capacity);
    QFETCH(int, replies);
    QFETCH(qint64, first);
    TrafficLog log(capacity);
    for (int i = 0; i < replies; ++i)
        log.onTraffic(toEvent({i * 10, 'A', reply(protocol::addressField(i % 256), "01")}));
    QCOMPARE(log.firstSeq(), first);
    QCOMPARE(log.endSeq(), qint64(replies));
    for (qint64 s = log.firstSeq(); s < log.endSeq(); ++s)
        QCOMPARE(log.at(s).address, int(s % 256));
    // A cleared log starts empty and fills again.
    log.clear();
    QCOMPARE(log.firstSeq(), log.endSeq());
    log.onTraffic(toEvent({0, 'A', kReply2}));
    QCOMPARE(log.endSeq() - log.firstSeq(), qint64(1));
    QCOMPARE(log.at(log.firstSeq()).address, 2);
}

// An engine builds events only while the hub has a listener; the hub forgets engines that die.
void TestTrafficLog::hubBringsEveryEngineOnlyWhileListened() {
    FakeLink link;
    engine::ManualClock clock(1000);
    engine::TrafficHub hub;
    TrafficLog log;
    {
        engine::PollEngine scan(link);
        engine::PollEngine diagnosis(link);
        scan.setClock(clock);
        diagnosis.setClock(clock);
        hub.attach(scan);
        hub.attach(diagnosis);
        hub.attach(scan);
        QCOMPARE(hub.engines(), 2);

        link.open();
        scan.listen(0);
        link.input = kReply1;
        scan.receiveTick();
        QCOMPARE(clock.reads(), 0); // nobody listens: no event built
        QCOMPARE(log.endSeq(), qint64(0));

        hub.addListener(&log);
        link.input = kReply2;
        scan.receiveTick();
        diagnosis.listen(0);
        link.input = kReply1;
        diagnosis.receiveTick();
        QCOMPARE(log.endSeq(), qint64(2));
        QCOMPARE(log.at(0).address, 2);
        QCOMPARE(log.at(1).address, 1);

        hub.removeListener(&log);
        const int reads = clock.reads();
        link.input = kReply2;
        diagnosis.receiveTick();
        QCOMPARE(clock.reads(), reads);
        hub.addListener(&log);
    }
    QCOMPARE(hub.engines(), 0);
}

void TestTrafficLog::charMicros_data() {
    QTest::addColumn<QString>("settings");
    QTest::addColumn<int>("micros");
    QTest::newRow("8N1 at 9600") << "9600,n,8,1" << 1042;
    QTest::newRow("parity and two stop bits at 19200") << "19200,e,8,2" << 625;
    QTest::newRow("7 data bits, odd parity") << "4800,O,7,1" << 2083;
    QTest::newRow("unreadable: 8N1 at 9600") << "fast" << 1042;
}

void TestTrafficLog::charMicros() {
    QFETCH(QString, settings);
    QFETCH(int, micros);
    QCOMPARE(terminal::charMicros(settings), micros);
}

QTEST_GUILESS_MAIN(TestTrafficLog)
#include "test_traffic_log.moc"
