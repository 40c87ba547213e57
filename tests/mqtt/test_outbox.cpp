// The outbox's rules, step by step against a transport that records what it is handed: the bound
// and its drop count, oldest first, removal only on acknowledgement, the wait after a
// reconnection, and retained state sent first, latest value only.
#include "mqtt/outbox.h"

#include <QTest>

namespace {

// Hands out ids 1, 2, 3... in order; refuses payloads that say "refuse".
class RecordingTransport : public mqtt::Transport {
public:
    std::optional<int> publish(const mqtt::Message& m) override {
        if (m.payload.startsWith("refuse")) return std::nullopt;
        handed << (m.retain ? QString::fromUtf8(m.topic + '=' + m.payload) : QString::fromUtf8(m.payload));
        return ++m_lastId;
    }
    QStringList handed;

private:
    int m_lastId = 0;
};

// "add 1-3": readings r1..r3; "state a=1"; "ack 1-2": ids 1 and 2; "connect", "disconnect", "pump".
void run(mqtt::Outbox& box, RecordingTransport& transport, const QString& script) {
    for (const QString& step : script.split(QLatin1String("; "))) {
        const QString verb = step.section(QLatin1Char(' '), 0, 0);
        const QString arg = step.section(QLatin1Char(' '), 1);
        const int first = arg.section(QLatin1Char('-'), 0, 0).toInt();
        const int last = arg.contains(QLatin1Char('-')) ? arg.section(QLatin1Char('-'), 1).toInt() : first;
        if (verb == QLatin1String("add"))
            for (int i = first; i <= last; ++i)
                box.enqueue({"line/1/readings", "r" + QByteArray::number(i)});
        else if (verb == QLatin1String("refuse"))
            box.enqueue({"line/1/readings", "refuse"});
        else if (verb == QLatin1String("state"))
            box.setState(arg.section(QLatin1Char('='), 0, 0).toUtf8(),
                         arg.section(QLatin1Char('='), 1).toUtf8());
        else if (verb == QLatin1String("ack"))
            for (int i = first; i <= last; ++i)
                box.acknowledged(i);
        else if (verb == QLatin1String("connect"))
            box.connected();
        else if (verb == QLatin1String("disconnect"))
            box.disconnected();
        else if (verb == QLatin1String("pump"))
            box.pump(transport);
        else
            QFAIL(qPrintable(QStringLiteral("unknown step ") + step));
    }
}

} // namespace

class TestOutbox : public QObject {
    Q_OBJECT
private slots:
    void script_data();
    void script();
};

void TestOutbox::script_data() {
    QTest::addColumn<int>("capacity");
    QTest::addColumn<int>("window");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QStringList>("handed");
    QTest::addColumn<QString>("figures"); // queued, in flight, dropped, delivered, refused

    QTest::newRow("oldest first while connected")
        << 10 << 5 << "connect; add 1-3; pump" << QStringList{"r1", "r2", "r3"} << "0 3 0 0 0";
    QTest::newRow("nothing handed while away") << 10 << 5 << "add 1-3; pump" << QStringList{} << "3 0 0 0 0";
    QTest::newRow("full queue drops the oldest and counts them")
        << 3 << 5 << "add 1-5; connect; pump" << QStringList{"r3", "r4", "r5"} << "0 3 2 0 0";
    QTest::newRow("window bounds what is unacknowledged")
        << 10 << 2 << "connect; add 1-4; pump; ack 1; pump" << QStringList{"r1", "r2", "r3"} << "1 2 0 1 0";
    QTest::newRow("acknowledged ones leave, counted as delivered")
        << 10 << 5 << "connect; add 1-3; pump; ack 1-3" << QStringList{"r1", "r2", "r3"} << "0 0 0 3 0";
    QTest::newRow("in flight stays with the library over a reconnection")
        << 10 << 5 << "connect; add 1-2; pump; disconnect; connect; pump" << QStringList{"r1", "r2"}
        << "0 2 0 0 0";
    QTest::newRow("after a reconnection new ones wait while the library resends the old")
        << 10 << 5 << "connect; add 1; pump; disconnect; add 2; state a=1; connect; pump" << QStringList{"r1"}
        << "1 1 0 0 0";
    QTest::newRow("once the old are acknowledged the new go")
        << 10 << 5 << "connect; add 1; pump; disconnect; add 2; connect; pump; ack 1; pump"
        << QStringList{"r1", "r2"} << "0 1 0 1 0";
    QTest::newRow("in flight counts against the capacity")
        << 3 << 2 << "connect; add 1-2; pump; disconnect; add 3-5; connect; ack 1-2; pump"
        << QStringList{"r1", "r2", "r5"} << "0 1 2 2 0";
    QTest::newRow("state goes first, latest value only")
        << 10 << 5 << "add 1; state a=1; state a=2; connect; pump" << QStringList{"a=2", "r1"} << "0 2 0 0 0";
    QTest::newRow("state in first-set order") << 10 << 5 << "state b=1; state a=1; state b=2; connect; pump"
                                              << QStringList{"b=2", "a=1"} << "0 2 0 0 0";
    QTest::newRow("unchanged state is not sent again")
        << 10 << 5 << "connect; state a=1; pump; ack 1; state a=1; pump" << QStringList{"a=1"} << "0 0 0 0 0";
    QTest::newRow("every connection sends all state again")
        << 10 << 5 << "state a=1; connect; pump; ack 1; disconnect; connect; pump"
        << QStringList{"a=1", "a=1"} << "0 1 0 0 0";
    QTest::newRow("a refused message is counted and passed over")
        << 10 << 5 << "connect; add 1; refuse; add 2; pump" << QStringList{"r1", "r2"} << "0 2 0 0 1";
    QTest::newRow("an unknown acknowledgement changes nothing")
        << 10 << 5 << "connect; add 1; pump; ack 7" << QStringList{"r1"} << "0 1 0 0 0";
}

void TestOutbox::script() {
    QFETCH(int, capacity);
    QFETCH(int, window);
    QFETCH(QString, steps);
    QFETCH(QStringList, handed);
    QFETCH(QString, figures);
    mqtt::Outbox box(capacity, window);
    RecordingTransport transport;
    run(box, transport, steps);
    QCOMPARE(transport.handed, handed);
    QCOMPARE(QStringLiteral("%1 %2 %3 %4 %5")
                 .arg(box.queued())
                 .arg(box.inFlight())
                 .arg(box.dropped())
                 .arg(box.delivered())
                 .arg(box.refused()),
             figures);
}

QTEST_GUILESS_MAIN(TestOutbox)
#include "test_outbox.moc"
