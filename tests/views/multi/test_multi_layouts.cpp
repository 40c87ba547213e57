// The LCD layouts: style and place of every line and lamp, and nothing else shown.
#include "reply_frame.h"
#include "views/multi/multi_views.h"

#include <QtTest>

class MultiLayoutsTest : public QObject {
    Q_OBJECT
  private slots:
    void layout_data();
    void layout();
};

void MultiLayoutsTest::layout_data() {
    QTest::addColumn<views::Layout>("layout");
    QTest::addColumn<QList<int>>("labels");
    QTest::addColumn<int>("points");
    QTest::addColumn<int>("left");
    QTest::addColumn<QList<int>>("tops");
    QTest::addColumn<int>("lampTop"); // 0: no lamps shown
    QTest::newRow("paperless recorder")
        << views::Layout(views::layoutPaperlessRecorder) << QList<int>{0, 1, 4} << 22 << 1770
        << QList<int>{2130, 2610, 3090} << 3660;
    QTest::newRow("lcd pid") << views::Layout(views::layoutLcdPid) << QList<int>{0, 1} << 20 << 1700
                             << QList<int>{2250, 2760} << 3560;
    QTest::newRow("totalizer recorder")
        << views::Layout(views::layoutTotalizerRecorder) << QList<int>{0, 1, 4, 5} << 16 << 1770
        << QList<int>{2220, 2640, 3060, 3480} << 0;
    QTest::newRow("lcd scanner") << views::Layout(views::layoutLcdScanner)
                                 << QList<int>{0, 1, 2, 3, 4, 5, 6, 7} << 14 << 1520
                                 << QList<int>{2100, 2320, 2540, 2760, 2980, 3200, 3420, 3640} << 0;
}

void MultiLayoutsTest::layout() {
    QFETCH(views::Layout, layout);
    QFETCH(QList<int>, labels);
    QFETCH(QList<int>, tops);
    QFETCH(int, lampTop);
    const panel::PanelModel design = panel::PanelModel::design();
    panel::PanelModel panel = design;
    layout(panel);
    QCOMPARE(panel.image1.picture, QStringLiteral("picture/LCD80.BMP"));
    for (int i = 0; i < 9; ++i) {
        const panel::Label& l = panel.label1[i];
        QCOMPARE(l.caption, design.label1[i].caption); // layouts write no values
        const int line = labels.indexOf(i);
        QCOMPARE(l.visible, line >= 0);
        if (line < 0) continue;
        QCOMPARE(l.color, panel::Rgb(0x000000));
        QCOMPARE(l.align, panel::Align::Left);
        QTEST(l.fontPoints, "points");
        QTEST(l.left, "left");
        QCOMPARE(l.top, tops[line]);
    }
    const int lampLefts[] = {2250, 3030, 3810};
    for (int i = 0; i < 8; ++i) {
        const panel::Image& lamp = panel.image2[i];
        const bool shown = lampTop != 0 && i >= 5;
        QCOMPARE(lamp.visible, shown);
        if (!shown) continue;
        QVERIFY(lamp.picture.isEmpty()); // the design picture until the first reply
        QCOMPARE(lamp.left, lampLefts[i - 5]);
        QCOMPARE(lamp.top, lampTop);
    }
}

QTEST_GUILESS_MAIN(MultiLayoutsTest)
#include "test_multi_layouts.moc"
