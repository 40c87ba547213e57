// The search window: its labels, and every way it ends closes the port and keeps the rows.
#include "engine/monotonic_clock.h"
#include "fake_link.h"
#include "recording_sink.h"
#include "reply_frame.h"
#include "search/fast_scan.h"
#include "search/instrument_list.h"
#include "search/scan.h"
#include "search/searching_window.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

namespace {

// A scan of 1..`last` with its window shown (polling) and the port open, as the search dialog
// leaves it. The ticks are called by hand.
struct Rig {
    FakeLink link;
    InstrumentList list;
    RecordingSink messages;
    Scan scan;
    SearchingWindow window{scan, link, messages, nullptr, engine::kTicksByHand};

    explicit Rig(int last = 200) : scan(list, 1, qint16(last)) {
        link.open();
        window.show();
    }
    // One full slot: the request, then what arrives, then the receive ticks of the slot.
    void slot(const QByteArray& input = {}) {
        window.engine().sendTick();
        link.input = input;
        for (int i = 0; i < 17; ++i)
            window.engine().receiveTick();
    }
    bool stopped() { return !link.isOpen() && !window.isVisible() && !window.engine().isRunning(); }
};

} // namespace

class TestSearchingWindow : public QObject {
    Q_OBJECT
private slots:
    void labels();
    void intervalsFromOutside_data();
    void intervalsFromOutside();
    void endings_data();
    void endings();
    void unplugMidScan();
    void progress_data();
    void progress();
};

void TestSearchingWindow::labels() {
    FakeLink link;
    link.setPortNumber(3);
    link.setSettings(QStringLiteral(" 4800,n,8,1"));
    InstrumentList list;
    RecordingSink messages;
    Scan scan(list, 7, 9);
    SearchingWindow window(scan, link, messages, nullptr, engine::kTicksByHand);
    QCOMPARE(window.windowTitle(), QString());
    QStringList shown{window.label3(0)->text(), window.label3(1)->text(), window.label4()->text()};
    link.open();
    window.show();
    window.engine().sendTick();
    window.engine().sendTick();
    shown << window.label4()->text();
    QCOMPARE(shown, (QStringList{"COM3", "4800", "7", "8"}));
}

void TestSearchingWindow::intervalsFromOutside_data() {
    QTest::addColumn<bool>("given");
    QTest::addColumn<int>("sendMs");
    QTest::addColumn<int>("receiveMs");
    QTest::newRow("the program's") << false << 1360 << 80;
    QTest::newRow("a test's") << true << 30 << 5;
}

// Polling starts when the window shows, at the intervals it was given.
void TestSearchingWindow::intervalsFromOutside() {
    QFETCH(bool, given);
    QFETCH(int, sendMs);
    QFETCH(int, receiveMs);
    FakeLink link;
    InstrumentList list;
    RecordingSink messages;
    Scan scan(list, 1, 2);
    const auto window = given ? std::make_unique<SearchingWindow>(scan, link, messages, nullptr,
                                                                  engine::Intervals{sendMs, receiveMs})
                              : std::make_unique<SearchingWindow>(scan, link, messages, nullptr);
    link.open();
    QVERIFY(!window->engine().isRunning());
    window->show();
    QVERIFY(window->engine().isRunning());
    QCOMPARE(window->engine().intervals().sendMs, sendMs);
    QCOMPARE(window->engine().intervals().receiveMs, receiveMs);
}

void TestSearchingWindow::endings_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("stop during the fifth slot") << "stop";
    QTest::newRow("close control") << "close";
    QTest::newRow("escape key") << "escape";
    QTest::newRow("range of five done") << "done";
}

void TestSearchingWindow::endings() {
    QFETCH(QString, how);
    Rig rig(how == "done" ? 5 : 200);
    rig.slot();
    rig.slot(reply("02", "16"));
    rig.slot();
    rig.slot(reply("04", "1E"));
    rig.window.engine().sendTick(); // the fifth request is out
    QVERIFY(rig.window.engine().isRunning());
    if (how == "stop")
        QTest::mouseClick(rig.window.command1(), Qt::LeftButton);
    else if (how == "close")
        rig.window.close();
    else if (how == "escape")
        QTest::keyClick(&rig.window, Qt::Key_Escape);
    else
        rig.window.engine().sendTick();

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

void TestSearchingWindow::progress_data() {
    QTest::addColumn<bool>("fast");
    // Per address asked: what it answers (empty: silence). The scan of 1 to 10.
    QTest::addColumn<QList<QByteArray>>("answers");
    QTest::addColumn<int>("asking");
    QTest::addColumn<int>("bar");
    QTest::addColumn<QString>("found");
    QTest::addColumn<QString>("elapsed");
    QTest::addColumn<QString>("left");

    QTest::newRow("standard: three slots of 1360 ms over, seven to go")
        << false << QList<QByteArray>{reply("01", "16"), reply("02", "16"), {}} << 4 << 3 << "2"
        << "0:05"
        << "0:13";
    QTest::newRow("fast: two slots over, a reply and a time-out")
        << true << QList<QByteArray>{reply("01", "16"), {}} << 3 << 2 << "1"
        << "0:00"
        << "0:00";
}

void TestSearchingWindow::progress() {
    QFETCH(bool, fast);
    QFETCH(QList<QByteArray>, answers);
    QFETCH(int, asking);
    QFETCH(int, bar);
    QFETCH(QString, found);
    QFETCH(QString, elapsed);
    QFETCH(QString, left);

    FakeLink link;
    InstrumentList list;
    RecordingSink messages;
    Scan scan(list, 1, 10);
    engine::ManualClock clock;
    SearchingWindow window(scan, link, messages, nullptr, engine::kTicksByHand);
    window.engine().setClock(clock);
    if (fast) {
        window.setFastScan(400);
        window.fastScan()->setTicksByHand(true);
    }
    link.open();
    window.show();
    QCOMPARE(window.progressBar()->maximum(), 10);
    QCOMPARE(window.leftLabel()->text(), QStringLiteral("--:--"));
    for (int i = 0; i < answers.size(); ++i) {
        const QByteArray& answer = answers[i];
        if (fast) {
            // The reply 30 ms after the request, then the scan's own wake-ups until it asks on.
            clock.advance(30);
            link.input = answer;
            window.engine().receiveTick();
            for (int n = 0; n < 10 && window.label4()->text() == QString::number(i + 1); ++n) {
                clock.set(std::max(clock.nowMs(), window.fastScan()->wakeAtMs()));
                window.engine().receiveTick();
            }
        } else {
            clock.advance(engine::kScanIntervals.sendMs);
            window.engine().sendTick();
            link.input = answer;
            window.engine().receiveTick();
        }
    }
    if (!fast) {
        clock.advance(engine::kScanIntervals.sendMs);
        window.engine().sendTick();
    }
    QCOMPARE(window.label4()->text(), QString::number(asking));
    QCOMPARE(window.progressBar()->value(), bar);
    QCOMPARE(window.foundLabel()->text(), found);
    QCOMPARE(window.elapsedLabel()->text(), elapsed);
    QCOMPARE(window.leftLabel()->text(), left);
}

QTEST_MAIN(TestSearchingWindow)
#include "test_searching_window.moc"
