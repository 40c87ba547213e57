// The fast scan's decisions on a fake link and a clock moved by hand: when the next request goes
// out, which time-out each request gets, what is listed, and what is asked again at the end.
#include "engine/line_timing.h"
#include "engine/poll_engine.h"
#include "fake_link.h"
#include "protocol/fields.h"
#include "reply_frame.h"
#include "search/fast_scan.h"
#include "search/instrument_list.h"
#include "search/scan.h"

#include <QSignalSpy>
#include <QTest>

namespace {

constexpr int kConfiguredMs = 400;
// "@01RD" + check + CR: 8 characters, 8.3 ms at 9600 baud, rounded up.
constexpr int kRequestMs = 9;

struct Step {
    int atMs = 0; // after the request was written
    QByteArray input;
};
using Steps = QList<Step>;

QByteArray corrupted(QByteArray line) {
    line[line.size() - 2] = line[line.size() - 2] == '0' ? '1' : '0';
    return line;
}

struct Rig {
    FakeLink link;
    engine::ManualClock clock{5000};
    engine::PollEngine engine{link};
    InstrumentList list;
    Scan scan;
    FastScan fast;
    QList<int> asked; // address of each request written
    QList<qint64> at; // when

    Rig(int first, int last, const QString& settings = QStringLiteral("9600,n,8,1"))
        : scan(list, qint16(first), qint16(last)), fast(scan, engine, kConfiguredMs) {
        link.setSettings(settings);
        engine.setClock(clock);
        fast.setTicksByHand(true);
        QObject::connect(&fast, &FastScan::asking, [this](int address) {
            asked << address;
            at << clock.nowMs();
        });
        link.open();
    }
    void start() { fast.start(); }
    // Input `steps` after the last request, then the scan's own wake-ups until the next request
    // (or the end). False when it neither asks nor ends.
    bool slot(const Steps& steps) {
        const int requests = int(link.written.size());
        const qint64 sent = at.last();
        for (const Step& step : steps) {
            clock.set(sent + step.atMs);
            link.input += step.input;
            engine.receiveTick();
        }
        for (int i = 0; i < 50 && link.written.size() == requests && engine.isRunning(); ++i) {
            if (fast.wakeAtMs() < 0) return false;
            clock.set(std::max(clock.nowMs(), fast.wakeAtMs()));
            engine.receiveTick();
        }
        return link.written.size() > requests || !engine.isRunning();
    }
    QList<int> foundAddresses() const {
        QList<int> out;
        for (int row = 1; row < list.rows(); ++row)
            if (const Instrument* i = list.instrument(row)) out << i->address;
        return out;
    }
};

} // namespace

class TestFastScan : public QObject {
    Q_OBJECT
private slots:
    void whenTheNextRequestGoes_data();
    void whenTheNextRequestGoes();
    void adaptiveTimeout_data();
    void adaptiveTimeout();
    void secondLook_data();
    void secondLook();
    void rowsCarryRoundTripAndEnd();
};

