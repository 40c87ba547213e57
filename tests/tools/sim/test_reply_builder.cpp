// Reply frames of the simulated instruments: every catalogue type answers with a frame the program
// accepts and that ends where the program's view stops reading, and with --fixed every field holds
// what the legend of --help says it holds.
#include "protocol/encodings.h"
#include "protocol/fields.h"
#include "protocol/frame.h"
#include "protocol/number_format.h"
#include "tools/sim/reply_builder.h"
#include "views/instrument_types.h"

#include <QRegularExpression>
#include <QTest>

namespace {

// A field read back and written as the legend writes it: fixed-point with its own decimals, floats
// to seven digits, bytes as their two hexadecimal digits.
QString readBack(const QByteArray& field) {
    switch (field.size()) {
    case 6: {
        const int decimals = int(protocol::leadingHex(field.mid(4, 2)));
        return protocol::formatNumber(protocol::HexToFixed(field), decimals);
    }
    case 8: return QString::number(protocol::HexToFloat(field), 'g', 7);
    default: return QString::fromLatin1(field);
    }
}

double fieldAt(const QByteArray& frame, int pos, int width) {
    const QByteArray f = protocol::field(frame, pos, width);
    if (width == 6) return protocol::HexToFixed(f);
    return width == 8 ? protocol::HexToFloat(f) : protocol::HexToByte(f);
}

// The last data character each type's view reads.
const QMap<int, int> kLastDataPosition = {{0x02, 23},  {0x04, 23},  {0x06, 23}, {0x08, 29},  {0x0A, 37},
                                          {0x0E, 49},  {0x10, 43},  {0x12, 61}, {0x14, 105}, {0x16, 23},
                                          {0x1E, 105}, {0x1F, 105}, {0x81, 91}, {0x82, 115}, {0x84, 91},
                                          {0x8A, 53},  {0x8E, 39},  {0x96, 137}};

} // namespace

class TestReplyBuilder : public QObject {
    Q_OBJECT
private slots:
    void everyType_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("address");
        int address = 1;
        for (const auto& e : views::instrumentTypes())
            QTest::newRow(qPrintable(QStringLiteral("type %1").arg(e.code, 2, 16, QLatin1Char('0'))))
                << e.code << (address++ * 13) % 256;
        QTest::newRow("address 0") << 0x02 << 0;
        QTest::newRow("address 255") << 0x96 << 255;
    }
    void everyType() {
        QFETCH(int, code);
        QFETCH(int, address);
        QRandomGenerator random(7);
        for (const sim::Moment when : {sim::Moment::fixedValues(), sim::Moment::live(12.3)}) {
            const QByteArray frame = sim::buildReply(code, address, when, random);
            QVERIFY2(protocol::CheckReply(frame), frame.constData());
            QCOMPARE(frame.count('\r'), 1);
            QCOMPARE(frame.count('@'), 1);
            QCOMPARE(protocol::field(frame, 2, 2), protocol::ByteToHex(address));
            QCOMPARE(protocol::field(frame, 8, 2), protocol::ByteToHex(code));
            // The data ends exactly where the view stops reading: check field and CR follow.
            QCOMPARE(frame.size(), kLastDataPosition.value(code) + 3);
        }
        // The legend: fields in order, none overlapping, each reading back as written.
        const QByteArray frame = sim::buildReply(code, address, sim::Moment::fixedValues(), random);
        const QRegularExpression note(QStringLiteral("^(\\d+)\\[(\\d+)\\]=(.+)$"));
        int next = 10;
        for (const QString& text : sim::describeFixedReply(code)) {
            const auto m = note.match(text);
            QVERIFY2(m.hasMatch(), qPrintable(text));
            const int pos = m.captured(1).toInt(), width = m.captured(2).toInt();
            QVERIFY2(pos >= next, qPrintable(text));
            QCOMPARE(readBack(protocol::field(frame, pos, width)), m.captured(3));
            next = pos + width;
        }
        QVERIFY(next > 10);
    }

    void liveValuesMove_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("pos");
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("grows"); // a total: never smaller later
        QTest::newRow("02 process value drifts") << 0x02 << 10 << 6 << false;
        QTest::newRow("8E channel drifts") << 0x8E << 10 << 8 << false;
        QTest::newRow("02 alarm cycles") << 0x02 << 16 << 2 << false;
        QTest::newRow("10 segment steps") << 0x10 << 12 << 2 << false;
        QTest::newRow("12 total grows") << 0x12 << 50 << 8 << true;
    }
    void liveValuesMove() {
        QFETCH(int, code);
        QFETCH(int, pos);
        QFETCH(int, width);
        QFETCH(bool, grows);
        QRandomGenerator random(3);
        QSet<double> seen;
        double before = -1e30;
        // Two minutes in 7-second steps: long enough for every cycle to turn.
        for (int s = 0; s <= 120; s += 7) {
            const QByteArray frame = sim::buildReply(code, 9, sim::Moment::live(s), random);
            // A total is hundreds and remainder together.
            const double value = fieldAt(frame, pos, width) + (grows ? 100 * fieldAt(frame, pos - 8, 8) : 0);
            QVERIFY2(!grows || value >= before,
                     qPrintable(QStringLiteral("total fell to %1 at %2 s").arg(value).arg(s)));
            seen.insert(value);
            before = value;
        }
        QVERIFY2(seen.size() > 1, "the value never changed");
    }

    void liveFramesStayValid() {
        // Alarm states cycle through exactly 0, 1, 2 and 3 and process values stay near their centre.
        QRandomGenerator random(11);
        QSet<int> states;
        for (int s = 0; s < 60; ++s) {
            const QByteArray frame = sim::buildReply(0x04, 4, sim::Moment::live(s), random);
            QVERIFY(protocol::CheckReply(frame));
            for (int i = 0; i < 4; ++i)
                states.insert(protocol::hexByteAt(frame, 16 + 2 * i));
            const double value = fieldAt(frame, 10, 6);
            QVERIFY2(qAbs(value - 45.67) < 3.0, qPrintable(QString::number(value)));
        }
        QCOMPARE(states, (QSet<int>{0, 1, 2, 3}));
    }

    void unlistedTypeHasNoData() {
        QRandomGenerator random(1);
        const QByteArray frame = sim::buildReply(0x0C, 0x31, sim::Moment::fixedValues(), random);
        QCOMPARE(frame, QByteArray("@310000") + "0C" + protocol::MakeCheck("3100000C") + '\r');
        QVERIFY(sim::describeFixedReply(0x0C).isEmpty());
    }

    void fixedFrameDrawsNoRandomness() {
        QRandomGenerator used(42);
        QRandomGenerator untouched(42);
        const QByteArray a = sim::buildReply(0x1E, 3, sim::Moment::fixedValues(), used);
        const QByteArray b = sim::buildReply(0x1E, 3, sim::Moment::fixedValues(), used);
        QCOMPARE(a, b);
        QCOMPARE(used.generate(), untouched.generate());
    }
};

QTEST_GUILESS_MAIN(TestReplyBuilder)
#include "test_reply_builder.moc"
