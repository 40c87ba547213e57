#include "protocol/number_format.h"

#include <QTest>

using namespace protocol;

class TestNumberFormat : public QObject {
    Q_OBJECT
private slots:
    void patterns_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<int>("minDigits");
        QTest::addColumn<QString>("text");
        QTest::newRow("0.0 of 123.4") << double(123.4f) << 1 << 1 << "123.4";
        QTest::newRow("0.000 of 1.234") << double(1.234f) << 3 << 1 << "1.234";
        QTest::newRow("0 of 1234") << 1234.0 << 0 << 1 << "1234";
        QTest::newRow("0.00 of 13.37 single") << double(13.37f) << 2 << 1 << "13.37";
        QTest::newRow("leading zero") << 0.5 << 1 << 1 << "0.5";
        QTest::newRow("negative") << -123.4 << 1 << 1 << "-123.4";
        QTest::newRow("half away from zero") << 2.5 << 0 << 1 << "3";
        QTest::newRow("negative half away") << -2.5 << 0 << 1 << "-3";
        QTest::newRow("exact eighth") << 0.125 << 2 << 1 << "0.13";
        // 1.005f is a little below 1.005: the binary value decides, not the decimal text.
        QTest::newRow("1.005 is below the half") << double(1.005f) << 2 << 1 << "1.00";
        QTest::newRow("negative rounds to zero") << -0.04 << 1 << 1 << "0.0";
        QTest::newRow("negative zero") << -0.0 << 0 << 1 << "0";
        QTest::newRow("00 pads") << 3.0 << 0 << 2 << "03";
        QTest::newRow("00 no maximum") << 100.0 << 0 << 2 << "100";
        QTest::newRow("000 of -7.2") << double(-7.2f) << 0 << 3 << "-007";
        QTest::newRow("0000 of 99.7") << double(99.7f) << 0 << 4 << "0100";
        QTest::newRow("huge") << 1.0e20 << 1 << 1 << "100000000000000000000.0";
    }
    void patterns() {
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(int, minDigits);
        QFETCH(QString, text);
        QCOMPARE(formatNumber(value, decimals, minDigits), text);
    }

    void decimalsOutsideTableLeaveText_data() {
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << 0 << "12";
        QTest::newRow("3") << 3 << "12.345";
        QTest::newRow("4 keeps") << 4 << "old";
        QTest::newRow("negative keeps") << -1 << "old";
    }
    void decimalsOutsideTableLeaveText() {
        QFETCH(int, decimals);
        QFETCH(QString, text);
        QString out = QStringLiteral("old");
        formatDecimals(12.345, decimals, out);
        QCOMPARE(out, text);
    }
};

QTEST_APPLESS_MAIN(TestNumberFormat)
#include "test_number_format.moc"
