// Reply frames of the simulated instruments: every catalogue type answers with a frame the program
// accepts, and with --fixed every field the program's view reads decodes to the documented value.
#include "protocol/catalogue.h"
#include "protocol/encodings.h"
#include "protocol/fields.h"
#include "protocol/frame.h"
#include "tools/sim/reply_builder.h"

#include <QtTest>

namespace {

enum Decoder { Fixed, Float, Byte };

// One field as the view reads it: 1-based position, decoder and the value expected.
struct Expect {
    int pos;
    Decoder decoder;
    double value;
};

double decode(const QByteArray& frame, const Expect& e) {
    switch (e.decoder) {
    case Fixed:
        return protocol::HexToFixed(protocol::field(frame, e.pos, 6));
    case Float:
        return protocol::HexToFloat(protocol::field(frame, e.pos, 8));
    case Byte:
        return protocol::HexToByte(protocol::field(frame, e.pos, 2));
    }
    return 0;
}

int widthOf(Decoder d) {
    return d == Fixed ? 6 : d == Float ? 8 : 2;
}

QList<Expect> alarmBytes(int firstPos, const QList<int>& states) {
    QList<Expect> out;
    for (int i = 0; i < states.size(); ++i)
        out << Expect{firstPos + 2 * i, Byte, double(states[i])};
    return out;
}

QList<Expect> floatsFrom(int firstPos, const QList<double>& values) {
    QList<Expect> out;
    for (int i = 0; i < values.size(); ++i)
        out << Expect{firstPos + 8 * i, Float, values[i]};
    return out;
}

const QList<int> kFourAlarms = {0, 1, 2, 3};

} // namespace

Q_DECLARE_METATYPE(Expect)
Q_DECLARE_METATYPE(QList<Expect>)

class TestReplyBuilder : public QObject {
    Q_OBJECT
private slots:
    void everyTypeAnswersAValidFrame_data();
    void everyTypeAnswersAValidFrame();
    void fixedValuesDecode_data();
    void fixedValuesDecode();
    void liveValuesMove_data();
    void liveValuesMove();
    void liveFramesStayValid();
    void unlistedTypeHasNoData();
    void fixedFrameDrawsNoRandomness();
};

void TestReplyBuilder::everyTypeAnswersAValidFrame_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("address");
    int address = 1;
    for (const auto& e : protocol::catalogue()) {
        const QByteArray name = QStringLiteral("type %1").arg(e.code, 2, 16, QLatin1Char('0')).toLatin1();
        QTest::newRow(name.constData()) << e.code << (address++ * 13) % 256;
    }
    QTest::newRow("address 0") << 0x02 << 0;
    QTest::newRow("address 255") << 0x96 << 255;
}

void TestReplyBuilder::everyTypeAnswersAValidFrame() {
    QFETCH(int, code);
    QFETCH(int, address);
    QRandomGenerator random(7);
    for (const sim::Moment when : {sim::Moment::fixedValues(), sim::Moment::live(12.3)}) {
        const QByteArray frame = sim::buildReply(code, address, when, random);
        QVERIFY2(protocol::CheckReply(frame), frame.constData());
        QCOMPARE(frame.front(), '@');
        QCOMPARE(frame.back(), '\r');
        QCOMPARE(frame.count('\r'), 1);
        QCOMPARE(frame.count('@'), 1);
        QCOMPARE(protocol::field(frame, 2, 2), protocol::ByteToHex(address));
        QCOMPARE(protocol::field(frame, 8, 2), protocol::ByteToHex(code));
        QCOMPARE(protocol::replyAddress(frame), address);
        QCOMPARE(protocol::replyTypeCode(frame), code);
    }
}

