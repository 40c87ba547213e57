// The terminal window worked through its own controls, shown on the screen: following the newest
// line or staying where the user scrolled while old lines drop off a full ring, copying the chosen
// lines, saving text and CSV, and leaving the table alone while it cannot be seen.
#include "engine/traffic_hub.h"
#include "fake_link.h"
#include "protocol/frame.h"
#include "recording_sink.h"
#include "terminal/terminal_texts.h"
#include "terminal/ui/terminal_window.h"
#include "terminal/ui/traffic_model.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDateTime>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

using terminal::TerminalWindow;

namespace {

// Lines appear to have come from 10:00:00.000 local time on, 10 ms apart.
const qint64 kTen = QDateTime(QDate(2024, 3, 1), QTime(10, 0)).toMSecsSinceEpoch();

struct Rig {
    explicit Rig(int capacity = terminal::TrafficLog::kCapacity)
        : window(link, hub, messages, nullptr, capacity) {
        window.log().setWallClock([] { return kTen; });
        window.resize(900, 700);
    }

    void show() {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }

    // Line number `next` (counted from 0): noise whose bytes name it ("n7"), or, with an address,
    // a read request to that address.
    void add(int address = -1) {
        engine::TrafficEvent e;
        e.timeMs = 10 * next;
        if (address < 0) {
            e.kind = engine::TrafficKind::NoiseDropped;
            e.bytes = "n" + QByteArray::number(next);
            e.count = static_cast<int>(e.bytes.size());
        } else {
            e.kind = engine::TrafficKind::RequestWritten;
            e.bytes = protocol::readRequest(protocol::addressField(address));
            e.address = address;
        }
        window.log().onTraffic(e);
        ++next;
    }
    void addNoise(int count) {
        for (int i = 0; i < count; ++i)
            add();
    }

    template <typename T> T* control(const char* name) {
        T* found = window.findChild<T*>(QLatin1String(name));
        if (!found) qFatal("no control %s", name);
        return found;
    }
    QTableView* view() { return window.trafficView(); }
    QScrollBar* scroll() { return view()->verticalScrollBar(); }
    terminal::TrafficModel& model() { return window.trafficModel(); }

    // The line at the top of the table, by its number.
    qint64 topLine() { return model().seqAt(view()->rowAt(0)); }
    bool newestInView() {
        const QRect last = view()->visualRect(model().index(model().rowCount() - 1, 0));
        return view()->viewport()->rect().contains(last);
    }
    QList<qint64> selectedLines() {
        QList<qint64> out;
        for (const QModelIndex& i : view()->selectionModel()->selectedRows())
            out << model().seqAt(i.row());
        std::sort(out.begin(), out.end());
        return out;
    }
    // The user drags the scroll bar so that `line` is at the top.
    void scrollTo(qint64 line) {
        scroll()->setSliderPosition(model().rowAtOrAfter(line));
        scroll()->triggerAction(QAbstractSlider::SliderMove);
    }
    void clickRow(int row, Qt::KeyboardModifiers modifiers = {}) {
        view()->scrollTo(model().index(row, 0));
        QTest::mouseClick(view()->viewport(), Qt::LeftButton, modifiers,
                          view()->visualRect(model().index(row, 0)).center());
    }

    FakeLink link;
    RecordingSink messages;
    engine::TrafficHub hub;
    TerminalWindow window;
    int next = 0;
};

// A check box clicked where the user clicks it: on its box.
void clickBox(QCheckBox* box) {
    QStyleOptionButton option;
    option.initFrom(box);
    const QRect mark = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
    QTest::mouseClick(box, Qt::LeftButton, {}, mark.center());
}

QString noiseText(int n, bool hex) {
    const QByteArray bytes = "n" + QByteArray::number(n);
    const QString shown = hex ? QString::fromLatin1(bytes.toHex(' ').toUpper()) : QString::fromLatin1(bytes);
    return QStringLiteral("10:00:00.%1  收  %2  \"@\"前噪声 %3 字节，已丢弃")
        .arg(10 * n, 3, 10, QLatin1Char('0'))
        .arg(shown)
        .arg(bytes.size());
}

} // namespace

