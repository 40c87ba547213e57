// The diagnosis window: load step, ways out, unload step, the real views, and Tn across openings.
#include "diagnosis/dynamic_window.h"
#include "diagnosis/panel/panel_widget.h"
#include "fake_link.h"
#include "recording_sink.h"
#include "reply_frame.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

const QString kFrequency = QStringLiteral("LED系列——频率表");

struct Rig {
    FakeLink link;
    RecordingSink messages;
    DynamicWindow window;
    Instrument instrument;

    explicit Rig(int typeCode = 0x16, engine::Intervals intervals = engine::kTicksByHand)
        : window(link, messages, QStringLiteral("/nonexistent"), nullptr, intervals) {
        instrument.address = 31;
        instrument.typeCode = typeCode;
        instrument.addressText = "1F";
    }

    // Opens the window modally and runs `whileOpen` inside it; the window must be closed by then or
    // is closed with "退出". Returns what showModal() returned.
    bool open(const std::function<void()>& whileOpen) {
        QTimer::singleShot(0, &window, [this, whileOpen] {
            whileOpen();
            if (window.isVisible()) QTest::mouseClick(window.command1(), Qt::LeftButton);
        });
        return window.showModal(instrument);
    }
    // One request and `receiveTicks` receive ticks of the window's engine.
    void slot(const QByteArray& input, int receiveTicks) {
        window.engine().sendTick();
        link.input = input;
        for (int i = 0; i < receiveTicks; ++i)
            window.engine().receiveTick();
    }
    const panel::PanelModel& panel() { return window.pollCycle().panel(); }
};

} // namespace

class TestDynamicWindow : public QObject {
    Q_OBJECT
private slots:
    void loadStep_data();
    void loadStep();
    void openFailureShowsAndStops();
    void waysOut_data();
    void waysOut();
    void realViewIsRenderedAfterTheTick();
    void tnPersistsAndPanelStartsAfresh();
    void unplugStopsPolling();
    void pollsAtTheGivenIntervals();
};

void TestDynamicWindow::loadStep_data() {
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("settings");
    QTest::addColumn<int>("typeCode");
    QTest::addColumn<QStringList>("label3");
    QTest::addColumn<QString>("picture");
    QTest::newRow("frequency meter, blank before the rate")
        << 1 << " 9600,n,8,1" << 0x16
        << QStringList{"通讯口： COM1", "波特率： 9600", "仪表类型：LED系列——频率表"} << "picture/C80.BMP";
    QTest::newRow("type the catalogue lacks keeps the design")
        << 2 << "19200,n,8,1" << 0x0C << QStringList{"通讯口： COM2", "波特率： 19200", "仪表类型："}
        << QString();
}

void TestDynamicWindow::loadStep() {
    QFETCH(int, port);
    QFETCH(QString, settings);
    QFETCH(int, typeCode);
    QFETCH(QStringList, label3);
    QFETCH(QString, picture);
    Rig rig(typeCode, engine::kDiagnosisIntervals);
    rig.link.setPortNumber(qint16(port));
    rig.link.setSettings(settings);
    QStringList captions, shown;
    QString front;
    bool polling = false;
    QVERIFY(rig.open([&] {
        for (const auto& l : rig.panel().label3)
            captions << l.caption;
        for (int i = 0; i < 3; ++i)
            shown << rig.window.findChild<QLabel*>(QStringLiteral("Label3(%1)").arg(i))->text();
        front = rig.panel().image1.picture;
        polling = rig.link.isOpen() && rig.window.engine().isRunning();
    }));
    QCOMPARE(captions, label3);
    QCOMPARE(shown, label3);
    QCOMPARE(front, picture);
    QVERIFY(polling);
    QCOMPARE(rig.window.windowTitle(), QStringLiteral("数据诊断"));
    QCOMPARE(rig.window.command1()->text(), QStringLiteral("退出"));
    QCOMPARE(rig.window.engine().intervals().sendMs, 2000);
    QCOMPARE(rig.window.engine().intervals().receiveMs, 80);
    QVERIFY(rig.link.written.isEmpty()); // no request at load
}

// The words are the search dialog's; here what matters is that nothing runs.
void TestDynamicWindow::openFailureShowsAndStops() {
    Rig rig;
    rig.link.openError = serial::PortInUse;
    // It returns without running a modal loop of its own.
    QVERIFY(!rig.window.showModal(rig.instrument));
    QVERIFY(!rig.window.isVisible());
    QCOMPARE(rig.messages.lines(),
             QStringList{QStringLiteral("错误|所设定的通讯端口已被其他设备占用，请重新设定通信端口！")});
    QVERIFY(!rig.window.engine().isRunning());
    QVERIFY(rig.link.written.isEmpty());
}

void TestDynamicWindow::waysOut_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("exit button") << "exit";
    QTest::newRow("close control") << "close";
    QTest::newRow("escape key") << "escape";
}