void TestReplyBuilder::fixedValuesDecode_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("lastPos"); // last data character of the reply
    QTest::addColumn<QList<Expect>>("fields");

    auto single = [](double value) {
        return QList<Expect>{{10, Fixed, value}} + alarmBytes(16, kFourAlarms);
    };
    QTest::newRow("02 two-alarm meter") << 0x02 << 23 << single(123.4);
    QTest::newRow("04 four-alarm meter") << 0x04 << 23 << single(45.67);
    QTest::newRow("06 five-digit meter") << 0x06 << 23 << single(1234.5);
    QTest::newRow("16 frequency meter") << 0x16 << 23 << single(50.0);

    QTest::newRow("08 dual channel") << 0x08 << 29
                                     << (QList<Expect>{{10, Fixed, 123.4}, {16, Fixed, -12.34}} +
                                         alarmBytes(22, kFourAlarms));
    QTest::newRow("0A manual operator")
        << 0x0A << 37
        << (QList<Expect>{{12, Fixed, 123.4}, {18, Fixed, 45.6}, {24, Fixed, 50.0}} +
            alarmBytes(30, kFourAlarms));
    QTest::newRow("0E PID controller") << 0x0E << 49 // 48-49 sent, not read
                                       << (QList<Expect>{{10, Byte, 1},
                                                         {14, Fixed, 123.4},
                                                         {20, Fixed, 118.0},
                                                         {26, Fixed, 120.0},
                                                         {32, Float, 127.5}} +
                                           alarmBytes(40, kFourAlarms));
    QTest::newRow("10 32-segment controller") << 0x10 << 43
                                              << (QList<Expect>{{10, Byte, 1},
                                                                {12, Byte, 7},
                                                                {14, Fixed, 123.4},
                                                                {20, Fixed, 45.6},
                                                                {26, Fixed, 120.0},
                                                                {32, Float, 127.5}} +
                                                  alarmBytes(40, {0, 1}));
    QTest::newRow("12 flow totalizer")
        << 0x12 << 61 << (floatsFrom(10, {25.5, 0.6, 12.5, 0.5, 12, 34.5}) + alarmBytes(58, {0, 1}));

    QList<Expect> scanner;
    for (int c = 1; c <= 16; ++c)
        if (c != 13) scanner << Expect{10 + 6 * (c - 1), Fixed, 12.5 * c - 25};
    scanner << Expect{82, Fixed, 25.6} << alarmBytes(82, {0, 1});
    QTest::newRow("14 LED scanner") << 0x14 << 105 << scanner;

    const QList<double> power = {220, 5, 0.95, 221, 5.1, 0.96, 219, 4.9, 0.94, 50, 3135, 1030};
    QTest::newRow("1E power meter") << 0x1E << 105 << floatsFrom(10, power);
    QTest::newRow("1F power module") << 0x1F << 105 << floatsFrom(10, power);

    const QList<Expect> totalizer = floatsFrom(10, {12.5, 25.5, 0.6, 0.5, 0.25, 12, 34.5, 56, 7.5})
                                    << Expect{82, Byte, 3} << Expect{84, Float, 125};
    QTest::newRow("81 flow/heat recorder") << 0x81 << 91 << totalizer;
    QTest::newRow("84 heat recorder") << 0x84 << 91 << totalizer;
    QTest::newRow("82 three-channel totalizer")
        << 0x82 << 115
        << (floatsFrom(10, {12.5, 25.5, 0.6, 0.5, 0.25, 0.125, 12, 34.5, 56, 7.5, 3, 0.25})
            << Expect{106, Byte, 3} << Expect{108, Float, 125});
    QTest::newRow("8A LCD PID controller")
        << 0x8A << 53
        << (QList<Expect>{{10, Byte, 0}, {12, Byte, 2}, {14, Byte, 0}} +
            floatsFrom(16, {123.4, 118, 120, 45.5}) + alarmBytes(48, {0, 1, 2}));
    QTest::newRow("8E LCD recorder") << 0x8E << 39
                                     << (floatsFrom(10, {23.5, -12.5, 100}) + alarmBytes(34, {0, 1, 2}));

    QList<double> lcdChannels;
    for (int c = 1; c <= 16; ++c)
        lcdChannels << 12.5 * c - 25;
    QTest::newRow("96 LCD scanner") << 0x96 << 137 << floatsFrom(10, lcdChannels);
}