class TestTerminalControls : public QObject {
    Q_OBJECT
private slots:
    void followOrStay_data();
    void followOrStay();
    void linesDropOffTheTop_data();
    void linesDropOffTheTop();
    void copyTakesTheChosenLines_data();
    void copyTakesTheChosenLines();
    void saveButtons_data();
    void saveButtons();
    void unseenTableWaits_data();
    void unseenTableWaits();
    void drawingPace_data();
    void drawingPace();
    void anUpdateDrawsTheTableOnce_data();
    void anUpdateDrawsTheTableOnce();
    void cellsShowVerdictAndChoice_data();
    void cellsShowVerdictAndChoice();
};

void TestTerminalControls::followOrStay_data() {
    QTest::addColumn<bool>("follow");
    QTest::newRow("following: the newest line stays in view") << true;
    QTest::newRow("not following: the view stays where the user scrolled") << false;
}

void TestTerminalControls::followOrStay() {
    QFETCH(bool, follow);
    Rig rig;
    rig.show();
    rig.addNoise(100);
    rig.window.catchUp();
    QVERIFY(rig.newestInView());
    auto* box = rig.control<QCheckBox>("follow");
    QVERIFY(box->isChecked());
    if (!follow) {
        clickBox(box);
        QVERIFY(!box->isChecked());
        rig.scrollTo(30);
        QCOMPARE(rig.topLine(), qint64(30));
    }
    rig.addNoise(50);
    rig.window.catchUp();
    QCOMPARE(rig.model().rowCount(), 150);
    QCOMPARE(box->isChecked(), follow);
    QCOMPARE(rig.newestInView(), follow);
    if (!follow) QCOMPARE(rig.topLine(), qint64(30));
    // Checked again, the view goes to the newest line and stays with it.
    if (!follow) clickBox(box);
    rig.addNoise(10);
    rig.window.catchUp();
    QVERIFY(rig.newestInView());
    // Scrolling up by hand lets go of the newest line.
    rig.scrollTo(5);
    QTRY_VERIFY(!box->isChecked());
    rig.addNoise(10);
    rig.window.catchUp();
    QCOMPARE(rig.topLine(), qint64(5));
}

void TestTerminalControls::linesDropOffTheTop_data() {
    QTest::addColumn<bool>("follow");
    QTest::addColumn<bool>("paused");
    QTest::addColumn<qint64>("top");             // the line the user scrolled to
    QTest::addColumn<QList<qint64>>("selected"); // the lines the user chose
    QTest::addColumn<int>("more");               // lines that come afterwards
    QTest::addColumn<qint64>("topAfter");        // -1: the newest line in view instead
    QTest::addColumn<QList<qint64>>("selectedAfter");
    // A ring of 60 lines, full: lines 0 to 59.
    QTest::newRow("a few drop: the same lines stay at the top and chosen")
        << false << false << qint64(20) << QList<qint64>{25, 27} << 15 << qint64(20) << QList<qint64>{25, 27};
    QTest::newRow("the top line drops, the chosen ones stay")
        << false << false << qint64(20) << QList<qint64>{40} << 25 << qint64(25) << QList<qint64>{40};
    QTest::newRow("all looked at drop: the oldest kept line at the top")
        << false << false << qint64(10) << QList<qint64>{12} << 45 << qint64(45) << QList<qint64>{};
    QTest::newRow("paused: dropped rows leave, the top line stays")
        << false << true << qint64(20) << QList<qint64>{30} << 15 << qint64(20) << QList<qint64>{30};
    QTest::newRow("following: the newest line in view, the chosen lines stay chosen")
        << true << false << qint64(-1) << QList<qint64>{50} << 15 << qint64(-1) << QList<qint64>{50};
}