void TestFastScan::whenTheNextRequestGoes_data() {
    QTest::addColumn<Steps>("steps");
    QTest::addColumn<int>("nextAtMs");
    QTest::addColumn<QList<int>>("found");
    QTest::addColumn<QList<int>>("askedAgain");

    const QByteArray one = reply("01", "16");
    const QByteArray echo = protocol::readRequest("01");
    // Silence: the configured time-out from the end of the request.
    const int timeout = kRequestMs + kConfiguredMs;
    QTest::newRow("reply in time, line quiet 4 ms")
        << Steps{{30, one}} << 34 << QList<int>{1} << QList<int>{};
    QTest::newRow("reply in two pieces waits for its CR")
        << Steps{{30, one.left(9)}, {60, one.mid(9)}} << 64 << QList<int>{1} << QList<int>{};
    QTest::newRow("silence: the configured time-out") << Steps{} << timeout << QList<int>{} << QList<int>{};
    QTest::newRow("own echo is no reply") << Steps{{10, echo}} << timeout << QList<int>{} << QList<int>{};
    QTest::newRow("echo then reply") << Steps{{10, echo}, {30, one}} << 34 << QList<int>{1} << QList<int>{};
    QTest::newRow("reply still arriving at the time-out is waited for")
        << Steps{{timeout - 4, one.left(10)}, {timeout + 11, one.mid(10)}} << timeout + 15 << QList<int>{1}
        << QList<int>{};
    QTest::newRow("reply breaking off at the time-out: 20 ms gap, asked again")
        << Steps{{timeout - 4, "@02000"}} << timeout + 16 << QList<int>{} << QList<int>{1, 2};
    QTest::newRow("garbage without a line")
        << Steps{{30, "\x7f\x13zz"}} << 50 << QList<int>{} << QList<int>{1};
    QTest::newRow("bad check: asked again")
        << Steps{{30, corrupted(one)}} << 34 << QList<int>{} << QList<int>{1};
    QTest::newRow("bad check naming another address")
        << Steps{{30, corrupted(reply("03", "16"))}} << 34 << QList<int>{} << QList<int>{1, 3};
    QTest::newRow("late reply of another address lands on its row")
        << Steps{{30, reply("02", "31")}} << 34 << QList<int>{2} << QList<int>{1};
    QTest::newRow("noise before the reply is harmless")
        << Steps{{28, "\xff\x00"}, {30, one}} << 34 << QList<int>{1} << QList<int>{};
    QTest::newRow("bytes after the reply: quiet counts from them")
        << Steps{{30, one}, {33, reply("02", "31")}} << 37 << QList<int>{1, 2} << QList<int>{};
    QTest::newRow("fragment after the reply: the longer gap")
        << Steps{{30, one}, {33, "@0"}} << 53 << QList<int>{1} << QList<int>{};
}

void TestFastScan::whenTheNextRequestGoes() {
    QFETCH(Steps, steps);
    QFETCH(int, nextAtMs);
    QFETCH(QList<int>, found);
    QFETCH(QList<int>, askedAgain);
    Rig rig(1, 3);
    rig.start();
    QCOMPARE(rig.link.written, QList<QByteArray>{protocol::readRequest("01")});
    QVERIFY(rig.slot(steps));
    QCOMPARE(rig.asked, (QList<int>{1, 2}));
    QCOMPARE(rig.at[1] - rig.at[0], qint64(nextAtMs));
    QCOMPARE(rig.foundAddresses(), found);
    QCOMPARE(rig.fast.secondLook(), askedAgain);
}

void TestFastScan::adaptiveTimeout_data() {
    QTest::addColumn<QString>("settings");
    QTest::addColumn<int>("turnaroundMs"); // of address 1; -1 silent
    QTest::addColumn<int>("timeoutMs");    // given to address 2

    QTest::newRow("nobody answered: configured") << "9600,n,8,1" << -1 << kConfiguredMs;
    QTest::newRow("three times the turnaround") << "9600,n,8,1" << 20 << 60;
    QTest::newRow("fast instrument: floor of 10 ms") << "9600,n,8,1" << 1 << 10;
    QTest::newRow("slow instrument: capped at the configured") << "9600,n,8,1" << 200 << kConfiguredMs;
    QTest::newRow("600 baud: floor of five characters") << "600,n,8,1" << 1 << 84;
}

void TestFastScan::adaptiveTimeout() {
    QFETCH(QString, settings);
    QFETCH(int, turnaroundMs);
    QFETCH(int, timeoutMs);
    Rig rig(1, 3, settings);
    rig.start();
    const int requestMs = engine::charactersMs(rig.link.baudRate(), 8);
    Steps steps;
    if (turnaroundMs >= 0) steps << Step{requestMs + turnaroundMs, reply("01", "16")};
    QVERIFY(rig.slot(steps));
    QCOMPARE(rig.fast.wakeAtMs() - rig.at[1] - requestMs, qint64(timeoutMs));
    // Address 2 silent: address 3 follows after exactly that time-out.
    QVERIFY(rig.slot({}));
    QCOMPARE(rig.at[2] - rig.at[1], qint64(requestMs + timeoutMs));
}

