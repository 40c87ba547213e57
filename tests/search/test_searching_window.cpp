// The search window: its labels, and every way it ends closes the port and keeps the rows.
#include "fake_link.h"
#include "recording_sink.h"
#include "reply_frame.h"
#include "search/instrument_list.h"
#include "search/scan.h"
#include "search/searching_window.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

// A scan of 1..200 with its window shown (timers running) and the port open, as the search
// dialog leaves it.
struct Rig {
    FakeLink link;
    protocol::LineTexts line;
    InstrumentList list;
    RecordingSink messages;
    Scan scan{link, line, list, 1, 200};
    SearchingWindow window{scan, link, messages, nullptr};

    Rig() {
        link.open();
        window.show();
    }
    // One full slot: the request, then what arrives, then the receive ticks of the slot.
    void slot(const QByteArray& input = {}) {
        scan.sendTick();
        link.input = input;
        for (int i = 0; i < 17; ++i) scan.receiveTick();
    }
    bool stopped() {
        return !link.isOpen() && !window.isVisible() && !window.timer1().isActive() && !window.timer2().isActive();
    }
};

} // namespace

class TestSearchingWindow : public QObject {
    Q_OBJECT
private slots:
    void labels();
    void endings_data();
    void endings();
    void unplugMidScan();
};

void TestSearchingWindow::labels() {
    FakeLink link;
    link.setPortNumber(3);
    link.setSettings(QStringLiteral(" 4800,n,8,1"));
    protocol::LineTexts line;
    InstrumentList list;
    RecordingSink messages;
    Scan scan(link, line, list, 7, 9);
    SearchingWindow window(scan, link, messages, nullptr);
    QCOMPARE(window.windowTitle(), QString());
    QStringList shown{window.label3(0)->text(), window.label3(1)->text(), window.label4()->text()};
    scan.sendTick();
    scan.sendTick();
    shown << window.label4()->text();
    QCOMPARE(shown, (QStringList{"COM3", "4800", "7", "8"}));
}

void TestSearchingWindow::endings_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("stop during the fifth slot") << "stop";
    QTest::newRow("close control") << "close";
    QTest::newRow("escape key") << "escape";
}

void TestSearchingWindow::endings() {
    QFETCH(QString, how);
    Rig rig;
    rig.slot();
    rig.slot(reply("02", "16"));
    rig.slot();
    rig.slot(reply("04", "1E"));
    rig.scan.sendTick(); // the fifth request is out
    QVERIFY(rig.window.timer1().isActive() && rig.window.timer2().isActive());
    if (how == "stop") QTest::mouseClick(rig.window.command1(), Qt::LeftButton);
    else if (how == "close") rig.window.close();
    else QTest::keyClick(&rig.window, Qt::Key_Escape);

    QVERIFY(rig.stopped());
    QCOMPARE(rig.link.closeCount, 1);
    QCOMPARE(rig.link.written.size(), 5);
    QCOMPARE(rig.list.rows(), 3);
    QCOMPARE(rig.list.addressCell(1), QStringLiteral("0002（0x02H）"));
    QCOMPARE(rig.list.addressCell(2), QStringLiteral("0004（0x04H）"));
    QVERIFY(rig.messages.shown.isEmpty());
}

void TestSearchingWindow::unplugMidScan() {
    Rig rig;
    rig.slot(reply("01", "16"));
    rig.slot();
    rig.link.unplug();
    QVERIFY(rig.stopped());
    QCOMPARE(rig.messages.shown.size(), 1);
    QCOMPARE(rig.messages.shown[0].title, QStringLiteral("错误"));
    QVERIFY(rig.messages.shown[0].text.contains(QStringLiteral("device removed")));
    QCOMPARE(rig.list.addressCell(1), QStringLiteral("0001（0x01H）"));
    // A second failure report after the window closed shows nothing more.
    rig.link.unplug();
    QCOMPARE(rig.messages.shown.size(), 1);
}

QTEST_MAIN(TestSearchingWindow)
#include "test_searching_window.moc"
