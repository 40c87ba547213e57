// The parts of commtest-decode: frame texts from arguments and lines, and the panel as JSON.
#include "frame_text.h"
#include "panel_json.h"

#include <QtTest>

class TestDecodeParts : public QObject {
    Q_OBJECT

private slots:
    void frameFromArgument_data();
    void frameFromArgument();
    void frameFromLine_data();
    void frameFromLine();
    void colorText_data();
    void colorText();
    void controlsNameEveryControl();
};

void TestDecodeParts::frameFromArgument_data() {
    QTest::addColumn<QByteArray>("argument");
    QTest::addColumn<QByteArray>("frame");

    QTest::newRow("plain frame gets a CR") << QByteArray("@AB03") << QByteArray("@AB03\r");
    QTest::newRow("escaped CR is the line end") << QByteArray("@AB03\\r") << QByteArray("@AB03\r");
    QTest::newRow("escaped LF alone still gets a CR") << QByteArray("@AB03\\n") << QByteArray("@AB03\n\r");
    QTest::newRow("CR then more lines") << QByteArray("@A\\r@B\\r\\n") << QByteArray("@A\r@B\r\n");
    QTest::newRow("escaped backslash before r stays a backslash") << QByteArray("a\\\\r")
                                                                   << QByteArray("a\\r\r");
    QTest::newRow("other escape kept as typed") << QByteArray("a\\tb") << QByteArray("a\\tb\r");
    QTest::newRow("real CR inside is kept and nothing appended")
        << QByteArray("@A\r@B") << QByteArray("@A\r@B");
    QTest::newRow("empty argument") << QByteArray() << QByteArray("\r");
}

void TestDecodeParts::frameFromArgument() {
    QFETCH(QByteArray, argument);
    QFETCH(QByteArray, frame);
    QCOMPARE(decode::frameFromArgument(argument), frame);
}

// Line ends of either kind are covered by the process test reading standard input.
void TestDecodeParts::frameFromLine_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QByteArray>("frame");

    QTest::newRow("empty line") << QByteArray("\n") << QByteArray("\r");
    QTest::newRow("backslashes are not escapes here") << QByteArray("@A\\r\n") << QByteArray("@A\\r\r");
}

void TestDecodeParts::frameFromLine() {
    QFETCH(QByteArray, line);
    QFETCH(QByteArray, frame);
    QCOMPARE(decode::frameFromLine(line), frame);
}

void TestDecodeParts::colorText_data() {
    QTest::addColumn<uint>("color");
    QTest::addColumn<QString>("text");

    QTest::newRow("red") << uint(0xFF0000) << "#FF0000";
    QTest::newRow("bits above the colour ignored") << uint(0xFF123456) << "#123456";
}

void TestDecodeParts::colorText() {
    QFETCH(uint, color);
    QFETCH(QString, text);
    QCOMPARE(decode::colorText(color), text);
}

void TestDecodeParts::controlsNameEveryControl() {
    panel::PanelModel m = panel::PanelModel::design();
    m.label1[8].caption = QStringLiteral("UC:1.0");
    m.label1[8].visible = true;
    m.image2[7].picture = QStringLiteral("picture/LCD-ALM2.BMP");
    const QJsonObject controls = decode::controlsJson(m);

    QStringList expected{QStringLiteral("Image1"), QStringLiteral("Label3(2)")};
    for (int i = 0; i < 9; ++i) expected << QStringLiteral("Label1(%1)").arg(i);
    for (int i = 0; i < 8; ++i) expected << QStringLiteral("Image2(%1)").arg(i);
    expected.sort();
    QCOMPARE(controls.keys(), expected);

    const QJsonObject label = controls.value("Label1(8)").toObject();
    QCOMPARE(label.keys(), (QStringList{"caption", "color", "font", "left", "top", "visible"}));
    QCOMPARE(label.value("caption").toString(), QStringLiteral("UC:1.0"));
    QCOMPARE(label.value("visible").toBool(), true);
    QCOMPARE(label.value("left").toInt(), m.label1[8].left);
    const QJsonObject lamp = controls.value("Image2(7)").toObject();
    QCOMPARE(lamp.keys(), (QStringList{"left", "picture", "top", "visible"}));
    QCOMPARE(lamp.value("picture").toString(), QStringLiteral("picture/LCD-ALM2.BMP"));
    QCOMPARE(controls.value("Image1").toObject().keys(), QStringList{"picture"});
}

QTEST_MAIN(TestDecodeParts)
#include "test_decode_parts.moc"
