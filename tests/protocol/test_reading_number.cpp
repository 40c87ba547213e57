// A reading's value as text: the shortest text that reads back as the same number, as single
// precision when the value is one.
#include "protocol/reading_number.h"

#include <QTest>

#include <cmath>
#include <limits>

class TestReadingNumber : public QObject {
    Q_OBJECT
private slots:
    void text_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("single 13.37 as the float it came from") << double(13.37f) << QByteArray("13.37");
        QTest::newRow("single 0.01") << double(0.01f) << QByteArray("0.01");
        QTest::newRow("double 0.1 is no float: its own shortest text") << 0.1 << QByteArray("0.1");
        QTest::newRow("double third") << 1.0 / 3 << QByteArray("0.3333333333333333");
        QTest::newRow("whole") << 3.0 << QByteArray("3");
        QTest::newRow("negative") << -2.5 << QByteArray("-2.5");
        QTest::newRow("negative zero is written 0") << -0.0 << QByteArray("0");
        QTest::newRow("eight digits of a float total") << double(12345679.0f) << QByteArray("12345679");
        QTest::newRow("large in exponent form") << 1e20 << QByteArray("1e+20");
        QTest::newRow("smallest exponent of the float field")
            << std::ldexp(1.0, -64) << QByteArray("5.421011e-20");
        QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << QByteArray();
        QTest::newRow("infinite") << -std::numeric_limits<double>::infinity() << QByteArray();
    }
    void text() {
        QFETCH(double, value);
        QTEST(protocol::readingNumber(value), "text");
    }
};

QTEST_APPLESS_MAIN(TestReadingNumber)
#include "test_reading_number.moc"