void TestFastScan::secondLook_data() {
    // What each address sends, per time it is asked, 20 ms after its request ends; empty: silence.
    using Script = QMap<int, QList<QByteArray>>;
    QTest::addColumn<Script>("script");
    QTest::addColumn<QList<int>>("asked");
    QTest::addColumn<QList<int>>("timeouts"); // the wait of every silent request, in order
    QTest::addColumn<QList<int>>("found");

    const QByteArray r1 = reply("01", "16");
    const QByteArray r2 = reply("02", "31");
    QTest::newRow("all answer: no second look")
        << Script{{1, {r1}}, {2, {r2}}} << QList<int>{1, 2, 3} << QList<int>{60} << QList<int>{1, 2};
    QTest::newRow("garbled line names the slow one: asked with the configured time-out")
        << Script{{1, {r1}}, {2, {{}, r2}}, {3, {"@02000\x7f"}}} << QList<int>{1, 2, 3, 3, 2}
        << QList<int>{60, kConfiguredMs} << QList<int>{1, 2};
    QTest::newRow("unreadable garble: the silent addresses before it")
        << Script{{1, {r1}}, {2, {{}, r2}}, {3, {"\x7f\x7f"}}} << QList<int>{1, 2, 3, 3, 2}
        << QList<int>{60, kConfiguredMs} << QList<int>{1, 2};
    QTest::newRow("garble naming a found one: the silent addresses before it too")
        << Script{{1, {r1}}, {2, {{}, r2}}, {3, {"@01000\x7f"}}} << QList<int>{1, 2, 3, 3, 2}
        << QList<int>{60, kConfiguredMs} << QList<int>{1, 2};
    QTest::newRow("late reply found on the first pass is not asked again")
        << Script{{1, {r1}}, {3, {r2}}} << QList<int>{1, 2, 3, 3} << QList<int>{60, kConfiguredMs}
        << QList<int>{1, 2};
    QTest::newRow("doubtful on the second look too: asked once more only")
        << Script{{1, {r1}}, {2, {corrupted(r2), corrupted(r2)}}} << QList<int>{1, 2, 3, 2} << QList<int>{60}
        << QList<int>{1};
}

void TestFastScan::secondLook() {
    using Script = QMap<int, QList<QByteArray>>;
    QFETCH(Script, script);
    QFETCH(QList<int>, asked);
    QFETCH(QList<int>, timeouts);
    QFETCH(QList<int>, found);
    Rig rig(1, 3);
    QSignalSpy finished(&rig.engine, &engine::PollEngine::finished);
    rig.start();
    QMap<int, int> times;
    QList<int> silentWaits;
    while (rig.engine.isRunning()) {
        const int address = rig.asked.last();
        const QList<QByteArray> said = script.value(address);
        const int n = times[address]++;
        const QByteArray input = n < said.size() ? said[n] : QByteArray();
        const qint64 sent = rig.at.last();
        if (input.isEmpty()) silentWaits << int(rig.fast.wakeAtMs() - sent - kRequestMs);
        QVERIFY(rig.slot(input.isEmpty() ? Steps{} : Steps{{kRequestMs + 20, input}}));
        QVERIFY(rig.asked.size() <= 10);
    }
    QCOMPARE(rig.asked, asked);
    QCOMPARE(silentWaits, timeouts);
    QCOMPARE(rig.foundAddresses(), found);
    QCOMPARE(finished.count(), 1);
}

void TestFastScan::rowsCarryRoundTripAndEnd() {
    Rig rig(5, 5);
    QSignalSpy finished(&rig.engine, &engine::PollEngine::finished);
    rig.start();
    QVERIFY(rig.slot({{25, reply("05", "96")}}));
    QCOMPARE(finished.count(), 1);
    const Instrument* row = rig.list.instrument(1);
    QVERIFY(row);
    QCOMPARE(row->address, 5);
    QCOMPARE(row->typeCode, 0x96);
    QCOMPARE(row->roundTripMs, 25);
    QVERIFY(!rig.link.isOpen());
}

QTEST_GUILESS_MAIN(TestFastScan)
#include "test_fast_scan.moc"