void TestTerminalControls::linesDropOffTheTop() {
    QFETCH(bool, follow);
    QFETCH(bool, paused);
    QFETCH(qint64, top);
    QFETCH(QList<qint64>, selected);
    QFETCH(int, more);
    QFETCH(qint64, topAfter);
    QFETCH(QList<qint64>, selectedAfter);
    Rig rig(60);
    rig.show();
    rig.addNoise(60);
    rig.window.catchUp();
    QCOMPARE(rig.model().rowCount(), 60);
    if (!follow) clickBox(rig.control<QCheckBox>("follow"));
    if (paused) clickBox(rig.control<QCheckBox>("pause"));
    for (int i = 0; i < selected.size(); ++i)
        rig.clickRow(rig.model().rowAtOrAfter(selected[i]), i == 0 ? Qt::NoModifier : Qt::ControlModifier);
    QCOMPARE(rig.selectedLines(), selected);
    if (top >= 0) rig.scrollTo(top);
    if (top >= 0) QCOMPARE(rig.topLine(), top);
    rig.addNoise(more);
    rig.window.catchUp();
    QCOMPARE(rig.model().seqAt(0), qint64(60 + more - 60));
    QCOMPARE(rig.selectedLines(), selectedAfter);
    if (topAfter >= 0) {
        QCOMPARE(rig.topLine(), topAfter);
    } else {
        QVERIFY(rig.newestInView());
        QCOMPARE(rig.model().seqAt(rig.model().rowCount() - 1), qint64(60 + more - 1));
    }
}

void TestTerminalControls::copyTakesTheChosenLines_data() {
    QTest::addColumn<bool>("hex");
    QTest::addColumn<QList<int>>("clicked"); // rows; the first a plain click, the others with Ctrl
    QTest::addColumn<int>("shiftClicked");   // a row clicked with Shift afterwards, -1 none
    QTest::addColumn<QList<int>>("lines");   // the lines on the clipboard, in order
    QTest::newRow("one line") << false << QList<int>{3} << -1 << QList<int>{3};
    QTest::newRow("two apart, chosen newest first: copied oldest first")
        << false << QList<int>{7, 2} << -1 << QList<int>{2, 7};
    QTest::newRow("a range") << false << QList<int>{4} << 6 << QList<int>{4, 5, 6};
    QTest::newRow("hexadecimal, as shown") << true << QList<int>{0, 9} << -1 << QList<int>{0, 9};
    QTest::newRow("nothing chosen: the clipboard keeps what it held")
        << false << QList<int>{} << -1 << QList<int>{};
}

void TestTerminalControls::copyTakesTheChosenLines() {
    QFETCH(bool, hex);
    QFETCH(QList<int>, clicked);
    QFETCH(int, shiftClicked);
    QFETCH(QList<int>, lines);
    Rig rig;
    rig.show();
    rig.addNoise(10);
    rig.window.catchUp();
    if (hex) clickBox(rig.control<QCheckBox>("hex"));
    for (int i = 0; i < clicked.size(); ++i)
        rig.clickRow(clicked[i], i == 0 ? Qt::NoModifier : Qt::ControlModifier);
    if (shiftClicked >= 0) rig.clickRow(shiftClicked, Qt::ShiftModifier);
    QApplication::clipboard()->setText(QStringLiteral("before"));
    QTest::mouseClick(rig.control<QPushButton>("copy"), Qt::LeftButton);
    QStringList expected;
    for (int n : lines)
        expected << noiseText(n, hex);
    QCOMPARE(QApplication::clipboard()->text(),
             lines.isEmpty() ? QStringLiteral("before") : expected.join(QLatin1Char('\n')));
}

