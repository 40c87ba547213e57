// The terminal window on a fake link: opened from the main window, seeing every engine's traffic,
// sending by hand and listening, refusing bad input, giving the port up to a scan, and the rows
// it shows while paused or filtered.
#include "app/main_window.h"
#include "engine/poll_engine.h"
#include "fake_link.h"
#include "recording_sink.h"
#include "reply_frame.h"
#include "search/instrument_list.h"
#include "search/port_messages.h"
#include "terminal/terminal_texts.h"
#include "terminal/ui/terminal_window.h"
#include "terminal/ui/traffic_model.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

using terminal::TerminalWindow;
namespace texts = terminal::texts;

namespace {

class Main : public app::MainWindow {
public:
    using app::MainWindow::MainWindow;
    // Whether the terminal still held the port when the scan or diagnosis would have begun.
    QList<bool> portHeldAtStart;

protected:
    void showSearchDialog() override {
        portHeldAtStart << (terminalWindow() && terminalWindow()->usingPort());
    }
    void showDiagnosisWindow() override {
        portHeldAtStart << (terminalWindow() && terminalWindow()->usingPort());
    }
};

struct Rig {
    QTemporaryDir dir;
    FakeLink link;
    RecordingSink messages;
    engine::TrafficHub hub;
    TerminalWindow window{link, hub, messages};
};

// A scan-like client of another engine: asks `address` on each send tick.
class Asker final : public engine::PollClient {
public:
    int address = 1;
    bool nextRequest(engine::Request& r) override {
        r.address = address;
        r.bytes = protocol::readRequest(protocol::addressField(address));
        return true;
    }
    void replyTick(const engine::ReplyReader&) override {}
};

} // namespace

class TestTerminalWindow : public QObject {
    Q_OBJECT
private slots:
    void oneWindowFromMenuAndToolbar();
    void seesOtherEnginesTraffic();
    void scanOrDiagnosisStopsTheSending_data();
    void scanOrDiagnosisStopsTheSending();
    void badInputSendsNothing_data();
    void badInputSendsNothing();
    void sendOnceJudgesTheReplyAndClosesThePort();
    void unplugWhileRepeatingSaysOnce();
    void listenNeverWrites();
    void pauseAndFilter_data();
    void pauseAndFilter();
    void rowsFollowTheRing_data();
    void rowsFollowTheRing();
};

void TestTerminalWindow::oneWindowFromMenuAndToolbar() {
    QTemporaryDir dir;
    FakeLink link;
    RecordingSink messages;
    Main main(link, messages, dir.path());
    main.findChild<QAction*>(QStringLiteral("terminal"))->trigger();
    TerminalWindow* first = main.terminalWindow();
    QVERIFY(first);
    main.toolbarButtonClicked(QStringLiteral("TTerminal"));
    QCOMPARE(main.terminalWindow(), first);
    QCOMPARE(main.mdiArea()->subWindowList().size(), 1);
    QCOMPARE(main.mdiArea()->activeSubWindow()->widget(), first);
    // Closed, it leaves the hub: engines build no events for nobody.
    main.mdiArea()->activeSubWindow()->close();
    QTRY_VERIFY(!main.terminalWindow());
    QVERIFY(!main.trafficHub().hasListeners());
}

void TestTerminalWindow::seesOtherEnginesTraffic() {
    Rig rig;
    engine::PollEngine scan(rig.link);
    rig.hub.attach(scan);
    Asker asker;
    rig.link.open();
    scan.start(asker, engine::kTicksByHand);
    scan.sendTick();
    rig.link.input = reply("01", "02");
    scan.receiveTick();
    rig.window.catchUp();
    QCOMPARE(rig.window.trafficModel().rowCount(), 2);
    QCOMPARE(rig.window.trafficModel().line(1).verdict, terminal::Verdict::Accepted);
    QCOMPARE(rig.window.log().health().rows().at(1).accepted, 1);
}

void TestTerminalWindow::scanOrDiagnosisStopsTheSending_data() {
    QTest::addColumn<QString>("command");
    QTest::newRow("search") << "TSearch";
    QTest::newRow("diagnosis") << "TData";
}

