// The line as the simulator plays it: when blocks go out, in which order, and on a two-wire line
// which replies a request or another reply garbles. Played on a clock the test moves, at 10000
// baud so that one character is one millisecond.
#include "tools/sim/bus_schedule.h"

#include <QTest>

namespace {

constexpr int kBaud = 10000;
constexpr int kReplyLength = 10;
constexpr int kRequestLength = 8;

QByteArray replyOf(int address) {
    return '@' + QByteArray::number(address, 16).rightJustified(2, '0').toUpper() + "ZZZZZZ\r";
}
const QByteArray kEcho = "@05RDxx\r";

struct Played {
    QByteArray line;
    QStringList requests;   // "heard@END" / "lost@END", END in ms
    QStringList collisions; // "ADDR~FROM<BY": BY an address or Q for a request
};

// Plays events in time order: "Q@T" a request received at T ms; "R<addr>@T+D" a reply queued at T to
// start at T+D ("R<addr>@T": at T); "E@T" the adapter's echo at T.
Played played(bool halfDuplex, const QStringList& events) {
    QRandomGenerator random(3);
    sim::BusSchedule bus(kBaud, halfDuplex, random);
    Played out;
    for (const QString& event : events) {
        const QStringList when = event.section('@', 1).split('+');
        const qint64 at = when[0].toLongLong() * 1000;
        const qint64 start = at + (when.size() > 1 ? when[1].toLongLong() * 1000 : 0);
        out.line += bus.take(at);
        if (event.startsWith('Q')) {
            const sim::BusSchedule::Request r = bus.requestArrived(at, kRequestLength);
            out.requests << QStringLiteral("%1@%2").arg(r.heard ? "heard" : "lost").arg(r.endUs / 1000.0);
        } else if (event.startsWith('R')) {
            const int address = event.mid(1).section('@', 0, 0).toInt();
            bus.queue(sim::BlockKind::Reply, replyOf(address), start, address);
        } else {
            bus.queue(sim::BlockKind::Echo, kEcho, start);
        }
    }
    out.line += bus.take(qint64(1) << 40);
    if (!bus.idle()) out.requests << QStringLiteral("not idle");
    for (const sim::Collision& c : bus.takeCollisions())
        out.collisions << QStringLiteral("%1~%2<%3")
                              .arg(c.address)
                              .arg(c.from)
                              .arg(c.otherAddress < 0 ? QStringLiteral("Q")
                                                      : QString::number(c.otherAddress));
    return out;
}

// Whether `line` is the blocks named in `order` ("R1 E R2") one after the other, each reply kept up
// to where a collision garbled it and junk in every place after: different from what it replaced,
// never "@" or CR.
bool carries(const QByteArray& line, const QString& order, const QStringList& collisions, QString* why) {
    QByteArray expected;
    QList<int> junkFrom; // per expected byte: whether it must be junk
    for (const QString& label : order.split(' ', Qt::SkipEmptyParts)) {
        const QByteArray block = label == QLatin1String("E") ? kEcho : replyOf(label.mid(1).toInt());
        int from = block.size();
        for (const QString& c : collisions)
            if (label.startsWith('R') && c.section('~', 0, 0) == label.mid(1))
                from = std::min(from, c.section('~', 1).section('<', 0, 0).toInt());
        for (int i = 0; i < block.size(); ++i)
            junkFrom << (i >= from ? 1 : 0);
        expected += block;
    }
    if (line.size() != expected.size()) {
        *why = QStringLiteral("%1 bytes, expected %2: %3")
                   .arg(line.size())
                   .arg(expected.size())
                   .arg(QString::fromLatin1(line.toPercentEncoding()));
        return false;
    }
    for (int i = 0; i < line.size(); ++i) {
        const bool ok = junkFrom[i] ? line[i] != expected[i] && line[i] != '@' && line[i] != '\r'
                                    : line[i] == expected[i];
        if (!ok) {
            *why = QStringLiteral("byte %1 of %2").arg(i).arg(QString::fromLatin1(line.toPercentEncoding()));
            return false;
        }
    }
    return true;
}

} // namespace

