// commtest-decode run as the user runs it: frames in, one JSON line per frame out.
#include "reply_frame.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

namespace {

// A frame as the user types it: the tool adds the CR.
QByteArray typed(const QByteArray& typeCode, const QByteArray& data) {
    return replyLine(typeCode, data).chopped(1);
}

// Single display, 123.4, alarm states 00 01 02 03.
const QByteArray kSingleDisplay = typed("02", "D2040100010203");
const QByteArray kLcdPidManual = typed("8A", "010200" + floatFields({150, 149.2f, 150, 45.5f}) + "000100");
const QByteArray kPower =
    typed("1E", floatFields({220, 5, 0.98f, 221, 5, 0.97f, 219, 5, 0.99f, 50.01f, 3300, 120}));

QByteArray damaged(QByteArray frame) {
    frame[frame.size() - 1] = frame.endsWith('0') ? '1' : '0';
    return frame;
}

struct Run {
    int exitCode = -1;
    QList<QJsonObject> lines;
    QByteArray out;
    QByteArray err;
};

Run decode(const QStringList& arguments, const QByteArray& input = QByteArray()) {
    QProcess process;
    process.start(QDir(qEnvironmentVariable("COMMTEST_BIN_DIR")).filePath(QStringLiteral("commtest-decode")),
                  arguments);
    Run run;
    if (!process.waitForStarted(10000)) return run;
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(30000);
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    for (const QByteArray& line : run.out.split('\n')) {
        if (line.isEmpty()) continue;
        run.lines << QJsonDocument::fromJson(line).object();
    }
    return run;
}

QStringList args(std::initializer_list<QByteArray> frames) {
    QStringList out;
    for (const QByteArray& f : frames)
        out << QString::fromLatin1(f);
    return out;
}

QJsonObject control(const QJsonObject& line, const char* name) {
    return line.value(QStringLiteral("controls")).toObject().value(QLatin1String(name)).toObject();
}

} // namespace

class TestCommtestDecode : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void oneFrame_data();
    void oneFrame();
    void sameFramePagesLikeReceiveTicks();
    void modelOptionChoosesLayout_data();
    void modelOptionChoosesLayout();
    void usageErrors_data();
    void usageErrors();
    void help();
    void framesFromStandardInput();
    void readingsOfOneType_data();
    void readingsOfOneType();
};

void TestCommtestDecode::initTestCase() {
    QVERIFY2(!qEnvironmentVariable("COMMTEST_BIN_DIR").isEmpty(), "COMMTEST_BIN_DIR is not set");
}

void TestCommtestDecode::oneFrame_data() {
    QTest::addColumn<QByteArray>("frame");
    QTest::addColumn<bool>("check");
    QTest::addColumn<QJsonValue>("type");
    QTest::addColumn<QJsonValue>("view");
    QTest::addColumn<QString>("picture");

    QTest::newRow("single display") << kSingleDisplay << true << QJsonValue(2) << QJsonValue("ShowDX")
                                    << "picture/C80.BMP";
    // A failed check still names the model that its type characters give, for the layout.
    QTest::newRow("failed check") << damaged(kSingleDisplay) << false << QJsonValue() << QJsonValue()
                                  << "picture/C80.BMP";
    QTest::newRow("unlisted type") << typed("0C", "D2040100000000") << true << QJsonValue(12) << QJsonValue()
                                   << "";
    QTest::newRow("no body") << QByteArray("@AB") << false << QJsonValue() << QJsonValue() << "";
    // Only a frame's first line counts: what follows a good reply, or a damaged line, is never read.
    QTest::newRow("escaped line ends, good reply first")
        << kSingleDisplay + "\\r" + damaged(kSingleDisplay) + "\\r\\n"
        << true << QJsonValue(2) << QJsonValue("ShowDX") << "picture/C80.BMP";
    QTest::newRow("escaped line ends, damaged line first")
        << damaged(kSingleDisplay) + "\\r" + kSingleDisplay + "\\r" << false << QJsonValue() << QJsonValue()
        << "picture/C80.BMP";
}

void TestCommtestDecode::oneFrame() {
    QFETCH(QByteArray, frame);
    QFETCH(bool, check);
    QFETCH(QJsonValue, type);
    QFETCH(QJsonValue, view);
    QFETCH(QString, picture);
    const Run run = decode(args({frame}));
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.lines.size(), 1);
    const QJsonObject line = run.lines.first();
    QCOMPARE(line.value("check").toBool(!check), check);
    // An absent member reads as undefined, which is not null.
    QCOMPARE(line.value("type"), type);
    QCOMPARE(line.value("view"), view);
    QCOMPARE(line.value("Tn"), QJsonValue(0));
    QCOMPARE(control(line, "Image1").value("picture").toString(), picture);
    QCOMPARE(line.value("controls").toObject().size(), 1 + 9 + 1 + 8);
    // Readings come from the view: some exactly when one ran.
    QCOMPARE(line.value("readings").toObject().isEmpty(), view.isNull());
}

