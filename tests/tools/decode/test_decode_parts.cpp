// The parts of commtest-decode: frame texts from arguments and lines, the panel and the readings
// as JSON, type codes as the user writes them, and the readings table of the documentation.
#include "decode_session.h"
#include "frame_text.h"
#include "panel_json.h"
#include "readings_doc.h"

#include <QFile>
#include <QJsonDocument>
#include <QTest>

#include <limits>

Q_DECLARE_METATYPE(protocol::Readings)

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
    void readingsJson_data();
    void readingsJson();
    void frameLineEndsInReadings();
    void parseTypeCode_data();
    void parseTypeCode();
    void readingsTableInTheRepositoryIsCurrent();
};

void TestDecodeParts::frameFromArgument_data() {
    QTest::addColumn<QByteArray>("argument");
    QTest::addColumn<QByteArray>("frame");

    QTest::newRow("plain frame gets a CR") << QByteArray("@AB03") << QByteArray("@AB03\r");
    QTest::newRow("escaped CR is the line end") << QByteArray("@AB03\\r") << QByteArray("@AB03\r");
    QTest::newRow("escaped LF alone still gets a CR") << QByteArray("@AB03\\n") << QByteArray("@AB03\n\r");
    QTest::newRow("CR then more lines") << QByteArray("@A\\r@B\\r\\n") << QByteArray("@A\r@B\r\n");
    QTest::newRow("escaped backslash before r stays a backslash")
        << QByteArray("a\\\\r") << QByteArray("a\\r\r");
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
    for (int i = 0; i < 9; ++i)
        expected << QStringLiteral("Label1(%1)").arg(i);
    for (int i = 0; i < 8; ++i)
        expected << QStringLiteral("Image2(%1)").arg(i);
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

void TestDecodeParts::readingsJson_data() {
    QTest::addColumn<protocol::Readings>("readings");
    QTest::addColumn<QByteArray>("json");
    const auto reading = [](const char* key, double value) {
        return protocol::Reading{QString::fromLatin1(key), QString(), QString(), 0, value};
    };
    QTest::newRow("none") << protocol::Readings{} << QByteArray("{}");
    // The table's order, which a JSON object of Qt's would sort away.
    QTest::newRow("kept in order") << protocol::Readings{reading("PV", double(13.37f)), reading("AL1", 1),
                                                         reading("AB", -0.0)}
                                   << QByteArray(R"({"PV":13.37,"AL1":1,"AB":0})");
    QTest::newRow("a value no field gives is null")
        << protocol::Readings{reading("X", std::numeric_limits<double>::infinity())}
        << QByteArray(R"({"X":null})");
}

void TestDecodeParts::readingsJson() {
    QFETCH(protocol::Readings, readings);
    QTEST(decode::readingsJson(readings), "json");
}

// Everything the line held before stays as it was; "readings" comes last.
void TestDecodeParts::frameLineEndsInReadings() {
    decode::FrameOutcome outcome;
    outcome.check = true;
    outcome.type = 2;
    outcome.view = QStringLiteral("ShowDX");
    outcome.readings = {{QStringLiteral("PV"), QStringLiteral("测量值"), QString(), 1, 123.4}};
    const panel::PanelModel panel = panel::PanelModel::design();
    const QByteArray line = decode::frameLine(outcome, 3, panel);
    const QByteArray before =
        QJsonDocument(decode::frameJson(outcome, 3, panel)).toJson(QJsonDocument::Compact);
    QVERIFY(line.startsWith(before.chopped(1) + ','));
    QVERIFY(line.endsWith(R"("readings":{"PV":123.4}})"));
    QVERIFY(QJsonDocument::fromJson(line).isObject());
}

void TestDecodeParts::parseTypeCode_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("code"); // -1: not a type code
    QTest::newRow("two digits") << "96" << 0x96;
    QTest::newRow("0x prefix") << "0x96" << 0x96;
    QTest::newRow("upper-case prefix, lower-case digits") << "0X8a" << 0x8A;
    QTest::newRow("unlisted codes still parse") << "0C" << 0x0C;
    QTest::newRow("not hexadecimal") << "G1" << -1;
    QTest::newRow("decimal name of 150") << "150" << -1;
    QTest::newRow("blank around") << " 96" << -1;
}

void TestDecodeParts::parseTypeCode() {
    QFETCH(QString, text);
    QFETCH(int, code);
    QCOMPARE(decode::parseTypeCode(text).value_or(-1), code);
}

void TestDecodeParts::readingsTableInTheRepositoryIsCurrent() {
    QFile file(QStringLiteral(COMMTEST_READINGS_DOC));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString committed = QString::fromUtf8(file.readAll());
    QVERIFY2(committed == decode::readingsMarkdown(),
             "docs/readings.md differs from the program: regenerate it with "
             "commtest-decode --readings-markdown > docs/readings.md");
}

QTEST_MAIN(TestDecodeParts)
#include "test_decode_parts.moc"
