// Each LED-series layout, told as the controls it changes from the window as designed.
#include "panel_text.h"
#include "views/led/led_views.h"

#include <QTest>

Q_DECLARE_METATYPE(views::Layout)

class LedLayouts : public QObject {
    Q_OBJECT
private slots:
    void changes_data() {
        QTest::addColumn<views::Layout>("layout");
        QTest::addColumn<QString>("expected");
        QTest::newRow("single display C80") << views::Layout(views::layoutSingleDisplay)
                                            << "L0 shown 36pt @3280,2100; I0 @1170,1830; I1 @1170,2640; "
                                               "I2 @5940,2220; I3 @5940,2640";
        QTest::newRow("two display D80, Label1(3) keeps its design place")
            << views::Layout(views::layoutTwoDisplay)
            << "L0 shown 36pt @3270,1620; L1 shown 36pt @3270,2670; L2 @360,4850; "
               "L4 @360,5180; I0 @1170,1830; I1 @1170,2700; I2 @5970,1800; I3 @5970,2250; I4 @5970,2700";
        QTest::newRow("program controller P80")
            << views::Layout(views::layoutProgramController)
            << "L0 shown 36pt @3630,1980; L1 shown 26pt @4185,2970; L2 @360,4950; "
               "L3 @360,5280; L4 shown 26pt @2700,2970; I0 @1200,1830; I1 @1200,2250; I4 @5850,2370";
        QTest::newRow("flow totalizer L80")
            << views::Layout(views::layoutFlowTotalizer)
            << "L0 shown 36pt @3390,1980; L1 shown 26pt @3390,2970; I0 @1050,2700; "
               "I1 @1050,3120";
        QTest::newRow("power meter AC80, lamps shown in a row")
            << views::Layout(views::layoutPowerMeter)
            << "L0 shown 36pt @1530,1830; L1 shown 36pt @1530,2850; L2 shown 16pt; "
               "L3 shown 16pt; L4 shown 36pt @4200,1830; L8 shown 16pt @360,5430; I0 shown @2980,3900; "
               "I1 shown @3335,3900; I2 shown @3690,3900; I3 shown @4045,3900; I4 shown @4400,3900";
        QTest::newRow("power module DL80, titles over values, no lamps")
            << views::Layout(views::layoutPowerModule)
            << "L0 shown 20pt @6000,2000; L1 shown 20pt @6000,3000; L2 shown 16pt; "
               "L3 shown 16pt; L4 shown 20pt @6000,4000; L5 shown 16pt @6000,1500 '有功功率P'; "
               "L6 shown 16pt @6000,2500 '无功功率Q'; L7 shown 16pt @6000,3500 '频率F'; "
               "L8 shown 16pt @360,5430";
    }
    void changes() {
        QFETCH(views::Layout, layout);
        panel::PanelModel laid = panel::PanelModel::design();
        layout(laid);
        QTEST(panel_text::changes(panel::PanelModel::design(), laid), "expected");
    }
};

QTEST_APPLESS_MAIN(LedLayouts)
#include "tst_led_layouts.moc"