void TestTerminalControls::saveButtons_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("hex");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("file"); // "": the user cancels; a folder that is not there: fails
    QTest::addColumn<QString>("askedFilter");
    QTest::addColumn<QStringList>("content"); // the file's lines, or the message when it fails
    const QString request = QString::fromLatin1(protocol::readRequest("02").chopped(1)) + "\\r";
    const QString requestHex = QString::fromLatin1(protocol::readRequest("02").toHex(' ').toUpper());
    const QString first = noiseText(0, false);
    const QString second = "10:00:00.010  发  " + request + "  读请求 地址 2";
    const QString secondHex = "10:00:00.010  发  " + requestHex + "  读请求 地址 2";
    const QString csvHeader = QStringLiteral("时间,方向,地址,判定,往返 ms,内容");
    QTest::newRow("text") << "saveText" << false << ""
                          << "t.txt"
                          << "文本 (*.txt)" << QStringList{first, second, ""};
    QTest::newRow("text in hexadecimal") << "saveText" << true << ""
                                         << "t.txt"
                                         << "文本 (*.txt)" << QStringList{noiseText(0, true), secondHex, ""};
    QTest::newRow("text of one address") << "saveText" << false << "2"
                                         << "t.txt"
                                         << "文本 (*.txt)" << QStringList{second, ""};
    QTest::newRow("CSV, bytes escaped even when shown in hexadecimal")
        << "saveCsv" << true << ""
        << "t.csv"
        << "CSV (*.csv)"
        << QStringList{csvHeader, "10:00:00.000,收,,\"\"\"@\"\"前噪声 2 字节，已丢弃\",,n0",
                       "10:00:00.010,发,2,读请求 地址 2,," + request, ""};
    QTest::newRow("cancelled: nothing written") << "saveCsv" << false << ""
                                                << ""
                                                << "CSV (*.csv)" << QStringList{};
    QTest::newRow("folder not there: says so") << "saveText" << false << ""
                                               << "none/t.txt"
                                               << "文本 (*.txt)" << QStringList{"none/t.txt"};
}

void TestTerminalControls::saveButtons() {
    QFETCH(QString, button);
    QFETCH(bool, hex);
    QFETCH(QString, filter);
    QFETCH(QString, file);
    QFETCH(QString, askedFilter);
    QFETCH(QStringList, content);
    QTemporaryDir dir;
    Rig rig;
    rig.show();
    rig.add();
    rig.add(2);
    rig.window.catchUp();
    if (hex) clickBox(rig.control<QCheckBox>("hex"));
    QVERIFY(rig.window.setFilter(filter));
    QStringList asked;
    const QString path = file.isEmpty() ? QString() : dir.filePath(file);
    rig.window.setAskFileName([&](QWidget*, const QString& f) {
        asked << f;
        return path;
    });
    QTest::mouseClick(rig.control<QPushButton>(qPrintable(button)), Qt::LeftButton);
    QCOMPARE(asked, QStringList{askedFilter});
    if (file.startsWith(QLatin1String("none/"))) {
        QCOMPARE(rig.messages.shown.size(), 1);
        QVERIFY2(rig.messages.shown[0].text.contains(path), qPrintable(rig.messages.shown[0].text));
        QVERIFY(!QFile::exists(path));
        return;
    }
    QVERIFY(rig.messages.shown.isEmpty());
    if (file.isEmpty()) {
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{});
        return;
    }
    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QString lineEnd =
        button == QLatin1String("saveCsv") ? QStringLiteral("\r\n") : QStringLiteral("\n");
    QCOMPARE(QString::fromUtf8(saved.readAll()).split(lineEnd), content);
}

void TestTerminalControls::unseenTableWaits_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("main window hidden") << "hidden";
    QTest::newRow("main window minimised") << "minimised";
    QTest::newRow("terminal minimised in the main window") << "terminal minimised";
    QTest::newRow("covered by another window") << "covered";
    QTest::newRow("half covered: still drawn") << "half covered";
}