void TestDynamicWindow::waysOut() {
    QFETCH(QString, how);
    Rig rig;
    for (int opening = 1; opening <= 2; ++opening) {
        QVERIFY(rig.open([&] {
            rig.slot(reply("1F", "16", "D2040101000100"), 2);
            if (how == "exit")
                QTest::mouseClick(rig.window.command1(), Qt::LeftButton);
            else if (how == "close")
                rig.window.close();
            else
                QTest::keyClick(&rig.window, Qt::Key_Escape);
        }));
        QVERIFY(!rig.window.isVisible());
        QVERIFY(!rig.link.isOpen());
        QVERIFY(!rig.window.engine().isRunning());
        QCOMPARE(rig.link.closeCount, opening);
        // Unload step: value captions empty, lamps hidden, buffer empty.
        for (int i = 0; i < 8; ++i)
            QCOMPARE(rig.panel().label1[i].caption, QString());
        for (const auto& lamp : rig.panel().image2)
            QVERIFY(!lamp.visible);
        QCOMPARE(rig.window.engine().reader().buffer(), QByteArray());
    }
    QCOMPARE(rig.link.openCount, 2);
    QVERIFY(rig.messages.shown.isEmpty());
    QCOMPARE(rig.link.written.size(), 2);
    QCOMPARE(rig.link.written[1], QByteArray("@1FRD61\r"));
}

void TestDynamicWindow::realViewIsRenderedAfterTheTick() {
    Rig rig;
    QString model, widget;
    bool lampShown = false;
    rig.open([&] {
        // 1234 with one decimal; alarm 1 on.
        rig.slot(reply("1F", "16", "D2040101000000"), 1);
        model = rig.panel().label1[0].caption;
        widget = rig.window.findChild<QLabel*>(QStringLiteral("Label1(0)"))->text();
        lampShown = rig.panel().image2[0].visible;
    });
    QCOMPARE(model, QStringLiteral("123.4"));
    QCOMPARE(widget, model);
    QVERIFY(lampShown);
}

void TestDynamicWindow::tnPersistsAndPanelStartsAfresh() {
    Rig rig;
    static int calls = 0;
    calls = 0;
    rig.window.pollCycle().setDispatch([](int) -> views::ViewRoutine {
        return [](const QByteArray&, panel::PanelModel& panel, qint16& tn, protocol::Readings&) {
            ++calls;
            ++tn;
            panel.label1[8].caption = QStringLiteral("page %1").arg(tn);
        };
    });
    QString captionAtSecondOpening;
    rig.open([&] { rig.slot(reply("1F", "16"), 3); });
    QCOMPARE(int(rig.window.tn()), 3);
    rig.open([&] {
        captionAtSecondOpening = rig.panel().label1[8].caption;
        rig.slot(reply("1F", "16"), 2);
    });
    QCOMPARE(int(rig.window.tn()), 5);
    QCOMPARE(calls, 5);
    QCOMPARE(captionAtSecondOpening, QStringLiteral("0.0")); // the design caption again
}

void TestDynamicWindow::unplugStopsPolling() {
    Rig rig;
    bool stillOpen = true;
    rig.open([&] {
        rig.slot(reply("1F", "16", "D2040100000000"), 1);
        rig.link.unplug();
        stillOpen = rig.window.isVisible();
    });
    QVERIFY(!stillOpen);
    QCOMPARE(rig.messages.shown.size(), 1);
    QCOMPARE(rig.messages.shown[0].title, QStringLiteral("错误"));
    QVERIFY(rig.messages.shown[0].text.contains(QStringLiteral("device removed")));
    QVERIFY(!rig.window.engine().isRunning());
    // Losing the device again while the window is closed reports nothing.
    rig.link.unplug();
    QCOMPARE(rig.messages.shown.size(), 1);
    // The window opens again once the port is back.
    QVERIFY(rig.open([] {}));
    QCOMPARE(rig.link.openCount, 2);
}

// The window's own timers, at intervals of a few milliseconds, poll and render without a hand.
void TestDynamicWindow::pollsAtTheGivenIntervals() {
    Rig rig(0x16, {20, 5});
    QString shown;
    QVERIFY(rig.open([&] {
        QTRY_VERIFY_WITH_TIMEOUT(!rig.link.written.isEmpty(), 5000);
        rig.link.input = reply("1F", "16", "D2040101000000");
        QTRY_VERIFY_WITH_TIMEOUT(
            !(shown = rig.window.findChild<QLabel*>(QStringLiteral("Label1(0)"))->text()).isEmpty() &&
                shown != QLatin1String("0.0"),
            5000);
    }));
    QCOMPARE(shown, QStringLiteral("123.4"));
    QCOMPARE(rig.link.written.first(), QByteArray("@1FRD61\r"));
}

QTEST_MAIN(TestDynamicWindow)
#include "test_dynamic_window.moc"
