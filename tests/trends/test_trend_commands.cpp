// 实时趋势 and 历史趋势 from the main window: the diagnosis window's two checks, the port held while
// the live trend polls, and one history browser.
#include "app/main_window.h"
#include "app/main_window_texts.h"
#include "fake_link.h"
#include "recording_sink.h"
#include "scanned_list.h"
#include "search/instrument_list.h"
#include "search/port_messages.h"
#include "trends/history_window.h"
#include "trends/live_trend_session.h"
#include "trends/live_trend_window.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {

class Window : public app::MainWindow {
public:
    using app::MainWindow::MainWindow;
    int searches = 0, portDialogs = 0, diagnoses = 0;

protected:
    void showSearchDialog() override { ++searches; }
    void showPortSettingsDialog() override { ++portDialogs; }
    void showDiagnosisWindow() override { ++diagnoses; }
};

// As the operator closes it: the frame in the workspace.
void closeTrend(app::MainWindow& w) {
    QWidget* window = w.liveTrend()->window();
    auto* frame = qobject_cast<QMdiSubWindow*>(window->parentWidget());
    QVERIFY(frame);
    frame->close();
}

} // namespace

class TestTrendCommands : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    FakeLink m_link;
    RecordingSink m_sink;

    std::unique_ptr<Window> makeWindow() {
        m_sink.shown.clear();
        m_link.openError = serial::NoError;
        m_link.close();
        return std::make_unique<Window>(m_link, m_sink, m_dir.path());
    }

private slots:
    void liveTrendGate_data();
    void liveTrendGate();
    void portHeld_data();
    void portHeld();
    void oneHistoryBrowser();
    void secondTrendReplacesFirst();
};

void TestTrendCommands::liveTrendGate_data() {
    QTest::addColumn<QList<int>>("typeCodes");
    QTest::addColumn<int>("current");
    QTest::addColumn<bool>("byToolbar");  // "TCurrent" rather than the menu entry
    QTest::addColumn<QString>("message"); // "title|text"; empty: the trend polls

    const QString none = QStringLiteral("错误|未搜索到仪表");
    const QString unknown = QStringLiteral("未知设备|无法显示实时数据");
    QTest::newRow("before any search") << QList<int>{-1} << 1 << false << none;
    QTest::newRow("unlisted type") << QList<int>{0x0C} << 1 << false << unknown;
    QTest::newRow("listed instrument") << QList<int>{0x16} << 1 << false << QString();
    QTest::newRow("second row chosen") << QList<int>{0x0C, 0x16} << 2 << false << QString();
    QTest::newRow("first row chosen, unlisted") << QList<int>{0x0C, 0x16} << 1 << false << unknown;
    QTest::newRow("toolbar, before any search") << QList<int>{-1} << 1 << true << none;
    QTest::newRow("toolbar, listed instrument") << QList<int>{0x16} << 1 << true << QString();
}

void TestTrendCommands::liveTrendGate() {
    QFETCH(QList<int>, typeCodes);
    QFETCH(int, current);
    QFETCH(bool, byToolbar);
    QFETCH(QString, message);
    auto w = makeWindow();
    fillScannedList(w->instruments(), typeCodes, current);
    if (byToolbar)
        w->toolbarButtonClicked(QStringLiteral("TCurrent"));
    else
        w->findChild<QAction*>(QStringLiteral("current"))->trigger();
    QCOMPARE(m_sink.lines(), message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(bool(w->liveTrend()), message.isEmpty());
    QCOMPARE(m_link.isOpen(), message.isEmpty());
    if (!message.isEmpty()) return;
    QVERIFY(w->liveTrend()->isPolling());
    QCOMPARE(w->liveTrend()->poll().instrument().address, current);
    QVERIFY(w->liveTrend()->window()->windowTitle().contains(QStringLiteral("地址 %1").arg(current)));
    // Closing the window ends the poll and frees the port.
    closeTrend(*w);
    QVERIFY(!m_link.isOpen());
}

void TestTrendCommands::portHeld_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<int Window::*>("shown");
    QTest::newRow("search") << QStringLiteral("TSearch") << &Window::searches;
    QTest::newRow("port settings") << QStringLiteral("TSet") << &Window::portDialogs;
    QTest::newRow("diagnosis") << QStringLiteral("TData") << &Window::diagnoses;
}

void TestTrendCommands::portHeld() {
    QFETCH(QString, command);
    QFETCH(int Window::*, shown);
    auto w = makeWindow();
    fillScannedList(w->instruments(), {0x16}, 1);
    w->openLiveTrend();
    QVERIFY(w->liveTrend() && w->liveTrend()->isPolling());

    w->toolbarButtonClicked(command);
    const QString refused = QStringLiteral("提示|") + app::texts::kTrendHoldsPort.toString();
    QCOMPARE(m_sink.lines(), QStringList{refused});
    QCOMPARE((*w).*shown, 0);
    QVERIFY(w->liveTrend()->isPolling());
    QVERIFY(m_link.isOpen());
    QCOMPARE(w->instruments().currentInstrument()->address, 1); // the list is kept

    // Once the trend is closed the command goes through.
    closeTrend(*w);
    w->toolbarButtonClicked(command);
    QCOMPARE(m_sink.shown.size(), 1);
    QCOMPARE((*w).*shown, 1);
}

void TestTrendCommands::oneHistoryBrowser() {
    auto w = makeWindow();
    w->findChild<QAction*>(QStringLiteral("history"))->trigger();
    QPointer<trends::HistoryWindow> first = w->historyWindow();
    QVERIFY(first);
    w->toolbarButtonClicked(QStringLiteral("TTrend"));
    QCOMPARE(w->historyWindow(), first.data());
    int frames = 0;
    for (QMdiSubWindow* sub : w->mdiArea()->subWindowList())
        frames += sub->widget() == first;
    QCOMPARE(frames, 1);
    QVERIFY(!m_link.isOpen()); // the browser reads the file, never the line
}

void TestTrendCommands::secondTrendReplacesFirst() {
    auto w = makeWindow();
    fillScannedList(w->instruments(), {0x16, 0x16}, 1);
    w->openLiveTrend();
    QPointer<trends::LiveTrendSession> first = w->liveTrend();
    w->instruments().setCurrentRow(2);
    w->openLiveTrend();
    QVERIFY(w->liveTrend() != first.data());
    QVERIFY(!first || !first->isPolling());
    QVERIFY(w->liveTrend()->isPolling()); // the port the first one held is free for the second
    QCOMPARE(w->liveTrend()->poll().instrument().address, 2);
    QCOMPARE(m_sink.lines(), QStringList());
}

QTEST_MAIN(TestTrendCommands)
#include "test_trend_commands.moc"