void TestTerminalControls::unseenTableWaits() {
    QFETCH(QString, how);
    FakeLink link;
    RecordingSink messages;
    engine::TrafficHub hub;
    // As the main window holds it: a window of its area, among others.
    QMdiArea area;
    area.resize(900, 700);
    auto* window = new TerminalWindow(link, hub, messages);
    qint64 now = 0;
    window->setClock([&now] { return now; });
    QMdiSubWindow* frame = area.addSubWindow(window);
    frame->setGeometry(0, 0, 800, 600);
    QMdiSubWindow* other = area.addSubWindow(new QWidget);
    other->setGeometry(0, 0, 800, how == QLatin1String("half covered") ? 300 : 600);
    area.show();
    QVERIFY(QTest::qWaitForWindowExposed(&area));
    frame->show();
    // Hidden for good unless it covers: shown again with the area otherwise.
    other->setVisible(how.endsWith(QLatin1String("covered")));
    auto noise = [&](int n) {
        for (int i = 0; i < n; ++i) {
            engine::TrafficEvent e;
            e.kind = engine::TrafficKind::NoiseDropped;
            e.bytes = "x";
            e.count = 1;
            window->log().onTraffic(e);
        }
    };
    noise(5);
    window->catchUp();
    QCOMPARE(window->trafficModel().rowCount(), 5);
    if (how == QLatin1String("hidden")) area.hide();
    if (how == QLatin1String("minimised")) area.showMinimized();
    if (how == QLatin1String("terminal minimised")) frame->showMinimized();
    const bool seen = how == QLatin1String("half covered");
    QCOMPARE(window->tableSeen(), seen);
    QSignalSpy inserted(&window->trafficModel(), &QAbstractItemModel::rowsInserted);
    noise(7);
    now += TerminalWindow::kBusyDrawMs;
    window->refresh();
    noise(3);
    now += TerminalWindow::kBusyDrawMs;
    window->refresh();
    // Counted whether seen or not; shown only when seen.
    QCOMPARE(window->log().endSeq(), qint64(15));
    QCOMPARE(window->trafficModel().rowCount(), seen ? 15 : 5);
    if (seen) return;
    QCOMPARE(inserted.size(), 0);
    // Seen again: everything that came meanwhile, in one update.
    if (how == QLatin1String("hidden")) area.show();
    if (how == QLatin1String("minimised")) area.showNormal();
    if (how == QLatin1String("terminal minimised")) frame->showNormal();
    if (how == QLatin1String("covered")) other->hide();
    now += TerminalWindow::kBusyDrawMs;
    QTRY_VERIFY(window->tableSeen());
    QTRY_COMPARE(window->trafficModel().rowCount(), 15);
    QCOMPARE(inserted.size(), 1);
}

void TestTerminalControls::drawingPace_data() {
    QTest::addColumn<int>("lines");   // come after an update
    QTest::addColumn<int>("afterMs"); // when the timer looks
    QTest::addColumn<bool>("drawn");
    QTest::newRow("one line: at once") << 1 << TerminalWindow::kLookMs << true;
    QTest::newRow("a few lines: at once") << TerminalWindow::kFewLines << 0 << true;
    QTest::newRow("many lines soon after an update: they wait")
        << TerminalWindow::kFewLines + 1 << TerminalWindow::kBusyDrawMs - 1 << false;
    QTest::newRow("many lines, a second after an update: drawn")
        << 200 << TerminalWindow::kBusyDrawMs << true;
}

void TestTerminalControls::drawingPace() {
    QFETCH(int, lines);
    QFETCH(int, afterMs);
    QFETCH(bool, drawn);
    Rig rig;
    qint64 now = 5000;
    rig.window.setClock([&now] { return now; });
    rig.show();
    rig.addNoise(3);
    rig.window.catchUp();
    rig.addNoise(lines);
    now += afterMs;
    rig.window.refresh();
    QCOMPARE(rig.model().rowCount(), drawn ? 3 + lines : 3);
    if (drawn) return;
    // They come with the first look a second after the update.
    now += 1;
    rig.window.refresh();
    QCOMPARE(rig.model().rowCount(), 3 + lines);
}

