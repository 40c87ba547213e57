#include "app/main_window.h"
#include "config/settings_format.h"
#include "fake_link.h"
#include "link/settings_file.h"
#include "recording_sink.h"
#include "search/index_window.h"
#include "search/instrument_list.h"
#include "views/instrument_types.h"

#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QStatusBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>

namespace {

// The main window with its modal windows replaced by counters.
class TestableMainWindow : public app::MainWindow {
public:
    using app::MainWindow::MainWindow;
    int searches = 0, portDialogs = 0, diagnoses = 0, configDialogs = 0;
    // What the stand-in 配置 dialog does on OK; nothing when empty.
    std::function<void(config::AppSettings&)> configChoice;

protected:
    void showSearchDialog() override { ++searches; }
    void showPortSettingsDialog() override { ++portDialogs; }
    void showDiagnosisWindow() override { ++diagnoses; }
    bool showConfigDialog() override {
        ++configDialogs;
        if (configChoice) configChoice(appSettings());
        return bool(configChoice);
    }
};

// A row as a scan leaves it, from its address and type cells; an empty address cell leaves it empty.
void fillRow(InstrumentList& list, int row, const QString& address, const QString& type) {
    while (list.rows() <= row)
        list.addRow();
    if (address.isEmpty()) return;
    Instrument found;
    found.address = address.left(4).toInt();
    found.addressText = address.mid(7, 2).toLatin1();
    const views::InstrumentType* entry = views::typeForModel(type);
    found.typeCode = entry ? entry->code : 0x0C;
    list.setInstrument(row, found);
}

void writeFile(const QString& path, const QByteArray& content) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    FakeLink m_link;
    RecordingSink m_sink;

    std::unique_ptr<TestableMainWindow> makeWindow() {
        m_sink.shown.clear();
        return std::make_unique<TestableMainWindow>(m_link, m_sink, m_dir.path());
    }

private slots:
    void init() {
        writeFile(serial::settingsFilePath(m_dir.path()), "\"COM2\",\"19200\"\r\n");
        m_link.close();
    }

    void loadAppliesSettingsWithoutOpening() {
        auto w = makeWindow();
        QCOMPARE(int(m_link.portNumber()), 2);
        QCOMPARE(m_link.settings(), QStringLiteral("19200,n,8,1"));
        QVERIFY(!m_link.isOpen());
        QCOMPARE(m_link.openCount, 0);
        w->startUp();
        QVERIFY(m_sink.shown.isEmpty());
        QCOMPARE(w->searches, 1);
        QVERIFY(w->indexWindow());
    }