void TestTerminalWindow::scanOrDiagnosisStopsTheSending() {
    QFETCH(QString, command);
    QTemporaryDir dir;
    FakeLink link;
    RecordingSink messages;
    Main main(link, messages, dir.path());
    main.openTerminal();
    QVERIFY(main.terminalWindow()->sendReadRequest(QStringLiteral("5"), true, 500));
    QVERIFY(link.isOpen());
    // A found instrument, so that the diagnosis gate lets the command through.
    Instrument found;
    found.address = 5;
    found.typeCode = 0x02;
    found.addressText = "05";
    main.instruments().setInstrument(1, found);
    main.toolbarButtonClicked(command);
    QCOMPARE(main.portHeldAtStart, QList<bool>{false});
    QVERIFY(!link.isOpen());
    QVERIFY(messages.shown.isEmpty());
}

void TestTerminalWindow::badInputSendsNothing_data() {
    QTest::addColumn<QString>("address"); // empty: free text
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("interval"); // 0: once
    QTest::addColumn<int>("openError");
    QTest::addColumn<QString>("message");
    QTest::newRow("address too high") << "256"
                                      << "" << 0 << 0 << texts::kBadAddress.arg("256");
    QTest::newRow("address not a number") << "abc"
                                          << "" << 0 << 0 << texts::kBadAddress.arg("abc");
    QTest::newRow("empty text") << ""
                                << "" << 0 << 0 << texts::kEmptyText.toString();
    QTest::newRow("malformed escape") << ""
                                      << "@01\\q" << 0 << 0 << texts::kBadEscape.arg(4);
    QTest::newRow("interval too short") << "1"
                                        << "" << 99 << 0 << texts::kBadInterval.arg(99);
    QTest::newRow("interval too long") << ""
                                       << "x" << 60001 << 0 << texts::kBadInterval.arg(60001);
    QTest::newRow("port busy") << "1"
                               << "" << 0 << int(serial::PortInUse) << portmsg::textFor(serial::PortInUse);
    QTest::newRow("port gone") << ""
                               << "x" << 500 << int(serial::NoSuchPort)
                               << portmsg::textFor(serial::NoSuchPort);
}

void TestTerminalWindow::badInputSendsNothing() {
    QFETCH(QString, address);
    QFETCH(QString, text);
    QFETCH(int, interval);
    QFETCH(int, openError);
    QFETCH(QString, message);
    Rig rig;
    rig.link.openError = static_cast<serial::PortError>(openError);
    const bool started = address.isEmpty() ? rig.window.sendText(text, true, interval > 0, interval)
                                           : rig.window.sendReadRequest(address, interval > 0, interval);
    QVERIFY(!started);
    QCOMPARE(rig.messages.shown.size(), 1);
    QCOMPARE(rig.messages.shown[0].text, message);
    QVERIFY(rig.link.written.isEmpty());
    QVERIFY(!rig.link.isOpen());
    QVERIFY(!rig.window.usingPort());
}

void TestTerminalWindow::sendOnceJudgesTheReplyAndClosesThePort() {
    Rig rig;
    QVERIFY(rig.window.sendReadRequest(QStringLiteral("0x1F"), false, 0));
    QCOMPARE(rig.link.written, QList<QByteArray>{protocol::readRequest("1F")});
    rig.link.input = reply("1F", "02");
    QTRY_COMPARE(rig.window.log().endSeq(), qint64(2));
    const terminal::TrafficLine& answer = rig.window.log().at(1);
    QCOMPARE(answer.verdict, terminal::Verdict::Accepted);
    QCOMPARE(answer.address, 31);
    QVERIFY(answer.roundTripMs >= 0);
    // The reply window of a frame sent once ends, and with it the use of the port.
    QTRY_VERIFY_WITH_TIMEOUT(!rig.link.isOpen(), 5000);
    QVERIFY(!rig.window.usingPort());
    QCOMPARE(rig.link.written.size(), 1);
}

void TestTerminalWindow::unplugWhileRepeatingSaysOnce() {
    Rig rig;
    QVERIFY(rig.window.sendText(QStringLiteral("@02RD"), true, true, 100));
    QTRY_VERIFY(rig.link.written.size() >= 2);
    rig.link.unplug();
    rig.link.unplug();
    QCOMPARE(rig.messages.shown.size(), 1);
    QCOMPARE(rig.messages.shown[0].text, portmsg::lostText(QStringLiteral("device removed")));
    QVERIFY(!rig.window.usingPort());
    const int written = rig.link.written.size();
    // Nothing more goes out: the engine's timers are off.
    QVERIFY(!rig.window.engine().isRunning());
    QCOMPARE(rig.link.written.size(), written);
}

