// The 文件 and 窗口 menus of the main window: the list from and to a file, and the child windows
// arranged as the captions say.
#include "app/main_window.h"
#include "diagnosis/dynamic_window.h"
#include "fake_link.h"
#include "link/settings_file.h"
#include "recording_sink.h"
#include "reply_frame.h"
#include "search/index_window.h"
#include "search/instrument_list.h"
#include "search/list_file.h"

#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The main window with the file dialogs answered by the test and no search dialog.
class FileMainWindow : public app::MainWindow {
public:
    using app::MainWindow::MainWindow;
    QString openPath, savePath;
    QStringList previews;

protected:
    void showSearchDialog() override {}
    QString chooseOpenPath() override { return openPath; }
    QString chooseSavePath() override { return savePath; }
    void showPrintPreview(const QString& html) override { previews << html; }
};

Instrument instrument(int address, int typeCode) {
    Instrument i;
    i.address = address;
    i.typeCode = typeCode;
    i.addressText = i.requestField();
    i.roundTripMs = 20;
    i.foundAt = QDateTime(QDate(2026, 5, 6), QTime(9, 0));
    return i;
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& content) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
}

} // namespace

class TestMainWindowFile : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    FakeLink m_link;
    RecordingSink m_sink;

    std::unique_ptr<FileMainWindow> makeWindow() {
        m_sink.shown.clear();
        auto w = std::make_unique<FileMainWindow>(m_link, m_sink, m_dir.path());
        w->startUp();
        m_sink.shown.clear(); // a word about default settings is not what these tests look at
        return w;
    }

    void trigger(QWidget& w, const char* name) {
        QAction* action = w.findChild<QAction*>(QString::fromLatin1(name));
        QVERIFY(action);
        action->trigger();
    }

