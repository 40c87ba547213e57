// The LED dual-channel controller and LED scanner: channel values with their own decimals, the
// decimals read as a decimal number, alarm lamps, and the scanner's channel positions.
#include "panel_text.h"
#include "reply_frame.h"
#include "views/multi/multi_views.h"

#include <QTest>

Q_DECLARE_METATYPE(views::ViewRoutine)

using protocol::fixedToHex;

class LedChannelViewsTest : public QObject {
    Q_OBJECT
private slots:
    void oneReply_data();
    void oneReply();
};

// From a panel after earlier replies (both lines "old", every lamp shown), one reply: the two
// lines, then Image2(0) to Image2(3) written '1' when shown.
void LedChannelViewsTest::oneReply_data() {
    QTest::addColumn<views::ViewRoutine>("view");
    QTest::addColumn<int>("tnBefore");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QString>("shows");
    QTest::addColumn<int>("tnAfter");
    const views::ViewRoutine twin = views::ShowDouble, scanner = views::ShowDuo;
    const auto dbl = [](const QByteArray& data) { return replyLine("08", data); };
    const auto duo = [](const QByteArray& data) { return replyLine("14", data); };
    const QByteArray twelveZeros = QByteArray("000000").repeated(12);
    // clang-format off
    QTest::newRow("Double: two decimals, negative whole, lamps off")
        << twin << 7 << dbl(fixedToHex(12.34, 2) + fixedToHex(-5, 0) + "00000000") << "12.34|-5|0000" << 7;
    QTest::newRow("Double: decimals 5 keep the caption") << twin << 7 << dbl("D20405D28401")
        << "old|-123.4|0000" << 7;
    QTest::newRow("Double: decimals 0A and 1A read as 0 and 1") << twin << 7 << dbl("D2040AD2041A")
        << "0|0.0|0000" << 7;
    QTest::newRow("Double: statuses FF 01 02 03") << twin << 7 << dbl("000000000000" "FF010203")
        << "0|0|0110" << 7;
    QTest::newRow("Double: short reply reads 0 everywhere") << twin << 7 << shortReply("08")
        << "0|0|0000" << 7;
    QTest::newRow("Duo: channel 01 reads position 10, two lamps only")
        << scanner << 0 << duo(fixedToHex(12.34, 2) + fixedToHex(9, 0)) << "12.34|01|0011" << 1;
    QTest::newRow("Duo: channel 03 reads position 22")
        << scanner << 15 << duo(fixedToHex(1, 0) + fixedToHex(2, 0) + fixedToHex(-7.5, 1))
        << "-7.5|03|0011" << 16;
    QTest::newRow("Duo: statuses 01 and 03 at 82 and 84") << scanner << 0 << duo(twelveZeros + "0103")
        << "0|01|1011" << 1;
    QTest::newRow("Duo: channel 13 reads over the statuses") << scanner << 95 << duo(twelveZeros + "020100")
        << "258|13|1111" << 96;
    QTest::newRow("Duo: channel 16 past the end reads 0") << scanner << 119 << duo(twelveZeros + "0102")
        << "0|16|1111" << 120;
    QTest::newRow("Duo: short reply reads 0") << scanner << 0 << shortReply("14") << "0|01|0011" << 1;
    // clang-format on
}

void LedChannelViewsTest::oneReply() {
    QFETCH(views::ViewRoutine, view);
    QFETCH(int, tnBefore);
    QFETCH(QByteArray, reply);
    panel::PanelModel panel = panel::PanelModel::design();
    panel.label1[0].caption = panel.label1[1].caption = QStringLiteral("old");
    for (auto& lamp : panel.image2)
        lamp.visible = true;
    qint16 tn = static_cast<qint16>(tnBefore);
    protocol::Readings readings;
    view(reply, panel, tn, readings);
    QString lamps;
    for (int i = 0; i < 4; ++i)
        lamps += panel.image2[i].visible ? '1' : '0';
    QTEST(panel_text::captions(panel, {0, 1}) + '|' + lamps, "shows");
    QTEST(int(tn), "tnAfter");
}

QTEST_GUILESS_MAIN(LedChannelViewsTest)
#include "test_led_channel_views.moc"
