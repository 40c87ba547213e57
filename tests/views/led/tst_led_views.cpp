// The LED-series views, told as what one reply changes on the window as designed. Lamps are
// judged from two starts, all lit and all dark: '1' shown, '0' hidden, '-' left as it was.
#include "reply_frame.h"
#include "views/led/led_views.h"

#include <QTest>

Q_DECLARE_METATYPE(views::ViewRoutine)

using panel::PanelModel;

namespace {

const QString kMeter = QStringLiteral("仪表类型：LED系列——三相电量表");
const QString kModule = QStringLiteral("仪表类型：MODEL系列——三相电量模块");

QByteArray fx(double v, int decimals) {
    return protocol::fixedToHex(v, decimals);
}
QByteArray fl(float v) {
    return protocol::floatToHex(v);
}
QByteArray zeros(int floats) {
    return QByteArray(8 * floats, '0');
}

QString changes(views::ViewRoutine view, const QByteArray& ntemp, const QString& typeCaption) {
    const PanelModel design = PanelModel::design();
    PanelModel lit = design, dark = design;
    for (PanelModel* p : {&lit, &dark}) {
        p->label3[2].caption = typeCaption;
        for (auto& lamp : p->image2)
            lamp.visible = p == &lit;
        qint16 tn = 0;
        protocol::Readings readings;
        view(ntemp, *p, tn, readings);
    }
    QStringList out;
    for (int i = 0; i < 9; ++i) {
        const panel::Label& now = lit.label1[i];
        if (now.caption != design.label1[i].caption || now.visible != design.label1[i].visible)
            out << QStringLiteral("L%1=%2%3")
                       .arg(QString::number(i), now.caption, now.visible ? " (shown)" : "");
    }
    QString lamps;
    for (int i = 0; i < 8; ++i) {
        const bool a = lit.image2[i].visible, b = dark.image2[i].visible;
        lamps += a != b ? '-' : a ? '1' : '0';
    }
    return (out << QStringLiteral("lamps ") + lamps).join(QStringLiteral("; "));
}

views::ViewRoutine v(views::ViewRoutine r) {
    return r;
}

} // namespace

class LedViews : public QObject {
    Q_OBJECT
private slots:
    void oneReply_data() {
        QTest::addColumn<views::ViewRoutine>("view");
        QTest::addColumn<QString>("typeCaption");
        QTest::addColumn<QByteArray>("ntemp");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* name, views::ViewRoutine view, const QByteArray& ntemp,
                            const char* expected, const QString& caption = {}) {
            QTest::newRow(name) << view << caption << ntemp << QString::fromUtf8(expected);
        };
        const auto DX = v(views::ShowDX), SCQ = v(views::ShowSCQ), PID = v(views::ShowPID),
                   P32 = v(views::Show32PID), LL = v(views::ShowLL), AC = v(views::ShowAC);

        row("DX one decimal", DX, replyLine("02", "D2040100000000"), "L0=123.4; lamps 0000----");
        row("DX negative", DX, replyLine("04", "D2840100000000"), "L0=-123.4; lamps 0000----");
        row("DX decimals 05 keep the value, lamps still switch", DX, replyLine("04", "D2040500010203"),
            "lamps 0110----");
        row("DX decimals read as hex: 0A selects no pattern", DX, replyLine("04", "D2040A00000000"),
            "lamps 0000----");
        row("DX two-alarm meter switches all four lamps", DX, replyLine("02", "D2040103FF0201"),
            "L0=123.4; lamps 0011----");
        row("DX short reply reads 0", DX, shortReply("02"), "L0=0; lamps 0000----");

        row("PID groups, set value one decimal, full-scale output", PID,
            replyLine("0E", "0000" + fx(123.4, 1) + fx(-5.25, 2) + "D20402" + fl(255) + "0100020000"),
            "L0=123.4; L1=-5.25; L2=SV设定值:12.3 (shown); L3=PID输出:100.0% (shown); lamps 10100---");
        row("PID status 01 lights Image2(4), zero output, 48-49 ignored", PID,
            replyLine("0E", "0100" + fx(0, 0) + fx(0, 0) + fx(0, 0) + zeros(2) + "01"),
            "L0=0; L1=0; L2=SV设定值:0.0 (shown); L3=PID输出:0.0% (shown); lamps 00001---");
        row("PID decimals read as decimal: 0A selects 0", PID, replyLine("0E", "0000D2040A" + zeros(4)),
            "L0=0; L1=0; L2=SV设定值:0.0 (shown); L3=PID输出:0.0% (shown); lamps 00000---");
        row("PID short reply reads 0", PID, shortReply("0E"),
            "L0=0; L1=0; L2=SV设定值:0.0 (shown); L3=PID输出:0.0% (shown); lamps 00000---");
        row("32PID third group in Label1(1), segment 07, status 01 hides", P32,
            replyLine("10", "0107" + fx(1.5, 1) + fx(2.5, 1) + fx(-3.125, 3) + fl(127.5) + "0300"),
            "L0=1.5; L1=-3.125; L2=第二输入值:2.5 (shown); L3=PID输出:50.0% (shown); L4=07; lamps 00--0---");
        row("32PID status 00 shows, segment FF reads 255", P32, replyLine("10", "00FF" + zeros(4) + "0000"),
            "L0=0; L1=0; L2=第二输入值:0.0 (shown); L3=PID输出:0.0% (shown); L4=255; lamps 00--1---");
        row("32PID short reply shows Image2(4)", P32, shortReply("10"),
            "L0=0; L1=0; L2=第二输入值:0.0 (shown); L3=PID输出:0.0% (shown); L4=00; lamps 00--1---");
        row("SCQ groups from 12, control output by its own decimals", SCQ,
            replyLine("0A", "00" + fx(12.5, 1) + fx(-7, 0) + "320000" + "00010203"),
            "L0=12.5; L1=-7; L2=控制输出:50% (shown); lamps 0110----");
        row("SCQ decimals 05 keep the caption but show it", SCQ,
            replyLine("0A", "00" + fx(0, 0) + fx(0, 0) + "320005" + "00000000"),
            "L0=0; L1=0; L2=0.0 (shown); lamps 0000----");

