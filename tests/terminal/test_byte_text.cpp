// Bytes shown as escapes or hexadecimal, and typed escapes read back into bytes.
#include "terminal/byte_text.h"
#include "terminal/terminal_texts.h"

#include <QTest>

class TestByteText : public QObject {
    Q_OBJECT
private slots:
    void shown_data();
    void shown();
    void typed_data();
    void typed();
    void everyByteComesBack();
};

void TestByteText::shown_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("escaped");
    QTest::addColumn<QString>("hex");
    QTest::newRow("request") << QByteArray("@01RD\r") << "@01RD\\r"
                             << "40 30 31 52 44 0D";
    QTest::newRow("LF, NUL, DEL, high byte") << QByteArray("\n\x00\x7F\xFE", 4) << "\\n\\x00\\x7F\\xFE"
                                             << "0A 00 7F FE";
    QTest::newRow("backslash doubled, printable edges kept") << QByteArray("\\ ~") << "\\\\ ~"
                                                             << "5C 20 7E";
    QTest::newRow("nothing") << QByteArray() << ""
                             << "";
}

void TestByteText::shown() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, escaped);
    QFETCH(QString, hex);
    QCOMPARE(terminal::escapedText(bytes), escaped);
    QCOMPARE(terminal::hexText(bytes), hex);
}

void TestByteText::typed_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("bytes"); // empty: refused
    QTest::addColumn<QString>("error");
    QTest::newRow("all escapes") << "@1F\\x52D\\r\\n\\\\" << QByteArray("@1FRD\r\n\\") << "";
    QTest::newRow("lower-case hex digits") << "\\xfe\\x0a" << QByteArray("\xFE\n") << "";
    QTest::newRow("Latin-1 character as its byte") << QStringLiteral("\u00E9") << QByteArray("\xE9") << "";
    QTest::newRow("empty") << "" << QByteArray() << terminal::texts::kEmptyText.toString();
    QTest::newRow("trailing backslash") << "@01\\" << QByteArray() << terminal::texts::kBadEscape.arg(4);
    QTest::newRow("unknown escape") << "\\t" << QByteArray() << terminal::texts::kBadEscape.arg(1);
    QTest::newRow("one hex digit") << "ab\\x4" << QByteArray() << terminal::texts::kBadEscape.arg(3);
    QTest::newRow("not hex") << "\\xG0" << QByteArray() << terminal::texts::kBadEscape.arg(1);
    QTest::newRow("wide character") << QStringLiteral("@终") << QByteArray()
                                    << terminal::texts::kBadChar.arg(2);
}

void TestByteText::typed() {
    QFETCH(QString, typed);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, error);
    QString why;
    const std::optional<QByteArray> got = terminal::parseEscapes(typed, &why);
    QCOMPARE(got.has_value(), error.isEmpty());
    if (got) QCOMPARE(*got, bytes);
    QCOMPARE(why, error);
}

void TestByteText::everyByteComesBack() {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    QCOMPARE(terminal::parseEscapes(terminal::escapedText(all)).value_or(QByteArray()), all);
}

QTEST_GUILESS_MAIN(TestByteText)
#include "test_byte_text.moc"
