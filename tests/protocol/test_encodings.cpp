#include "protocol/encodings.h"

#include <QTest>
#include <cmath>

using namespace protocol;

class TestEncodings : public QObject {
    Q_OBJECT
private slots:
    void hexToFloat_data() {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<float>("value");
        QTest::newRow("three eighths") << QByteArray("41C00000") << 0.375f;
        QTest::newRow("minus two and a half") << QByteArray("82A00000") << -2.5f;
        QTest::newRow("smallest exponent") << QByteArray("7F800000") << std::ldexp(1.0f, -64);
        QTest::newRow("lower case") << QByteArray("03c80000") << 6.25f;
        QTest::newRow("mantissa stops at junk") << QByteArray("0012G456") << 18.0f / 16777216.0f;
        QTest::newRow("control only") << QByteArray("03") << 0.0f;
        QTest::newRow("junk control") << QByteArray("ZZ800000") << 0.5f;
    }
    void hexToFloat() {
        QFETCH(QByteArray, field);
        QFETCH(float, value);
        QCOMPARE(HexToFloat(field), value);
    }

    void hexToFixed_data() {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<float>("value");
        QTest::newRow("one hundred") << QByteArray("E80301") << 100.0f;
        QTest::newRow("minus one hundred") << QByteArray("E88301") << -100.0f;
        QTest::newRow("13.37 in single") << QByteArray("390502") << 13.37f;
        QTest::newRow("largest") << QByteArray("FF7F00") << 32767.0f;
        QTest::newRow("most negative") << QByteArray("FFFF00") << -32767.0f;
        QTest::newRow("huge decimals underflow") << QByteArray("0100FF") << 0.0f;
        QTest::newRow("short field") << QByteArray("E8") << 232.0f;
    }
    void hexToFixed() {
        QFETCH(QByteArray, field);
        QFETCH(float, value);
        QCOMPARE(HexToFixed(field), value);
    }

    void hexToByte_data() {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<float>("value");
        QTest::newRow("127") << QByteArray("7F") << 127.0f;
        QTest::newRow("not hex") << QByteArray("G1") << 0.0f;
        QTest::newRow("one digit then junk") << QByteArray("1G") << 1.0f;
        QTest::newRow("empty") << QByteArray() << 0.0f;
    }
    void hexToByte() {
        QFETCH(QByteArray, field);
        QFETCH(float, value);
        QCOMPARE(HexToByte(field), value);
    }

    // The simulator writes with the encoders; what it writes must read back as the value.
    void floatRoundTrip_data() {
        QTest::addColumn<float>("value");
        for (float v : {0.0f, -1.0f, 0.375f, 220.04f, 3.0e-10f, 16777215.0f, 9.2e18f})
            QTest::newRow(qPrintable(QString::number(v, 'g', 9))) << v;
    }
    void floatRoundTrip() {
        QFETCH(float, value);
        const QByteArray hex = floatToHex(value);
        QCOMPARE(hex.size(), 8);
        QCOMPARE(HexToFloat(hex), value);
    }

    void floatSaturates() {
        QVERIFY(HexToFloat(floatToHex(1e30f)) > 9e18f);
        QCOMPARE(HexToFloat(floatToHex(1e-30f)), 0.0f);
    }

    void fixedToHex_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QByteArray>("hex");
        QTest::newRow("123.4") << 123.4 << 1 << QByteArray("D20401");
        QTest::newRow("-123.4") << -123.4 << 1 << QByteArray("D28401");
        QTest::newRow("1234") << 1234.0 << 0 << QByteArray("D20400");
        QTest::newRow("clamped") << 99999.0 << 0 << QByteArray("FF7F00");
        QTest::newRow("negative zero") << -0.0001 << 1 << QByteArray("000001");
    }
    void fixedToHex() {
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(QByteArray, hex);
        QCOMPARE(protocol::fixedToHex(value, decimals), hex);
    }
};

QTEST_APPLESS_MAIN(TestEncodings)
#include "test_encodings.moc"