        row("LL total, flow per hour, compensation", LL,
            replyLine("12", fl(-20.5) + fl(101.3f) + fl(99.94f) + fl(0.5) + fl(12) + fl(34.5) + "0200"),
            "L0=99.9; L1=1234.5; L2=补偿温度值:-20.5，补偿压力值:101.3 (shown); L3=瞬时流量值:1800.0 "
            "(shown); lamps 10------");
        row("LL total rounded to float before showing", LL,
            replyLine("12", zeros(4) + fl(123456) + fl(78.9f) + "0000"),
            "L1=12345679.0; L2=补偿温度值:0.0，补偿压力值:0.0 (shown); L3=瞬时流量值:0.0 (shown); lamps "
            "00------");
        row("LL short reply reads 0", LL, shortReply("12"),
            "L2=补偿温度值:0.0，补偿压力值:0.0 (shown); L3=瞬时流量值:0.0 (shown); lamps 00------");

        const QByteArray phaseA = fl(220.04f) + fl(5.126f) + fl(0.9876f) + zeros(6);
        const char* zeroBC = "L3=UB:0.0，AB:0.00，CosB:0.000 (shown); ";
        row("AC meter: phase line, powers, lamps from frequency characters", AC,
            replyLine("1E", phaseA + fl(50) + fl(-12.34f) + zeros(1)),
            QByteArray("L0=-12.3; L2=UA:220.0，AA:5.13，CosA:0.988 (shown); ") + zeroBC +
                "L4=50.00; L8=UC:0.0，AC:0.00，CosC:0.000 (shown); lamps 01110---",
            kMeter);
        const QByteArray alarms01A0 = replyLine("1E", zeros(9) + "010A0000" + zeros(2));
        const char* alarmsShown =
            "L2=UA:0.0，AA:0.00，CosA:0.000 (shown); L3=UB:0.0，AB:0.00，CosB:0.000 (shown); "
            "L4=0.08; L8=UC:0.0，AC:0.00，CosC:0.000 (shown); lamps ";
        row("AC meter alarm characters 0 1 0 A 0", AC, alarms01A0, QByteArray(alarmsShown) + "01010---",
            kMeter);
        row("AC module leaves its lamps alone", AC, alarms01A0, QByteArray(alarmsShown) + "--------",
            kModule);
        row("AC short reply hides the meter lamps", AC, shortReply("1E"),
            "L2=UA:0.0，AA:0.00，CosA:0.000 (shown); L3=UB:0.0，AB:0.00，CosB:0.000 (shown); L4=0.00; "
            "L8=UC:0.0，AC:0.00，CosC:0.000 (shown); lamps 00000---",
            kMeter);
    }
    void oneReply() {
        QFETCH(views::ViewRoutine, view);
        QFETCH(QString, typeCaption);
        QFETCH(QByteArray, ntemp);
        QFETCH(QString, expected);
        QCOMPARE(changes(view, ntemp, typeCaption), expected);
    }

    // The poll cycle hands the same line over again on every receive tick, and later fuzzing
    // feeds any bytes at all: the panel must settle after one call and the page counter stay put.
    void sameLineTwice_data() {
        QTest::addColumn<views::ViewRoutine>("view");
        QTest::addColumn<QByteArray>("ntemp");
        const QByteArray junk = QByteArray(300, '\xFF') + "\r";
        const QByteArray lowerHex = QByteArray(120, 'f');
        QTest::newRow("DX reply") << v(views::ShowDX) << replyLine("04", "D2840201000200");
        QTest::newRow("SCQ junk") << v(views::ShowSCQ) << junk;
        QTest::newRow("LL lower-case hex") << v(views::ShowLL) << lowerHex;
        QTest::newRow("AC empty line") << v(views::ShowAC) << QByteArray();
    }
    void sameLineTwice() {
        QFETCH(views::ViewRoutine, view);
        QFETCH(QByteArray, ntemp);
        PanelModel panel = PanelModel::design();
        panel.label3[2].caption = kMeter;
        qint16 tn = 7;
        protocol::Readings readings;
        view(ntemp, panel, tn, readings);
        const PanelModel once = panel;
        const protocol::Readings readOnce = readings;
        view(ntemp, panel, tn, readings);
        QVERIFY(panel == once);
        QCOMPARE(readings.size(), readOnce.size());
        for (std::size_t i = 0; i < readings.size(); ++i)
            QCOMPARE(readings[i].value, readOnce[i].value);
        QCOMPARE(tn, qint16(7));
    }
};

QTEST_APPLESS_MAIN(LedViews)
#include "tst_led_views.moc"
