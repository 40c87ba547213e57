#include "fuzz/receive_plan.h"

#include <QTest>

using fuzz::Chunk;
using fuzz::ReceivePlan;

Q_DECLARE_METATYPE(ReceivePlan)

namespace {

ReceivePlan plan(int layout, int quietTicks, const QList<Chunk>& chunks) {
    ReceivePlan p;
    p.layout = layout;
    p.quietTicks = quietTicks;
    p.chunks = chunks;
    return p;
}

QByteArray bytes(std::initializer_list<int> values) {
    QByteArray out;
    for (int v : values)
        out.append(static_cast<char>(v));
    return out;
}

} // namespace

namespace QTest {
template <> char* toString(const ReceivePlan& p) {
    QByteArray text =
        "layout " + QByteArray::number(p.layout) + ", quiet " + QByteArray::number(p.quietTicks);
    for (const Chunk& c : p.chunks)
        text += QByteArray(c.sendFirst ? ", send+" : ", ") + c.bytes.toHex();
    return qstrdup(text.constData());
}
} // namespace QTest

class TestReceivePlan : public QObject {
    Q_OBJECT
private slots:
    void decode_data() {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<ReceivePlan>("expected");
        QTest::newRow("empty input opens no model") << QByteArray() << plan(fuzz::kNoModel, 0, {});
        QTest::newRow("layout wraps at twenty") << bytes({42}) << plan(2, 0, {});
        QTest::newRow("unknown model") << bytes({18}) << plan(fuzz::kUnknownModel, 0, {});
        QTest::newRow("quiet ticks wrap at thirty-two") << bytes({0, 33}) << plan(0, 1, {});
        QTest::newRow("send bit before a chunk")
            << bytes({1, 2, 0x82, 'A', 'B'}) << plan(1, 2, {{true, "AB"}});
        QTest::newRow("empty chunk is a bare tick")
            << bytes({1, 0, 0x00, 0x01, 'x'}) << plan(1, 0, {{false, ""}, {false, "x"}});
        QTest::newRow("chunk cut short at the end")
            << bytes({3, 0, 0x05, 'a', 'b'}) << plan(3, 0, {{false, "ab"}});
        QTest::newRow("control byte without bytes") << bytes({3, 0, 0x85}) << plan(3, 0, {{true, ""}});
        QTest::newRow("largest chunk") << bytes({0, 0, 0x7F}) + QByteArray(127, 'z') + bytes({0x01, 'q'})
                                       << plan(0, 0, {{false, QByteArray(127, 'z')}, {false, "q"}});
    }
    void decode() {
        QFETCH(QByteArray, input);
        QFETCH(ReceivePlan, expected);
        QCOMPARE(fuzz::decodePlan(input), expected);
    }

    void roundTrip_data() {
        QTest::addColumn<ReceivePlan>("original");
        QTest::addColumn<ReceivePlan>("decoded");
        const ReceivePlan frames = plan(7, 24, {{true, "@0100000AFF\r"}, {false, ""}, {true, "tail\r"}});
        QTest::newRow("short chunks survive") << frames << frames;
        QTest::newRow("long chunk arrives over two ticks")
            << plan(0, 3, {{true, QByteArray(200, 'x')}})
            << plan(0, 3, {{true, QByteArray(127, 'x')}, {false, QByteArray(73, 'x')}});
        QTest::newRow("chunk of exactly the limit stays whole")
            << plan(0, 0, {{false, QByteArray(127, 'y')}}) << plan(0, 0, {{false, QByteArray(127, 'y')}});
        QTest::newRow("ranges reduced") << plan(-1, 40, {}) << plan(19, 8, {});
    }
    void roundTrip() {
        QFETCH(ReceivePlan, original);
        QFETCH(ReceivePlan, decoded);
        QCOMPARE(fuzz::decodePlan(fuzz::encodePlan(original)), decoded);
    }
};

QTEST_GUILESS_MAIN(TestReceivePlan)
#include "test_receive_plan.moc"