void TestReplyBuilder::fixedValuesDecode() {
    QFETCH(int, code);
    QFETCH(int, lastPos);
    QFETCH(QList<Expect>, fields);
    QRandomGenerator random(1);
    const QByteArray frame = sim::buildReply(code, 5, sim::Moment::fixedValues(), random);
    // The data ends exactly where the view stops reading: check field and CR follow.
    QCOMPARE(frame.size(), lastPos + 3);
    for (const Expect& e : fields) {
        const QByteArray text = protocol::field(frame, e.pos, widthOf(e.decoder));
        const double got = decode(frame, e);
        QVERIFY2(qAbs(got - e.value) <= 1e-5 * qMax(1.0, qAbs(e.value)),
                 qPrintable(QStringLiteral("position %1 (%2): got %3, expected %4")
                                .arg(e.pos)
                                .arg(QString::fromLatin1(text))
                                .arg(got)
                                .arg(e.value)));
    }
}

void TestReplyBuilder::liveValuesMove_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<Expect>("probe");
    QTest::addColumn<bool>("grows"); // a total: never smaller later

    QTest::newRow("02 process value drifts") << 0x02 << Expect{10, Fixed, 0} << false;
    QTest::newRow("8E channel drifts") << 0x8E << Expect{10, Float, 0} << false;
    QTest::newRow("02 alarm cycles") << 0x02 << Expect{16, Byte, 0} << false;
    QTest::newRow("10 segment steps") << 0x10 << Expect{12, Byte, 0} << false;
    QTest::newRow("8A manual and automatic alternate") << 0x8A << Expect{10, Byte, 0} << false;
    QTest::newRow("12 total grows") << 0x12 << Expect{50, Float, 0} << true;
    QTest::newRow("81 flow total grows") << 0x81 << Expect{58, Float, 0} << true;
}

void TestReplyBuilder::liveValuesMove() {
    QFETCH(int, code);
    QFETCH(Expect, probe);
    QFETCH(bool, grows);
    QRandomGenerator random(3);
    QSet<double> seen;
    double before = -1e30;
    // Two minutes in 7-second steps: long enough for every cycle to turn.
    for (int s = 0; s <= 120; s += 7) {
        const QByteArray frame = sim::buildReply(code, 9, sim::Moment::live(s), random);
        const double value = decode(frame, probe);
        if (grows) {
            // Hundreds and remainder together must not go back.
            const double total = decode(frame, {probe.pos - 8, Float, 0}) * 100 + value;
            QVERIFY2(total >= before,
                     qPrintable(QStringLiteral("total fell to %1 at %2 s").arg(total).arg(s)));
            seen.insert(total);
            before = total;
        } else {
            seen.insert(value);
        }
    }
    QVERIFY2(seen.size() > 1, "the value never changed");
}

void TestReplyBuilder::liveFramesStayValid() {
    // Alarm states cycle through exactly 0, 1, 2 and 3 and process values stay near their centre.
    QRandomGenerator random(11);
    QSet<int> states;
    for (int s = 0; s < 60; ++s) {
        const QByteArray frame = sim::buildReply(0x04, 4, sim::Moment::live(s), random);
        QVERIFY(protocol::CheckReply(frame));
        for (int i = 0; i < 4; ++i)
            states.insert(protocol::hexByteAt(frame, 16 + 2 * i));
        const double value = protocol::HexToFixed(protocol::field(frame, 10, 6));
        QVERIFY2(qAbs(value - 45.67) < 3.0, qPrintable(QString::number(value)));
    }
    QCOMPARE(states, (QSet<int>{0, 1, 2, 3}));
}

void TestReplyBuilder::unlistedTypeHasNoData() {
    QRandomGenerator random(1);
    const QByteArray frame = sim::buildReply(0x0C, 0x31, sim::Moment::fixedValues(), random);
    QCOMPARE(frame, QByteArray("@310000") + "0C" + protocol::MakeCheck("3100000C") + '\r');
    QVERIFY(protocol::CheckReply(frame));
}

void TestReplyBuilder::fixedFrameDrawsNoRandomness() {
    QRandomGenerator used(42);
    QRandomGenerator untouched(42);
    const QByteArray a = sim::buildReply(0x1E, 3, sim::Moment::fixedValues(), used);
    const QByteArray b = sim::buildReply(0x1E, 3, sim::Moment::fixedValues(), used);
    QCOMPARE(a, b);
    QCOMPARE(used.generate(), untouched.generate());
}

QTEST_GUILESS_MAIN(TestReplyBuilder)
#include "test_reply_builder.moc"