void TestCommtestDecode::sameFramePagesLikeReceiveTicks() {
    QStringList frames;
    for (int i = 0; i < 20; ++i)
        frames << QString::fromLatin1(kLcdPidManual);
    const Run run = decode(frames);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.lines.size(), 20);
    for (int i = 0; i < 20; ++i) {
        const QJsonObject& line = run.lines.at(i);
        QCOMPARE(line.value("Tn").toInt(), i + 1);
        const QString first = control(line, "Label1(0)").value("caption").toString();
        const QJsonObject second = control(line, "Label1(1)");
        if (i < 19) {
            QVERIFY2(first.startsWith(QStringLiteral("1路    ")), qPrintable(first));
            QCOMPARE(second.value("color").toString(), QStringLiteral("#000000"));
        } else {
            QCOMPARE(first, QStringLiteral("设定   150.0/03/R"));
            QCOMPARE(second.value("caption").toString(), QStringLiteral("手动输出   45.5%"));
            QCOMPARE(second.value("color").toString(), QStringLiteral("#FF0000"));
        }
        QCOMPARE(control(line, "Image2(6)").value("picture").toString(),
                 QStringLiteral("picture/LCD-ALM2.BMP"));
        QCOMPARE(control(line, "Image2(5)").value("picture").toString(),
                 QStringLiteral("picture/LCD-ALM1.BMP"));
    }
}

void TestCommtestDecode::modelOptionChoosesLayout_data() {
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<bool>("lampsShown");

    // The power view tells meter from module by the model line, so the option reaches the view.
    QTest::newRow("meter") << "LED系列——三相电量表"
                           << "picture/AC80.BMP" << true;
    QTest::newRow("module, with a meter's reply") << "MODEL系列——三相电量模块"
                                                  << "picture/DL80.BMP" << false;
}

void TestCommtestDecode::modelOptionChoosesLayout() {
    QFETCH(QString, model);
    QFETCH(QString, picture);
    QFETCH(bool, lampsShown);
    const Run run = decode(QStringList{QStringLiteral("--model"), model} + args({kPower}));
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.lines.size(), 1);
    const QJsonObject line = run.lines.first();
    QCOMPARE(line.value("view").toString(), QStringLiteral("ShowAC"));
    QCOMPARE(control(line, "Image1").value("picture").toString(), picture);
    QCOMPARE(control(line, "Label3(2)").value("caption").toString(), QStringLiteral("仪表类型：") + model);
    QCOMPARE(control(line, "Label1(4)").value("caption").toString(), QStringLiteral("50.01"));
    // Frequency 50.01 encodes with non-zero leading characters, which the meter reads as alarms.
    QCOMPARE(control(line, "Image2(1)").value("visible").toBool(!lampsShown), lampsShown);
}

void TestCommtestDecode::usageErrors_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("unknown option") << QStringList{"--frobnicate", QString::fromLatin1(kSingleDisplay)};
    QTest::newRow("unknown model name")
        << QStringList{"--model", "LED系列——不存在", QString::fromLatin1(kSingleDisplay)};
    QTest::newRow("model option without a value") << QStringList{"--model"};
    QTest::newRow("readings of an unlisted type") << QStringList{"--readings", "0C"};
    QTest::newRow("readings of a type in decimal") << QStringList{"--readings", "150"};
}

void TestCommtestDecode::usageErrors() {
    QFETCH(QStringList, arguments);
    const Run run = decode(arguments);
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.out.isEmpty());
    QCOMPARE(run.err.count('\n'), 1);
    QVERIFY(run.err.startsWith("commtest-decode: "));
}

void TestCommtestDecode::help() {
    const Run run = decode({QStringLiteral("--help")});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.out.contains("--model"));
    QVERIFY(run.out.contains("--readings"));
    QVERIFY(run.out.contains("FRAME"));
}

void TestCommtestDecode::framesFromStandardInput() {
    // Line ends of either kind are removed and a CR put in their place; the last line needs none.
    const QByteArray input = kSingleDisplay + "\r\n" + damaged(kSingleDisplay) + "\n" + kSingleDisplay;
    const Run run = decode({}, input);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.lines.size(), 3);
    QCOMPARE(run.lines.at(0).value("check").toBool(), true);
    QCOMPARE(run.lines.at(1).value("check").toBool(true), false);
    QCOMPARE(run.lines.at(2).value("check").toBool(), true);
    QCOMPARE(control(run.lines.at(2), "Label1(0)").value("caption").toString(), QStringLiteral("123.4"));
}

void TestCommtestDecode::readingsOfOneType_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("lines");
    QTest::addColumn<QByteArray>("contains");
    QTest::newRow("LCD PID, 0x and lower case")
        << QStringList{"--readings", "0x8a"} << 1 + 10 << QByteArray("\nMV\t输出\t%\t1\n");
    QTest::newRow("single display, decimals from the reply")
        << QStringList{"--readings", "02"} << 1 + 5 << QByteArray("\nPV\t测量值\t\treply\n");
    QTest::newRow("whole table as Markdown")
        << QStringList{"--readings-markdown"} << -1 << QByteArray("\n## 1F MODEL系列——三相电量模块\n");
}

void TestCommtestDecode::readingsOfOneType() {
    QFETCH(QStringList, arguments);
    QFETCH(int, lines);
    QFETCH(QByteArray, contains);
    const Run run = decode(arguments);
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.err.isEmpty());
    if (lines >= 0) {
        QCOMPARE(run.out.count('\n'), lines);
        QVERIFY(run.out.startsWith("key\tlabel\tunit\tdecimals\n"));
    }
    QVERIFY2(run.out.contains(contains), run.out.constData());
}

QTEST_MAIN(TestCommtestDecode)
#include "test_commtest_decode.moc"