// Counts one kind of event reaching one object.
class EventCounter final : public QObject {
public:
    EventCounter(QObject* watched, QEvent::Type type) : m_type(type) { watched->installEventFilter(this); }
    int count = 0;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == m_type) ++count;
        return QObject::eventFilter(watched, event);
    }

private:
    QEvent::Type m_type;
};

void TestTerminalControls::anUpdateDrawsTheTableOnce_data() {
    QTest::addColumn<bool>("follow");
    QTest::addColumn<int>("lines");
    QTest::newRow("following, one line") << true << 1;
    QTest::newRow("following, pages of lines") << true << 300;
    QTest::newRow("staying where scrolled, pages of lines") << false << 300;
}

// What a busy line costs is mostly drawing: each update paints the table once and never lays
// the window out again for its new status text.
void TestTerminalControls::anUpdateDrawsTheTableOnce() {
    QFETCH(bool, follow);
    QFETCH(int, lines);
    Rig rig;
    rig.show();
    rig.addNoise(100);
    rig.window.catchUp();
    rig.window.setFollow(follow);
    QTRY_VERIFY(!rig.view()->viewport()->visibleRegion().isEmpty());
    QCoreApplication::processEvents();
    EventCounter paints(rig.view()->viewport(), QEvent::Paint);
    EventCounter layouts(&rig.window, QEvent::LayoutRequest);
    rig.addNoise(lines);
    rig.window.catchUp();
    QTRY_VERIFY(paints.count >= 1);
    QCoreApplication::processEvents();
    QCOMPARE(paints.count, 1);
    QCOMPARE(layouts.count, 0);
    QCOMPARE(rig.newestInView(), follow);
}

void TestTerminalControls::cellsShowVerdictAndChoice_data() {
    QTest::addColumn<bool>("badCheck"); // else noise, shown grey
    QTest::addColumn<bool>("chosen");
    QTest::addColumn<bool>("red");
    QTest::newRow("bad check: red") << true << false << true;
    QTest::newRow("noise: grey") << false << false << false;
    QTest::newRow("chosen bad check: the choice's colours") << true << true << false;
}

void TestTerminalControls::cellsShowVerdictAndChoice() {
    QFETCH(bool, badCheck);
    QFETCH(bool, chosen);
    QFETCH(bool, red);
    Rig rig;
    rig.show();
    engine::TrafficEvent e;
    e.kind = badCheck ? engine::TrafficKind::ReplyBadCheck : engine::TrafficKind::NoiseDropped;
    e.bytes = "@0100000200FF\r";
    e.count = int(e.bytes.size());
    e.address = 1;
    rig.window.log().onTraffic(e);
    rig.window.catchUp();
    if (chosen) rig.clickRow(0);
    QTRY_VERIFY(!rig.view()->viewport()->visibleRegion().isEmpty());
    const QRect row = rig.view()->visualRect(rig.model().index(0, terminal::TrafficModel::VerdictColumn));
    const QImage cell = rig.view()->viewport()->grab(row).toImage();
    int redPixels = 0, highlightPixels = 0;
    // Active or not, as the platform has it.
    const QPalette palette = rig.view()->palette();
    const QColor highlights[] = {palette.color(QPalette::Active, QPalette::Highlight),
                                 palette.color(QPalette::Inactive, QPalette::Highlight)};
    for (int y = 0; y < cell.height(); ++y)
        for (int x = 0; x < cell.width(); ++x) {
            const QColor c = cell.pixelColor(x, y);
            if (c.red() > c.green() + 80 && c.red() > c.blue() + 80) ++redPixels;
            if (c == highlights[0] || c == highlights[1]) ++highlightPixels;
        }
    QCOMPARE(redPixels > 0, red);
    QCOMPARE(highlightPixels > cell.width() * cell.height() / 2, chosen);
}

QTEST_MAIN(TestTerminalControls)
#include "test_terminal_controls.moc"
