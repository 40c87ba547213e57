// What the LCD-series views write: prefixes with their blanks, patterns, totals, the power-failure
// line, the PID pages and colours, the scanner lines and the LCD lamps.
#include "reply_frame.h"
#include "views/multi/multi_views.h"

#include <QtTest>

using panel::PanelModel;

namespace {

const QStringList kLampPictures = {QStringLiteral("picture/LCD-ALM2.BMP"),
                                   QStringLiteral("picture/LCD-ALM1.BMP")};

// A panel after earlier replies: every line holds "old", every lamp is lit, the output line is red.
PanelModel usedPanel() {
    PanelModel panel = PanelModel::design();
    for (auto& lamp : panel.image2)
        lamp.picture = kLampPictures[0];
    for (auto& label : panel.label1)
        label.caption = QStringLiteral("old");
    panel.label1[1].color = panel::kRed;
    return panel;
}

// The captions of `labels` joined by "|".
QString lines(const PanelModel& panel, std::initializer_list<int> labels) {
    QStringList out;
    for (int i : labels)
        out << panel.label1[i].caption;
    return out.join(QLatin1Char('|'));
}

// Image2(5) to Image2(7): 'L' for the lit picture, 'U' for the unlit one, '?' for anything else.
QString lcdLamps(const PanelModel& panel) {
    QString out;
    for (int i = 5; i < 8; ++i)
        out += QStringLiteral("?LU").at(kLampPictures.indexOf(panel.image2[i].picture) + 1);
    return out;
}

} // namespace

class LcdViewsTest : public QObject {
    Q_OBJECT
  private slots:
    void recorder_data();
    void recorder();
    void pid_data();
    void pid();
    void totalizer_data();
    void totalizer();
    void scanner_data();
    void scanner();
};

void LcdViewsTest::recorder_data() {
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QString>("shows"); // Label1(0), (1), (4), the untouched (2) and (5), lamps
    const auto line = [](const char* statuses) {
        return replyLine("8E", floatFields({23.46f, -12.5f, 0.0f}) + statuses);
    };
    // clang-format off
    QTest::newRow("one decimal, negative after prefix, 01 02 00")
        << line("010200") << "1路    23.5|2路    -12.5|3路    0.0|old|old|LLU";
    QTest::newRow("statuses 03 1A FF unlit")
        << line("031AFF") << "1路    23.5|2路    -12.5|3路    0.0|old|old|UUU";
    QTest::newRow("short reply reads 0") << cutReplyLine("8E") << "1路    0.0|2路    0.0|3路    0.0|old|old|UUU";
    // clang-format on
}

void LcdViewsTest::recorder() {
    QFETCH(QByteArray, reply);
    PanelModel panel = usedPanel();
    qint16 tn = 3;
    views::ShowLCDR(reply, panel, tn);
    QTEST(lines(panel, {0, 1, 4, 2, 5}) + QLatin1Char('|') + lcdLamps(panel), "shows");
    QCOMPARE(tn, qint16(3));
}

void LcdViewsTest::pid_data() {
    QTest::addColumn<int>("tnBefore");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QString>("shows"); // both lines, the second line's colour, lamps
    const auto line = [](const char* flags, const char* statuses = "000000") {
        return replyLine("8A", flags + floatFields({21.25f, -3.5f, 150.0f, 45.5f}) + statuses);
    };
    // clang-format off
    QTest::newRow("inputs page turns the output line black")
        << 0 << line("010000", "000201") << "1路    21.3|2路    -3.5|000000|ULL";
    QTest::newRow("set value with number and /R, mode 2 automatic")
        << 19 << line("020200", "0401FF") << "设定   150.0/03/R|自动输出   45.5%|000000|ULU";
    QTest::newRow("manual output is red")
        << 19 << line("010200") << "设定   150.0/03/R|手动输出   45.5%|ff0000|UUU";
    QTest::newRow("number 99 shows 100, suffix FF /E")
        << 19 << line("0163FF") << "设定   150.0/100/E|手动输出   45.5%|ff0000|UUU";
    QTest::newRow("short reply on the second page")
        << 19 << cutReplyLine("8A") << "设定   0.0/01/R|自动输出   0.0%|000000|UUU";
    // clang-format on
}

