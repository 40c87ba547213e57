// The lenient reading of the search dialog's address fields.
#include "search/address_parse.h"

#include <QTest>

class TestAddressParse : public QObject {
    Q_OBJECT
private slots:
    void reads_data();
    void reads();
    void overflows_data();
    void overflows();
};

void TestAddressParse::reads_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("plain") << "200" << 200;
    QTest::newRow("letters read 0") << "abc" << 0;
    QTest::newRow("half rounds down to even") << "2.5" << 2;
    QTest::newRow("half rounds up to even") << "3.5" << 4;
    QTest::newRow("just over half rounds up") << "2.51" << 3;
    QTest::newRow("fraction without integer part") << ".6" << 1;
    QTest::newRow("hex prefix") << "&H10" << 16;
    QTest::newRow("hex lower case") << "&hff" << 255;
    QTest::newRow("hex 16-bit pattern is negative") << "&HFFFF" << -1;
    QTest::newRow("hex 32-bit pattern is negative") << "&HFFFFFFFF" << -1;
    QTest::newRow("hex without digits") << "&H" << 0;
    QTest::newRow("octal prefix") << "&O17" << 15;
    QTest::newRow("octal stops at 8") << "&O178" << 15;
    QTest::newRow("ampersand alone") << "&17" << 0;
    QTest::newRow("blanks, tabs and line feeds anywhere") << " 1\t2\n3 " << 123;
    QTest::newRow("blank inside hex prefix") << "& H 1 0" << 16;
    QTest::newRow("longest numeric prefix") << "12abc" << 12;
    QTest::newRow("exponent with sign") << "15E-1" << 2;
    QTest::newRow("exponent written with D") << "2d2" << 200;
    QTest::newRow("exponent without digits") << "7e" << 7;
    QTest::newRow("second point ends the number") << "1.5.5" << 2;
    QTest::newRow("plus sign") << "+9" << 9;
    QTest::newRow("sign alone") << "-" << 0;
    QTest::newRow("lowest address") << "-32768" << -32768;
    QTest::newRow("highest address") << "32767" << 32767;
    QTest::newRow("rounds into range") << "32767.4" << 32767;
    QTest::newRow("rounds half to even at the bottom") << "-32768.5" << -32768;
    QTest::newRow("full-width digit ends the number") << QStringLiteral("5１") << 5;
    QTest::newRow("carriage return is not a blank") << "1\r2" << 1;
}

void TestAddressParse::reads() {
    QFETCH(QString, text);
    QFETCH(int, value);
    const AddressParse parsed = parseAddress(text);
    QVERIFY(!parsed.overflow);
    QCOMPARE(int(parsed.value), value);
}

void TestAddressParse::overflows_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("one above") << "32768";
    QTest::newRow("one below") << "-32769";
    QTest::newRow("half rounds out of range") << "32767.5";
    QTest::newRow("large exponent") << "1e5";
    QTest::newRow("huge exponent") << "1e400";
    QTest::newRow("hex beyond 16 bits") << "&H10000";
    QTest::newRow("hex beyond 32 bits") << "&H100000000";
}

void TestAddressParse::overflows() {
    QFETCH(QString, text);
    QVERIFY(parseAddress(text).overflow);
}

QTEST_APPLESS_MAIN(TestAddressParse)
#include "test_address_parse.moc"