class TestBusSchedule : public QObject {
    Q_OBJECT
private slots:
    void play_data() {
        QTest::addColumn<bool>("halfDuplex");
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<QString>("order");
        QTest::addColumn<QStringList>("collisions");
        QTest::addColumn<QStringList>("requests");

        QTest::newRow("one reply after its turnaround")
            << false << QStringList{"Q@0", "R1@0+20"} << "R1" << QStringList{} << QStringList{"heard@0"};
        QTest::newRow("a fast reply queued after a slow one goes first")
            << false << QStringList{"R1@0+300", "R2@50+20"} << "R2 R1" << QStringList{} << QStringList{};
        QTest::newRow("replies never overlap: the second waits")
            << false << QStringList{"R1@0", "R2@5"} << "R1 R2" << QStringList{} << QStringList{};
        QTest::newRow("a request during a reply changes nothing on four wires")
            << false << QStringList{"R1@0", "Q@4"} << "R1" << QStringList{} << QStringList{"heard@4"};
        QTest::newRow("the echo goes out before a reply still in its turnaround")
            << false << QStringList{"R1@0+20", "E@5"} << "E R1" << QStringList{} << QStringList{};

        QTest::newRow("two wires: a request takes its line time")
            << true << QStringList{"Q@0", "R1@0+28"} << "R1" << QStringList{} << QStringList{"heard@8"};
        QTest::newRow("two wires: a request waits for the one before it")
            << true << QStringList{"Q@0", "Q@2"} << "" << QStringList{} << QStringList{"heard@8", "heard@16"};
        QTest::newRow("two wires: a request meets a reply half sent")
            << true << QStringList{"R1@0", "Q@4"} << "R1" << QStringList{"1~4<Q"} << QStringList{"lost@12"};
        QTest::newRow("two wires: a request begins in the reply's last character")
            << true << QStringList{"R1@0", "Q@9"} << "R1" << QStringList{"1~9<Q"} << QStringList{"lost@17"};
        QTest::newRow("two wires: a request right after the reply")
            << true << QStringList{"R1@0", "Q@10"} << "R1" << QStringList{} << QStringList{"heard@18"};
        QTest::newRow("two wires: a reply due while a request is on the line")
            << true << QStringList{"R1@0+3", "Q@1"} << "R1" << QStringList{"1~0<Q"} << QStringList{"lost@9"};
        QTest::newRow("two wires: a request ahead of a reply's turn")
            << true << QStringList{"R1@0+20", "Q@1"} << "R1" << QStringList{} << QStringList{"heard@9"};
        QTest::newRow("two wires: two replies meet") << true << QStringList{"R1@0", "R2@2+3"} << "R1 R2"
                                                     << QStringList{"1~5<2", "2~0<1"} << QStringList{};
        QTest::newRow("two wires: a slow reply meets a fast one")
            << true << QStringList{"R1@0+300", "R2@295+0"} << "R2 R1" << QStringList{"2~5<1", "1~0<2"}
            << QStringList{};
        QTest::newRow("two wires: replies one after the other")
            << true << QStringList{"R1@0", "R2@10"} << "R1 R2" << QStringList{} << QStringList{};
        QTest::newRow("two wires: the echo is the request, not a second talker")
            << true << QStringList{"R1@0", "E@2"} << "R1 E" << QStringList{} << QStringList{};
    }
    void play() {
        QFETCH(bool, halfDuplex);
        QFETCH(QStringList, events);
        QFETCH(QString, order);
        QFETCH(QStringList, collisions);
        const Played played = ::played(halfDuplex, events);
        QTEST(played.requests, "requests");
        QCOMPARE(played.collisions, collisions);
        QString why;
        QVERIFY2(carries(played.line, order, collisions, &why), qPrintable(why));
    }

    // Bytes come out at the line's pace, never ahead of it.
    void pace_data() {
        QTest::addColumn<int>("atMs");
        QTest::addColumn<int>("carried");
        QTest::newRow("before the turnaround ends") << 19 << 0;
        QTest::newRow("half") << 25 << 5;
        QTest::newRow("all") << 30 << kReplyLength;
    }
    void pace() {
        QFETCH(int, atMs);
        QRandomGenerator random(1);
        sim::BusSchedule bus(kBaud, true, random);
        bus.queue(sim::BlockKind::Reply, replyOf(1), 20000, 1);
        QTEST(int(bus.take(atMs * 1000).size()), "carried");
    }
};

QTEST_GUILESS_MAIN(TestBusSchedule)
#include "test_bus_schedule.moc"
