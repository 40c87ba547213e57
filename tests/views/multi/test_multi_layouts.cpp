// The LCD layouts, told as the controls they change from the window as designed: style and place
// of every line and lamp, and nothing else.
#include "panel_text.h"
#include "views/multi/multi_views.h"

#include <QTest>

Q_DECLARE_METATYPE(views::Layout)

class MultiLayoutsTest : public QObject {
    Q_OBJECT
private slots:
    void layout_data();
    void layout();
};

void MultiLayoutsTest::layout_data() {
    QTest::addColumn<views::Layout>("layout");
    QTest::addColumn<QString>("changes");
    QTest::newRow("paperless recorder")
        << views::Layout(views::layoutPaperlessRecorder)
        << "L0 shown 22pt #000000 @1770,2130; "
           "L1 shown 22pt #000000 @1770,2610; L4 shown 22pt #000000 @1770,3090; "
           "I5 shown @2250,3660; I6 shown @3030,3660; I7 shown @3810,3660";
    QTest::newRow("lcd pid") << views::Layout(views::layoutLcdPid)
                             << "L0 shown 20pt #000000 @1700,2250; "
                                "L1 shown 20pt #000000 @1700,2760; I5 shown @2250,3560; I6 shown @3030,3560; "
                                "I7 shown @3810,3560";
    QTest::newRow("totalizer recorder")
        << views::Layout(views::layoutTotalizerRecorder)
        << "L0 shown 16pt #000000 @1770,2220; "
           "L1 shown 16pt #000000 @1770,2640; L4 shown 16pt #000000 @1770,3060; "
           "L5 shown 16pt #000000 @1770,3480";
    QTest::newRow("lcd scanner") << views::Layout(views::layoutLcdScanner)
                                 << "L0 shown 14pt #000000 @1520,2100; "
                                    "L1 shown 14pt #000000 @1520,2320; L2 shown 14pt #000000 @1520,2540; "
                                    "L3 shown 14pt #000000 @1520,2760; L4 shown 14pt #000000 @1520,2980; "
                                    "L5 shown 14pt #000000 @1520,3200; L6 shown 14pt #000000 @1520,3420; "
                                    "L7 shown 14pt #000000 @1520,3640";
}

void MultiLayoutsTest::layout() {
    QFETCH(views::Layout, layout);
    panel::PanelModel laid = panel::PanelModel::design();
    layout(laid);
    QTEST(panel_text::changes(panel::PanelModel::design(), laid), "changes");
}

QTEST_GUILESS_MAIN(MultiLayoutsTest)
#include "test_multi_layouts.moc"
