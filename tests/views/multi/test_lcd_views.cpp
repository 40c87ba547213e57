// What the LCD-series views write: prefixes with their blanks, patterns, totals, the power-failure
// line, the PID pages and colours, the scanner lines and the LCD lamps.
#include "reply_frame.h"
#include "views/multi/multi_views.h"

#include <QTest>

Q_DECLARE_METATYPE(views::ViewRoutine)

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
    void oneReply_data();
    void oneReply();
};

// One reply on a used panel: the captions of the listed lines, then the lamps, then the colour of
// Label1(1).
void LcdViewsTest::oneReply_data() {
    QTest::addColumn<views::ViewRoutine>("view");
    QTest::addColumn<int>("tnBefore");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QList<int>>("lines");
    QTest::addColumn<QString>("shows");
    const views::ViewRoutine rec = views::ShowLCDR, pid = views::ShowLCDPID, ll = views::ShowLCDLL,
                             ll3 = views::ShowLCD3LL, duo = views::ShowLCDDuo;
    const auto recorder = [](const char* statuses) {
        return replyLine("8E", floatFields({23.46f, -12.5f, 0.0f}) + statuses);
    };
    const auto pidLine = [](const char* flags, const char* statuses = "000000") {
        return replyLine("8A", flags + floatFields({21.25f, -3.5f, 150.0f, 45.5f}) + statuses);
    };
    // f0..f8: channels, flow and heat per second, flow total high/low, heat total high/low.
    const QByteArray single = floatFields({1.25f, -12.5f, 7, 1.5f, -0.25f, 5, 6.7f, 12, -0.5f});
    // f0..f11: channels, three flows per second, three totals as high/low pairs.
    const QByteArray triple = floatFields({1, 2, 3, 0.5f, 1, -2, 5, 6.7f, 0, 0.04f, -1, 0.5f});
    const QList<int> recorderLines{0, 1, 4, 2, 5}, pidLines{0, 1}, totalLines{0, 1, 4, 5};
    // clang-format off
    QTest::newRow("recorder: one decimal, negative after prefix, 01 02 00") << rec << 3 << recorder("010200")
        << recorderLines << "1路    23.5|2路    -12.5|3路    0.0|old|old|LLU|red";
    QTest::newRow("recorder: statuses 03 1A FF unlit") << rec << 3 << recorder("031AFF")
        << recorderLines << "1路    23.5|2路    -12.5|3路    0.0|old|old|UUU|red";
    QTest::newRow("recorder: short reply reads 0") << rec << 3 << shortReply("8E")
        << recorderLines << "1路    0.0|2路    0.0|3路    0.0|old|old|UUU|red";
    QTest::newRow("PID: inputs page turns the output line black") << pid << 0 << pidLine("010000", "000201")
        << pidLines << "1路    21.3|2路    -3.5|ULL|black";
    QTest::newRow("PID: set value with number and /R, mode 2 automatic")
        << pid << 19 << pidLine("020200", "0401FF")
        << pidLines << "设定   150.0/03/R|自动输出   45.5%|ULU|black";
    QTest::newRow("PID: manual output is red") << pid << 19 << pidLine("010200")
        << pidLines << "设定   150.0/03/R|手动输出   45.5%|UUU|red";
    QTest::newRow("PID: number 99 shows 100, suffix FF /E") << pid << 19 << pidLine("0163FF")
        << pidLines << "设定   150.0/100/E|手动输出   45.5%|UUU|red";
    QTest::newRow("PID: short reply on the second page") << pid << 19 << shortReply("8A")
        << pidLines << "设定   0.0/01/R|自动输出   0.0%|UUU|black";
    QTest::newRow("LL: channels, power failure 0A and 59.6 s")
        << ll << 0 << replyLine("81", single + "0A" + floatFields({59.6f}))
        << totalLines << "1路    1.3|2路    -12.5|3路    7.0|掉电   10—60s|LLL|red";
    QTest::newRow("LL: per hour and totals high*100+low") << ll << 9 << replyLine("84", single)
        << totalLines << "瞬时    5400.0|瞬热    -900.0|累积流量   506.7|累积热量   1199.5|LLL|red";
    QTest::newRow("LL: short reply") << ll << 0 << shortReply("81")
        << totalLines << "1路    0.0|2路    0.0|3路    0.0|掉电   0—0s|LLL|red";
    QTest::newRow("3LL: channels, power failure at 106")
        << ll3 << 0 << replyLine("82", triple + "FF" + floatFields({-3.4f}))
        << totalLines << "1路    1.0|2路    2.0|3路    3.0|掉电   255—-3s|LLL|red";
    QTest::newRow("3LL: per hour, fourth line empty") << ll3 << 4 << replyLine("82", triple)
        << totalLines << "瞬时流量1   1800.0|瞬时流量2   3600.0|瞬时流量3   -7200.0||LLL|red";
    QTest::newRow("3LL: totals, fourth line empty") << ll3 << 9 << replyLine("82", triple)
        << totalLines << "累积流量1   506.7|累积流量2   0.0|累积流量3   -99.5||LLL|red";
    QTest::newRow("scanner: worked example, second line")
        << duo << 0 << replyLine("96", floatFields({0, 0, 12.6f, -7.2f}))
        << QList<int>{1, 8} << "CH03  0013  CH04  -007|old|LLL|red";
    QTest::newRow("scanner: zero and five digits") << duo << 0 << replyLine("96", floatFields({0, 12345}))
        << QList<int>{0} << "CH01  0000  CH02  12345|LLL|red";
    QTest::newRow("scanner: negative near zero") << duo << 0 << replyLine("96", floatFields({-0.3f, -1000}))
        << QList<int>{0} << "CH01  000  CH02  -1000|LLL|red";
    QTest::newRow("scanner: short reply, last line") << duo << 0 << shortReply("96")
        << QList<int>{7} << "CH15  0000  CH16  0000|LLL|red";
    // clang-format on
}

void LcdViewsTest::oneReply() {
    QFETCH(views::ViewRoutine, view);
    QFETCH(int, tnBefore);
    QFETCH(QByteArray, reply);
    QFETCH(QList<int>, lines);
    PanelModel panel = usedPanel();
    qint16 tn = static_cast<qint16>(tnBefore);
    protocol::Readings readings;
    view(reply, panel, tn, readings);
    QStringList shown;
    for (int i : lines)
        shown << panel.label1[i].caption;
    shown << lcdLamps(panel) << (panel.label1[1].color == panel::kRed ? "red" : "black");
    QTEST(shown.join('|'), "shows");
}

QTEST_GUILESS_MAIN(LcdViewsTest)
#include "test_lcd_views.moc"