void LcdViewsTest::pid() {
    QFETCH(int, tnBefore);
    QFETCH(QByteArray, reply);
    PanelModel panel = usedPanel();
    qint16 tn = static_cast<qint16>(tnBefore);
    views::ShowLCDPID(reply, panel, tn);
    const QString color = QStringLiteral("%1").arg(panel.label1[1].color, 6, 16, QLatin1Char('0'));
    QTEST(lines(panel, {0, 1}) + QLatin1Char('|') + color + QLatin1Char('|') + lcdLamps(panel), "shows");
}

void LcdViewsTest::totalizer_data() {
    QTest::addColumn<views::ViewRoutine>("view");
    QTest::addColumn<int>("tnBefore");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QString>("shows"); // Label1(0), (1), (4), (5)
    const views::ViewRoutine ll = views::ShowLCDLL, ll3 = views::ShowLCD3LL;
    // f0..f8: channels, flow and heat per second, flow total high/low, heat total high/low.
    const QByteArray single = floatFields({1.25f, -12.5f, 7, 1.5f, -0.25f, 5, 6.7f, 12, -0.5f});
    // f0..f11: channels, three flows per second, three totals as high/low pairs.
    const QByteArray triple = floatFields({1, 2, 3, 0.5f, 1, -2, 5, 6.7f, 0, 0.04f, -1, 0.5f});
    // clang-format off
    QTest::newRow("LL channels, power failure 0A and 59.6 s")
        << ll << 0 << replyLine("81", single + "0A" + floatFields({59.6f}))
        << "1路    1.3|2路    -12.5|3路    7.0|掉电   10—60s";
    QTest::newRow("LL per hour and totals high*100+low")
        << ll << 9 << replyLine("84", single) << "瞬时    5400.0|瞬热    -900.0|累积流量   506.7|累积热量   1199.5";
    QTest::newRow("LL short reply")
        << ll << 0 << cutReplyLine("81") << "1路    0.0|2路    0.0|3路    0.0|掉电   0—0s";
    QTest::newRow("3LL channels, power failure at 106")
        << ll3 << 0 << replyLine("82", triple + "FF" + floatFields({-3.4f}))
        << "1路    1.0|2路    2.0|3路    3.0|掉电   255—-3s";
    QTest::newRow("3LL per hour, fourth line empty")
        << ll3 << 4 << replyLine("82", triple) << "瞬时流量1   1800.0|瞬时流量2   3600.0|瞬时流量3   -7200.0|";
    QTest::newRow("3LL totals, fourth line empty")
        << ll3 << 9 << replyLine("82", triple) << "累积流量1   506.7|累积流量2   0.0|累积流量3   -99.5|";
    // clang-format on
}

void LcdViewsTest::totalizer() {
    QFETCH(views::ViewRoutine, view);
    QFETCH(int, tnBefore);
    QFETCH(QByteArray, reply);
    PanelModel panel = usedPanel();
    qint16 tn = static_cast<qint16>(tnBefore);
    view(reply, panel, tn);
    QTEST(lines(panel, {0, 1, 4, 5}), "shows");
}

void LcdViewsTest::scanner_data() {
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("shows");
    const auto line = [](std::initializer_list<float> values) {
        return replyLine("96", floatFields(values));
    };
    // clang-format off
    QTest::newRow("worked example, second line") << line({0, 0, 12.6f, -7.2f}) << 1
                                                 << "CH03  0013  CH04  -007";
    QTest::newRow("zero and five digits") << line({0, 12345}) << 0 << "CH01  0000  CH02  12345";
    QTest::newRow("whole numbers round") << line({99.7f, 12.3f}) << 0 << "CH01  0100  CH02  0012";
    QTest::newRow("negative near zero") << line({-0.3f, -1000}) << 0 << "CH01  000  CH02  -1000";
    QTest::newRow("short reply, last line") << cutReplyLine("96") << 7 << "CH15  0000  CH16  0000";
    // clang-format on
}

void LcdViewsTest::scanner() {
    QFETCH(QByteArray, reply);
    QFETCH(int, line);
    PanelModel panel = usedPanel();
    qint16 tn = 0;
    views::ShowLCDDuo(reply, panel, tn);
    QTEST(panel.label1[line].caption, "shows");
    QCOMPARE(panel.label1[8].caption, QStringLiteral("old"));
}

QTEST_GUILESS_MAIN(LcdViewsTest)
#include "test_lcd_views.moc"
