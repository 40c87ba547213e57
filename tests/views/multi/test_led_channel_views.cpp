// The LED dual-channel controller and LED scanner: channel values with their own decimals, the
// decimals read as a decimal number, alarm lamps, and the scanner's channel positions.
#include "reply_frame.h"
#include "views/multi/multi_views.h"

#include <QtTest>

using panel::PanelModel;
using protocol::fixedToHex;

namespace {

// A panel after earlier replies: both lines hold "old", every lamp is shown.
PanelModel usedPanel() {
    PanelModel panel = PanelModel::design();
    panel.label1[0].caption = panel.label1[1].caption = QStringLiteral("old");
    for (auto& lamp : panel.image2)
        lamp.visible = true;
    return panel;
}

// "Label1(0)|Label1(1)|lamps", lamp i written '1' when shown.
QString shown(const PanelModel& panel, int lamps) {
    QString out = panel.label1[0].caption + QLatin1Char('|') + panel.label1[1].caption + QLatin1Char('|');
    for (int i = 0; i < lamps; ++i)
        out += panel.image2[i].visible ? QLatin1Char('1') : QLatin1Char('0');
    return out;
}

} // namespace

class LedChannelViewsTest : public QObject {
    Q_OBJECT
  private slots:
    void showDouble_data();
    void showDouble();
    void showDuo_data();
    void showDuo();
};

void LedChannelViewsTest::showDouble_data() {
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QString>("shows");
    const auto line = [](const QByteArray& data) { return replyLine("08", data); };
    // clang-format off
    QTest::newRow("two decimals, negative whole, lamps off")
        << line(fixedToHex(12.34, 2) + fixedToHex(-5, 0) + "00000000") << "12.34|-5|0000";
    QTest::newRow("decimals 5 keep the caption") << line("D20405D28401") << "old|-123.4|0000";
    QTest::newRow("decimals 0A and 1A read as 0 and 1") << line("D2040AD2041A") << "0|0.0|0000";
    QTest::newRow("statuses FF 01 02 03") << line("000000000000" "FF010203") << "0|0|0110";
    QTest::newRow("short reply reads 0 everywhere") << cutReplyLine("08") << "0|0|0000";
    // clang-format on
}

void LedChannelViewsTest::showDouble() {
    QFETCH(QByteArray, reply);
    PanelModel panel = usedPanel();
    qint16 tn = 7;
    views::ShowDouble(reply, panel, tn);
    QTEST(shown(panel, 4), "shows");
    QCOMPARE(tn, qint16(7)); // not a paging view
}

void LedChannelViewsTest::showDuo_data() {
    QTest::addColumn<int>("tnBefore");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QString>("shows");
    const auto line = [](const QByteArray& data) { return replyLine("14", data); };
    const QByteArray twelveZeros = QByteArray("000000").repeated(12);
    // clang-format off
    QTest::newRow("channel 01 reads position 10")
        << 0 << line(fixedToHex(12.34, 2) + fixedToHex(9, 0)) << "12.34|01|00";
    QTest::newRow("channel 03 reads position 22")
        << 15 << line(fixedToHex(1, 0) + fixedToHex(2, 0) + fixedToHex(-7.5, 1)) << "-7.5|03|00";
    QTest::newRow("decimals 5 keep the caption") << 0 << line("D20405") << "old|01|00";
    QTest::newRow("statuses 01 and 03 at 82 and 84") << 0 << line(twelveZeros + "0103") << "0|01|10";
    QTest::newRow("channel 13 reads over the statuses") << 95 << line(twelveZeros + "020100") << "258|13|11";
    QTest::newRow("channel 16 past the end reads 0") << 119 << line(twelveZeros + "0102") << "0|16|11";
    QTest::newRow("short reply reads 0") << 0 << cutReplyLine("14") << "0|01|00";
    // clang-format on
}

void LedChannelViewsTest::showDuo() {
    QFETCH(int, tnBefore);
    QFETCH(QByteArray, reply);
    PanelModel panel = usedPanel();
    qint16 tn = static_cast<qint16>(tnBefore);
    views::ShowDuo(reply, panel, tn);
    QTEST(shown(panel, 2), "shows");
}

QTEST_GUILESS_MAIN(LedChannelViewsTest)
#include "test_led_channel_views.moc"