    void unusableSettingsFallBackToDefaults_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("present");
        QTest::addColumn<int>("port");
        QTest::newRow("missing") << QByteArray() << false << 1;
        QTest::newRow("port letter") << QByteArray("\"COMX\",\" 9600\"\r\n") << true << 1;
        // The port is kept when only the rate cannot be used.
        QTest::newRow("one field") << QByteArray("\"COM3\"\r\n") << true << 3;
        QTest::newRow("rate no port takes") << QByteArray("\"COM2\",\" 9601\"\r\n") << true << 2;
    }
    void unusableSettingsFallBackToDefaults() {
        QFETCH(QByteArray, content);
        QFETCH(bool, present);
        QFETCH(int, port);
        const QString path = serial::settingsFilePath(m_dir.path());
        QFile::remove(path);
        if (present) writeFile(path, content);
        m_link.setPortNumber(4);
        m_link.setSettings(QStringLiteral("600,n,8,1"));
        auto w = makeWindow();
        QCOMPARE(int(m_link.portNumber()), port);
        QCOMPARE(m_link.baudRate(), 9600);
        w->startUp();
        QCOMPARE(m_sink.shown.size(), 1);
        QCOMPARE(m_sink.shown[0].title, QStringLiteral("提示"));
        QVERIFY(m_sink.shown[0].text.contains(QStringLiteral("COM%1，9600bps").arg(port)));
        QCOMPARE(w->searches, 1);
        // Nothing is written until the operator saves.
        QCOMPARE(QFile::exists(path), present);
        if (present) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll(), content);
        }
    }

    void titleMenusAndShortcuts() {
        auto w = makeWindow();
        QCOMPARE(w->windowTitle(), QStringLiteral("通讯测试软件"));
        QCOMPARE(w->objectName(), QStringLiteral("MDIForm1"));
        QStringList top;
        for (QAction* a : w->menuBar()->actions())
            top << a->text();
        QCOMPARE(top, (QStringList{"文件(&F)", "通讯(&C)", "操作(&O)", "窗口(&W)", "帮助(&H)"}));
        struct Expect {
            const char* menu;
            const char* name;
            const char* caption;
            const char* keys;
        };
        const Expect expected[] = {
            {"file", "open", "打开(&O)...", "Ctrl+O"},
            {"file", "exit", "退出(&X)", "Ctrl+X"},
            {"communicate", "set", "通讯口设置(&S)...", ""},
            {"communicate", "Searched", "搜索(&S)...", ""},
            {"operate", "diagnose", "数据诊断(&D)", ""},
            {"Windows", "Item", "搜索列表", ""},
            {"help", "about", "关于通讯测试软件(&A)", ""},
            {"web", "homepage", "主页(&H)", ""},
            {"web", "find", "搜索(&F)...", ""},
        };
        for (const Expect& e : expected) {
            auto* menu = w->findChild<QMenu*>(QString::fromLatin1(e.menu));
            QVERIFY2(menu, e.menu);
            QAction* action = nullptr;
            for (QAction* a : menu->actions())
                if (a->objectName() == QLatin1String(e.name)) action = a;
            QVERIFY2(action, e.name);
            QCOMPARE(action->text(), QString::fromUtf8(e.caption));
            QCOMPARE(action->shortcut(), QKeySequence(QString::fromLatin1(e.keys)));
        }
        auto* web = w->findChild<QMenu*>(QStringLiteral("web"));
        QCOMPARE(web->title(), QStringLiteral("Web (&W)"));
        QCOMPARE(web->actions().size(), 9);
        QCOMPARE(w->findChild<QMenu*>(QStringLiteral("help"))->actions().size(), 7);
    }

    void toolbarKeysTipsAndSeparators() {
        auto w = makeWindow();
        auto* bar = w->findChild<QToolBar*>(QStringLiteral("Toolbar1"));
        QVERIFY(bar);
        QStringList layout;
        for (QAction* a : bar->actions())
            layout << (a->isSeparator() ? QStringLiteral("|") : a->objectName() + ':' + a->toolTip());
        QCOMPARE(layout, (QStringList{"TSearch:搜索", "TTerminal:终端", "TSet:通讯口设置", "|",
                                      "TData:", "TConfig:配置", "TCurrent:实时趋势", "TTrend:历史趋势", "|",
                                      "THelp:帮助"}));
    }

    void statusBarPanels() {
        auto w = makeWindow();
        QCOMPARE(w->findChild<QLabel*>(QStringLiteral("Panel1"))->text(),
                 QStringLiteral("通讯测试软件   Ver 6.23"));
        const QString time = w->findChild<QLabel*>(QStringLiteral("Panel2"))->text();
        const QString date = w->findChild<QLabel*>(QStringLiteral("Panel3"))->text();
        QVERIFY(QTime::fromString(time, QStringLiteral("HH:mm")).isValid());
        QCOMPARE(QDate::fromString(date, QStringLiteral("yyyy-MM-dd")), QDate::currentDate());
        // The clock's next wake-up falls on the next minute boundary.
        const auto* clock = w->findChild<QTimer*>(QStringLiteral("clock"));
        QVERIFY(clock && clock->isActive() && clock->isSingleShot());
        const int due = (QTime::currentTime().msecsSinceStartOfDay() + clock->remainingTime()) % 60000;
        QVERIFY2(due < 100 || due > 59900, qPrintable(QString::number(due)));
    }

    void newScanLeavesOneEmptyRow_data() {
        QTest::addColumn<int>("rows");
        QTest::newRow("empty list") << 0;
        QTest::newRow("many instruments") << 12;
    }
    void newScanLeavesOneEmptyRow() {
        QFETCH(int, rows);
        auto w = makeWindow();
        for (int r = 1; r <= rows; ++r)
            fillRow(w->instruments(), r, QStringLiteral("0001（0x01H）"), QStringLiteral("x"));
        for (int round = 1; round <= 2; ++round) {
            w->newScan();
            QCOMPARE(w->instruments().rows(), 2);
            for (int c = 0; c < 4; ++c)
                QCOMPARE(w->instruments().text(1, c), QString());
            QCOMPARE(w->instruments().text(0, 1), QStringLiteral("地 址"));
            QCOMPARE(w->searches, round);
        }
    }

    void openDiagnosisChecksTheCurrentRow_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("opened");
        QTest::newRow("nothing found") << ""
                                       << ""
                                       << "错误|未搜索到仪表" << 0;
        QTest::newRow("listed instrument") << "0031（0x1FH）"
                                           << "LED系列——频率表"
                                           << "" << 1;
    }
    void openDiagnosisChecksTheCurrentRow() {
        QFETCH(QString, address);
        QFETCH(QString, type);
        QFETCH(QString, message);
        QFETCH(int, opened);
        auto w = makeWindow();
        fillRow(w->instruments(), 1, address, type);
        w->instruments().setCurrentRow(1);
        // Menu entry and toolbar button run the same command.
        w->findChild<QAction*>(QStringLiteral("diagnose"))->trigger();
        w->toolbarButtonClicked(QStringLiteral("TData"));
        QCOMPARE(w->diagnoses, 2 * opened);
        const QStringList expected = message.isEmpty() ? QStringList() : QStringList{message, message};
        QCOMPARE(m_sink.lines(), expected);
    }

    void portSettingsClosesThePortFirst() {
        auto w = makeWindow();
        QCOMPARE(m_link.open(), serial::NoError);
        w->findChild<QAction*>(QStringLiteral("set"))->trigger();
        QVERIFY(!m_link.isOpen());
        QCOMPARE(w->portDialogs, 1);
        w->toolbarButtonClicked(QStringLiteral("TSet"));
        QCOMPARE(w->portDialogs, 2);
    }

    void inertKeysAndEntriesDoNothing_data() {
        QTest::addColumn<QString>("key");
        for (const char* k : {"TTerminal", "tsearch", "TSearch "})
            QTest::newRow(k) << QString::fromLatin1(k);
    }
    void inertKeysAndEntriesDoNothing() {
        QFETCH(QString, key);
        auto w = makeWindow();
        fillRow(w->instruments(), 1, QStringLiteral("0001（0x01H）"), QStringLiteral("LED系列——频率表"));
        w->toolbarButtonClicked(key);
        // 文件, 窗口 and 帮助 act now (their own tests); the entries below still have no action.
        for (const char* name : {"terminal", "current", "history", "Split", "homepage", "synopsis", "find"})
            w->findChild<QAction*>(QString::fromLatin1(name))->trigger();
        QCOMPARE(w->searches + w->portDialogs + w->diagnoses + w->configDialogs, 0);
        QCOMPARE(w->instruments().text(1, 2), QStringLiteral("LED系列——频率表"));
        QVERIFY(m_sink.shown.isEmpty());
    }

    // 配置 from the menu and the toolbar; the port mapping reaches the link at start-up and after OK,
    // never after Cancel.
    void configuration_data() {
        QTest::addColumn<bool>("fromToolbar");
        QTest::addColumn<bool>("ok");
        QTest::newRow("menu, OK") << false << true;
        QTest::newRow("toolbar, OK") << true << true;
        QTest::newRow("menu, Cancel") << false << false;
    }
    void configuration() {
        QFETCH(bool, fromToolbar);
        QFETCH(bool, ok);
        config::AppValues saved;
        saved.portMapping[1] = {QStringLiteral("A5"), QStringLiteral("ttyUSB0")};
        writeFile(config::AppSettings::filePath(m_dir.path()), config::formatAppSettings(saved));
        m_link.setPortMapping({});
        auto w = makeWindow();
        w->startUp();
        QVERIFY(m_sink.shown.isEmpty());
        QVERIFY(m_link.portMapping() == saved.portMapping);

        if (ok)
            w->configChoice = [](config::AppSettings& s) {
                config::AppValues v = s.values();
                v.portMapping[1] = {};
                v.portMapping[3] = {QString(), QStringLiteral("ttyS0")};
                s.setValues(v);
            };
        if (fromToolbar)
            w->toolbarButtonClicked(QStringLiteral("TConfig"));
        else
            w->findChild<QAction*>(QStringLiteral("station"))->trigger();
        QCOMPARE(w->configDialogs, 1);
        QCOMPARE(m_link.portMapping()[3].portName, ok ? QStringLiteral("ttyS0") : QString());
        QCOMPARE(m_link.portMapping()[1].isAutomatic(), ok);
        QCOMPARE(w->searches + w->portDialogs + w->diagnoses, 1); // the start-up search only
        QFile::remove(config::AppSettings::filePath(m_dir.path()));
    }

    // However the list window was put away, 窗口 → 搜索列表 brings the same window, with the same
    // instruments, back to the front.
    void instrumentListComesBack_data() {
        QTest::addColumn<QString>("putAway");
        for (const char* how :
             {"closed", "closed twice", "minimised", "behind another window", "left in front"})
            QTest::newRow(how) << QString::fromLatin1(how);
    }
    void instrumentListComesBack() {
        QFETCH(QString, putAway);
        auto w = makeWindow();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        w->startUp();
        fillRow(w->instruments(), 1, QStringLiteral("0031（0x1FH）"), QStringLiteral("LED系列——频率表"));
        const QPointer<IndexWindow> list = w->indexWindow();
        QMdiSubWindow* frame = w->mdiArea()->activeSubWindow();
        QVERIFY(frame && frame->widget() == list);

        if (putAway == "closed") {
            QVERIFY(frame->close());
        } else if (putAway == "closed twice") {
            frame->close();
            w->showInstrumentList();
            frame->close();
        } else if (putAway == "minimised") {
            frame->showMinimized();
        } else if (putAway == "behind another window") {
            QMdiSubWindow* other = w->mdiArea()->addSubWindow(new QWidget);
            other->show();
            w->mdiArea()->setActiveSubWindow(other);
            QVERIFY(w->mdiArea()->activeSubWindow() != frame);
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(list); // never deleted

        w->findChild<QAction*>(QStringLiteral("Item"))->trigger();
        QCOMPARE(w->indexWindow(), list.data());
        QVERIFY(list->isVisible());
        QVERIFY(!frame->isMinimized());
        QCOMPARE(w->mdiArea()->activeSubWindow(), frame);
        QCOMPARE(w->mdiArea()->subWindowList().count(frame), 1);
        // The instruments found are still there to choose.
        QCOMPARE(list->grid()->model()->index(0, 2).data().toString(), QStringLiteral("LED系列——频率表"));
        QVERIFY(m_sink.shown.isEmpty());
    }

    // A double-click anywhere on the list's grid runs the diagnosis command on the current row.
    void doubleClickBelowTheRows_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("opened");
        QTest::newRow("fresh list") << ""
                                    << ""
                                    << "错误|未搜索到仪表" << 0;
        QTest::newRow("listed instrument") << "0031（0x1FH）"
                                           << "LED系列——频率表"
                                           << "" << 1;
    }
    void doubleClickBelowTheRows() {
        QFETCH(QString, address);
        QFETCH(QString, type);
        QFETCH(QString, message);
        QFETCH(int, opened);
        auto w = makeWindow();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        w->startUp();
        fillRow(w->instruments(), 1, address, type);
        QTableView* grid = w->indexWindow()->grid();
        const QRect lastRow = grid->visualRect(grid->model()->index(0, 1));
        const QPoint below(lastRow.center().x(), lastRow.bottom() + lastRow.height());
        QVERIFY(below.y() < grid->viewport()->height());
        QVERIFY(!grid->indexAt(below).isValid());
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, below);
        QCOMPARE(w->diagnoses, opened);
        QCOMPARE(m_sink.lines(), message.isEmpty() ? QStringList() : QStringList{message});
    }

    // The status bar's clock wakes when what it shows changes, not every second.
    void clockWakesWhenItsTextChanges_data() {
        QTest::addColumn<QTime>("now");
        QTest::addColumn<QString>("format");
        QTest::addColumn<int>("msecs");
        QTest::newRow("minutes shown, mid-minute") << QTime(12, 34, 56, 789) << "HH:mm" << 3211;
        QTest::newRow("minutes shown, on the minute") << QTime(12, 34) << "HH:mm" << 60000;
        QTest::newRow("last ms of the day") << QTime(23, 59, 59, 999) << "HH:mm" << 1;
        QTest::newRow("seconds shown") << QTime(12, 34, 56, 789) << "HH:mm:ss" << 211;
    }
    void clockWakesWhenItsTextChanges() {
        QFETCH(QTime, now);
        QFETCH(QString, format);
        QFETCH(int, msecs);
        QCOMPARE(app::MainWindow::msecsToClockChange(now, format), msecs);
    }

    void exitEndsTheProgram() {
        auto w = makeWindow();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        w->findChild<QAction*>(QStringLiteral("exit"))->trigger();
        QVERIFY(!w->isVisible());
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