void TestTerminalWindow::listenNeverWrites() {
    Rig rig;
    QVERIFY(rig.window.listen());
    rig.link.input = protocol::readRequest("07") + reply("07", "10") + "\x01\x02";
    QTRY_COMPARE(rig.window.log().endSeq(), qint64(2));
    QCOMPARE(rig.window.log().at(0).verdict, terminal::Verdict::HeardRequest);
    QCOMPARE(rig.window.log().at(1).verdict, terminal::Verdict::Accepted);
    QCOMPARE(rig.window.log().health().rows().at(7).accepted, 1);
    QVERIFY(rig.link.written.isEmpty());
    rig.window.releasePort();
    QVERIFY(!rig.link.isOpen());
}

void TestTerminalWindow::pauseAndFilter_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<int>("rowsAfterResume");
    QTest::newRow("everything") << "" << 6;
    QTest::newRow("address 2 only") << "2" << 2;
}

void TestTerminalWindow::pauseAndFilter() {
    QFETCH(QString, filter);
    QFETCH(int, rowsAfterResume);
    Rig rig;
    engine::PollEngine other(rig.link);
    rig.hub.attach(other);
    Asker asker;
    rig.link.open();
    other.start(asker, engine::kTicksByHand);
    auto askAndAnswer = [&](int address) {
        asker.address = address;
        other.sendTick();
        rig.link.input = reply(protocol::addressField(address), "02");
        other.receiveTick();
    };
    QVERIFY(rig.window.setFilter(filter));
    askAndAnswer(1);
    rig.window.catchUp();
    const int before = rig.window.trafficModel().rowCount();
    rig.window.trafficModel().setPaused(true);
    askAndAnswer(2);
    askAndAnswer(3);
    rig.window.catchUp();
    QCOMPARE(rig.window.trafficModel().rowCount(), before);
    QCOMPARE(rig.window.trafficModel().waiting(), qint64(4));
    QCOMPARE(rig.window.log().health().rows().size(), size_t(3)); // counted while paused
    rig.window.trafficModel().setPaused(false);
    QCOMPARE(rig.window.trafficModel().rowCount(), rowsAfterResume);
    QVERIFY(!rig.window.setFilter(QStringLiteral("0x")));
    QCOMPARE(rig.messages.shown.size(), 1);
}

void TestTerminalWindow::rowsFollowTheRing_data() {
    QTest::addColumn<bool>("pausedWhileWrapping");
    QTest::addColumn<int>("filter");
    QTest::addColumn<QList<int>>("addresses"); // of the rows after resuming
    QTest::newRow("running: the newest four") << false << -1 << QList<int>{6, 7, 8, 9};
    QTest::newRow("paused: lines that left the ring are gone, the rest come")
        << true << -1 << QList<int>{6, 7, 8, 9};
    QTest::newRow("filtered while wrapping") << false << 8 << QList<int>{8};
}

void TestTerminalWindow::rowsFollowTheRing() {
    QFETCH(bool, pausedWhileWrapping);
    QFETCH(int, filter);
    QFETCH(QList<int>, addresses);
    terminal::TrafficLog log(4);
    terminal::TrafficModel model(log);
    model.setAddressFilter(filter);
    auto replyFrom = [&log](int address) {
        engine::TrafficEvent e;
        e.kind = engine::TrafficKind::ReplyAccepted;
        e.bytes = reply(protocol::addressField(address), "02");
        e.address = address;
        log.onTraffic(e);
    };
    for (int a = 0; a < 3; ++a)
        replyFrom(a);
    model.sync();
    model.setPaused(pausedWhileWrapping);
    for (int a = 3; a < 10; ++a) {
        replyFrom(a);
        model.sync();
    }
    if (pausedWhileWrapping) QCOMPARE(model.rowCount(), 0); // all three shown rows left the ring
    model.setPaused(false);
    QList<int> shown;
    for (int r = 0; r < model.rowCount(); ++r)
        shown << model.line(r).address;
    QCOMPARE(shown, addresses);
}

QTEST_MAIN(TestTerminalWindow)
#include "test_terminal_window.moc"