private slots:
    void openAndSave_data() {
        QTest::addColumn<QByteArray>("content"); // of the file opened; empty: the file saved before
        QTest::addColumn<int>("rowsAfter");      // data rows of the list after opening
        QTest::addColumn<QString>("message");    // part of the message shown; empty: none
        QTest::newRow("saved list comes back") << QByteArray() << 2 << QString();
        QTest::newRow("damaged file leaves the list")
            << QByteArray("\xEF\xBB\xBF地址,地址字符,类型代码,型号,往返时间(ms),发现时间\r\n1,01,zz,,,\r\n")
            << 1 << QStringLiteral("当前列表保持不变");
        QTest::newRow("settings file is no list")
            << QByteArray("\"COM2\",\"19200\"\r\n") << 1 << QStringLiteral("无法打开仪表列表");
    }
    void openAndSave() {
        QFETCH(QByteArray, content);
        QFETCH(int, rowsAfter);
        QFETCH(QString, message);
        const std::vector<Instrument> saved{instrument(3, 0x02), instrument(40, 0xEE)};
        {
            auto first = makeWindow();
            listfile::fill(first->instruments(), saved);
            first->savePath = m_dir.filePath(QStringLiteral("today")); // the suffix is added
            trigger(*first, "save");
            QCOMPARE(m_sink.shown.size(), 0);
        }
        const QString path = m_dir.filePath(QStringLiteral("open.csv"));
        writeFile(path, content.isEmpty() ? readFile(m_dir.filePath(QStringLiteral("today.csv"))) : content);

        // A new run with one instrument of its own, then the file.
        auto w = makeWindow();
        listfile::fill(w->instruments(), {instrument(7, 0x08)});
        w->openPath = path;
        trigger(*w, "open");
        QCOMPARE(w->instruments().rows() - 1, rowsAfter);
        if (message.isEmpty()) {
            QCOMPARE(m_sink.shown.size(), 0);
            QCOMPARE(listfile::instrumentsOf(w->instruments()), saved);
            QCOMPARE(w->instruments().typeCell(2), QString()); // unlisted code, as a scan leaves it
        } else {
            QCOMPARE(m_sink.shown.size(), 1);
            QVERIFY2(m_sink.shown.front().text.contains(message), qPrintable(m_sink.shown.front().text));
            QCOMPARE(w->instruments().instrument(1)->address, 7);
        }
    }

    void saveRefusals_data() {
        QTest::addColumn<bool>("filled");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty list") << false << QStringLiteral("x.csv") << QStringLiteral("列表中没有仪表");
        QTest::newRow("folder missing")
            << true << QStringLiteral("no/such/x.csv") << QStringLiteral("无法保存仪表列表 x.csv");
        QTest::newRow("cancelled") << true << QString() << QString();
    }
    void saveRefusals() {
        QFETCH(bool, filled);
        QFETCH(QString, path);
        QFETCH(QString, message);
        auto w = makeWindow();
        if (filled) listfile::fill(w->instruments(), {instrument(1, 0x02)});
        w->savePath = path.isEmpty() ? QString() : m_dir.filePath(path);
        trigger(*w, "save");
        QCOMPARE(m_sink.shown.size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty())
            QVERIFY2(m_sink.shown.front().text.contains(message), qPrintable(m_sink.shown.front().text));
    }

    // Each tiling fills the area with bands in opening order, none overlapping.
    void tiling_data() {
        QTest::addColumn<QByteArray>("action");
        QTest::addColumn<int>("extraWindows");
        QTest::addColumn<bool>("stacked"); // bands one above the other
        for (int n : {0, 1, 3}) {
            QTest::addRow("水平平铺, %d more", n) << QByteArray("Horizon") << n << true;
            QTest::addRow("垂直平铺, %d more", n) << QByteArray("Plumb") << n << false;
        }
    }
    void tiling() {
        QFETCH(QByteArray, action);
        QFETCH(int, extraWindows);
        QFETCH(bool, stacked);
        auto w = makeWindow();
        w->resize(900, 700);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        for (int i = 0; i < extraWindows; ++i)
            w->mdiArea()->addSubWindow(new QLabel(QString::number(i)))->show();
        // A maximised window is tiled too.
        w->mdiArea()->subWindowList().front()->showMaximized();
        trigger(*w, action.constData());

        const QRect space = w->mdiArea()->viewport()->rect();
        const QList<QMdiSubWindow*> windows = w->mdiArea()->subWindowList(QMdiArea::CreationOrder);
        QCOMPARE(windows.size(), extraWindows + 1);
        int edge = stacked ? space.top() : space.left();
        for (QMdiSubWindow* sub : windows) {
            const QRect g = sub->geometry();
            QVERIFY(!sub->isMaximized());
            if (stacked) {
                QCOMPARE(g.left(), space.left());
                QCOMPARE(g.width(), space.width());
                QCOMPARE(g.top(), edge);
                edge = g.bottom() + 1;
            } else {
                QCOMPARE(g.top(), space.top());
                QCOMPARE(g.height(), space.height());
                QCOMPARE(g.left(), edge);
                edge = g.right() + 1;
            }
        }
        QCOMPARE(edge, stacked ? space.bottom() + 1 : space.right() + 1);
    }

    // The report keeps the last readings of each instrument the diagnosis window read in this run.
    void reportHoldsDiagnosedReadings_data() {
        QTest::addColumn<QByteArrayList>("replies"); // one poll each; empty: no reply
        QTest::addColumn<int>("instrumentsWithReadings");
        QTest::newRow("two replies, the later kept")
            << QByteArrayList{reply("1F", "16", "D2040101000000"), reply("1F", "16", "D2050101000000")} << 1;
        QTest::newRow("a reply, then silence")
            << QByteArrayList{reply("1F", "16", "D2050101000000"), ""} << 1;
        QTest::newRow("never answered") << QByteArrayList{""} << 0;
    }
    void reportHoldsDiagnosedReadings() {
        QFETCH(QByteArrayList, replies);
        QFETCH(int, instrumentsWithReadings);
        auto w = makeWindow();
        w->setPollIntervals(engine::kTicksByHand, engine::kTicksByHand);
        Instrument frequencyMeter = instrument(31, 0x16);
        listfile::fill(w->instruments(), {frequencyMeter});
        QTimer::singleShot(0, w.get(), [&] {
            auto* dynamic = w->findChild<DynamicWindow*>();
            QVERIFY(dynamic);
            for (const QByteArray& r : replies) {
                dynamic->engine().sendTick();
                m_link.input = r;
                dynamic->engine().receiveTick();
            }
            dynamic->command1()->click();
        });
        trigger(*w, "diagnose");
        const report::ReportContent content = w->reportContent();
        QCOMPARE(int(content.readings.size()), instrumentsWithReadings);
        if (instrumentsWithReadings) {
            QCOMPARE(content.readings.front().instrument.address, 31);
            QVERIFY(!content.readings.front().readings.empty());
            // The last reply (149.0) differs from the first (123.4): the later one is kept.
            QString text = report::readingText(content.readings.front().readings.front());
            QCOMPARE(text.remove(QLatin1Char('.')), QStringLiteral("1490"));
        }
        trigger(*w, "print");
        QCOMPARE(w->previews.size(), 1);
        QVERIFY(w->previews.front().contains(QStringLiteral("仪表调试报告")));
    }

    // 搜索列表 brings the list back however it went away.
    void listComesBack_data() {
        QTest::addColumn<int>("how");
        QTest::newRow("minimised") << 0;
        QTest::newRow("closed") << 1;
    }
    void listComesBack() {
        QFETCH(int, how);
        auto w = makeWindow();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        auto* sub = qobject_cast<QMdiSubWindow*>(w->indexWindow()->parentWidget());
        if (how == 0)
            sub->showMinimized();
        else
            sub->close();
        QCoreApplication::processEvents();
        trigger(*w, "Item");
        QTRY_VERIFY(w->indexWindow() && w->indexWindow()->isVisible());
        auto* back = qobject_cast<QMdiSubWindow*>(w->indexWindow()->parentWidget());
        QVERIFY(!back->isMinimized());
        QCOMPARE(w->mdiArea()->activeSubWindow(), back);
    }
};

QTEST_MAIN(TestMainWindowFile)
#include "test_main_window_file.moc"
