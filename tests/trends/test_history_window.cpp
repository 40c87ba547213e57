// The history browser on a history file written for the test: what it lists, the ranges it shows,
// CSV and picture exports (and where they cannot be written), and files it must not touch.
#include "history/history_texts.h"
#include "history/store.h"
#include "recording_sink.h"
#include "trends/file_chooser.h"
#include "trends/history_window.h"
#include "trends/history_window_texts.h"
#include "trends/trend_chart.h"

#include <QDateTimeEdit>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

using trends::HistoryWindow;

namespace {

QDateTime at(const QString& hhmmss) {
    return QDateTime(QDate(2026, 12, 8), QTime::fromString(hhmmss, QStringLiteral("HH:mm:ss")));
}

// Answers every save dialog with one path, and keeps the names it was offered.
struct FakeChooser : trends::FileChooser {
    QString answer;
    QStringList offered;
    QString saveFileName(QWidget*, const QString&, const QString& suggested, const QString&) override {
        offered << QFileInfo(suggested).fileName();
        return answer;
    }
};

// Instrument 1 (AI-708): 300 polls from 14:00:00, PV = poll number, AL1 raised from poll 150 on,
// poll 100 unanswered; then 60 polls from 15:00:00, PV = 1000 + poll number. Instrument 2 (DP-3):
// 30 polls from 14:30:00.
bool writeHistory(const QString& path) {
    history::Store store;
    if (!store.open(path, history::OpenMode::Record, history::Durability::CrashSafe)) return false;
    const auto record = [&](int address, int type, const QString& model, const QString& start, int polls,
                            const std::function<protocol::Readings(int)>& readings, int missed) {
        const qint64 t0 = at(start).toMSecsSinceEpoch();
        if (!store.startRecording({QStringLiteral("COM1"), 9600, address, type, model, 2000, t0}))
            return false;
        for (int i = 0; i < polls; ++i) {
            protocol::Sample s;
            s.epochMs = t0 + i * 2000;
            s.address = address;
            if (i == missed) {
                s.verdict = QStringLiteral("no reply");
            } else {
                s.typeCode = type;
                s.model = model;
                s.readings = readings(i);
            }
            if (store.append(s) != history::AppendResult::Stored) return false;
        }
        store.stopRecording();
        return true;
    };
    const auto controller = [](double offset) {
        return [offset](int i) {
            return protocol::Readings{{"PV", "测量值", "℃", 1, offset + i},
                                      {"AL1", "报警1", "", 0, i >= 150 ? 1.0 : 0.0}};
        };
    };
    return record(1, 33, "AI-708", "14:00:00", 300, controller(0), 100) &&
           record(1, 33, "AI-708", "15:00:00", 60, controller(1000), -1) &&
           record(
               2, 34, "DP-3", "14:30:00", 30,
               [](int i) {
                   return protocol::Readings{{"PV", "测量值", "℃", 1, double(i)}};
               },
               -1);
}

struct Browser {
    QTemporaryDir dir;
    RecordingSink messages;
    FakeChooser files;
    QString file = dir.filePath(QStringLiteral("history.db"));
    std::unique_ptr<HistoryWindow> window;

    bool open(bool withHistory = true) {
        if (withHistory && !writeHistory(file)) return false;
        window = std::make_unique<HistoryWindow>(file, messages, files);
        window->resize(1000, 650);
        window->show();
        return QTest::qWaitForWindowExposed(window.get());
    }
    // "1" an instrument, "1/2" its second recording (both counted from 1).
    void choose(const QString& path) {
        QTreeWidgetItem* item = window->tree()->topLevelItem(path.section('/', 0, 0).toInt() - 1);
        if (path.contains('/')) item = item->child(path.section('/', 1).toInt() - 1);
        window->tree()->setCurrentItem(item);
    }
    QString range() const {
        return window->fromEdit()->dateTime().toString(QStringLiteral("HH:mm:ss")) + QStringLiteral("..") +
               window->toEdit()->dateTime().toString(QStringLiteral("HH:mm:ss"));
    }
};

} // namespace

class TestHistoryWindow : public QObject {
    Q_OBJECT
private slots:
    void listsWhatTheFileHolds();
    void showsTheChosenRange_data();
    void showsTheChosenRange();
    void exportsCsv_data();
    void exportsCsv();
    void savesThePicture_data();
    void savesThePicture();
    void leavesOtherFilesAlone_data();
    void leavesOtherFilesAlone();
};

void TestHistoryWindow::listsWhatTheFileHolds() {
    Browser b;
    QVERIFY(b.open());
    QStringList lines;
    for (int i = 0; i < b.window->tree()->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* top = b.window->tree()->topLevelItem(i);
        lines << top->text(0);
        for (int c = 0; c < top->childCount(); ++c)
            lines << "  " + top->child(c)->text(0);
    }
    QCOMPARE(lines, (QStringList{"地址 1  AI-708", "  2026-12-08 14:00:00 — 2026-12-08 14:09:58（300 次）",
                                 "  2026-12-08 15:00:00 — 2026-12-08 15:01:58（60 次）", "地址 2  DP-3",
                                 "  2026-12-08 14:30:00 — 2026-12-08 14:30:58（30 次）"}));
    // The first instrument is shown at once.
    QCOMPARE(b.window->tree()->currentItem(), b.window->tree()->topLevelItem(0));
    QCOMPARE(b.window->statusLabel()->text(), QStringLiteral("360 次采样，其中无应答 1 次"));
}

void TestHistoryWindow::showsTheChosenRange_data() {
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QString>("typed"); // a range typed in and shown, or empty
    QTest::addColumn<QString>("range"); // in the editors
    QTest::addColumn<QString>("drawn"); // on the chart: a minute at least
    QTest::addColumn<QString>("status");
    QTest::addColumn<int>("lines"); // of PV
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("an instrument: all its recordings, a gap between")
        << "1"
        << ""
        << "14:00:00..15:01:59"
        << "14:00:00..15:01:59"
        << "360 次采样，其中无应答 1 次" << 3 << QStringList{};
    QTest::newRow("a recording with a missed poll") << "1/1"
                                                    << ""
                                                    << "14:00:00..14:09:59"
                                                    << "14:00:00..14:09:59"
                                                    << "300 次采样，其中无应答 1 次" << 2 << QStringList{};
    QTest::newRow("a recording shorter than a minute") << "2/1"
                                                       << ""
                                                       << "14:30:00..14:30:59"
                                                       << "14:30:00..14:31:00"
                                                       << "30 次采样，其中无应答 0 次" << 1 << QStringList{};
    QTest::newRow("a range typed in") << "1/1"
                                      << "14:05:00..14:08:00"
                                      << "14:05:00..14:08:00"
                                      << "14:05:00..14:08:00"
                                      << "91 次采样，其中无应答 0 次" << 1 << QStringList{};
    QTest::newRow("a range typed, then the whole recording again")
        << "1/1"
        << "14:05:00..14:08:00 whole"
        << "14:00:00..14:09:59"
        << "14:00:00..14:09:59"
        << "300 次采样，其中无应答 1 次" << 2 << QStringList{};
    QTest::newRow("a range typed backwards: said, the chart kept")
        << "1/2"
        << "15:01:00..15:00:00"
        << "15:01:00..15:00:00"
        << "15:00:00..15:01:59"
        << "60 次采样，其中无应答 0 次" << 1 << QStringList{"历史趋势|开始时间须早于结束时间。"};
}

void TestHistoryWindow::showsTheChosenRange() {
    QFETCH(QString, choice);
    QFETCH(QString, typed);
    QFETCH(QString, range);
    QFETCH(QString, drawn);
    QFETCH(QString, status);
    QFETCH(int, lines);
    QFETCH(QStringList, messages);
    Browser b;
    QVERIFY(b.open());
    b.choose(choice);
    if (!typed.isEmpty()) {
        b.window->fromEdit()->setDateTime(at(typed.section("..", 0, 0)));
        b.window->toEdit()->setDateTime(at(typed.section("..", 1).section(' ', 0, 0)));
        QTest::mouseClick(b.window->showButton(), Qt::LeftButton);
        if (typed.endsWith(QLatin1String(" whole")))
            QTest::mouseClick(b.window->wholeButton(), Qt::LeftButton);
    }
    QCOMPARE(b.range(), range);
    QCOMPARE(b.window->statusLabel()->text(), status);
    QCOMPARE(b.messages.lines(), messages);
    const trends::TimeWindow& view = b.window->chart()->window();
    QCOMPARE(QDateTime::fromMSecsSinceEpoch(view.from()).toString("HH:mm:ss") + ".." +
                 QDateTime::fromMSecsSinceEpoch(view.to()).toString("HH:mm:ss"),
             drawn);
    QCOMPARE(b.window->chart()->drawnLines(QStringLiteral("PV")).size(), lines);
}

void TestHistoryWindow::exportsCsv_data() {
    QTest::addColumn<QString>("where"); // "folder", "under a file", or "" for a cancelled dialog
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("message"); // start of the one message, or empty
    QTest::newRow("to a folder") << "folder"
                                 << "已导出 300 行到"
                                 << "";
    QTest::newRow("to a place that cannot be written") << "under a file"
                                                       << "无法写入导出文件"
                                                       << "无法写入导出文件";
    QTest::newRow("dialog cancelled") << ""
                                      << "300 次采样，其中无应答 1 次"
                                      << "";
    QTest::newRow("no reading ticked: said, no dialog") << "none"
                                                        << "请至少选择一个读数。"
                                                        << "请至少选择一个读数。";
}

void TestHistoryWindow::exportsCsv() {
    QFETCH(QString, where);
    QFETCH(QString, status);
    QFETCH(QString, message);
    Browser b;
    QVERIFY(b.open());
    b.choose(QStringLiteral("1/1"));
    QFile blocker(b.dir.filePath(QStringLiteral("a-file")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    if (where == QLatin1String("folder")) b.files.answer = b.dir.filePath(QStringLiteral("out.csv"));
    if (where == QLatin1String("under a file"))
        b.files.answer = b.dir.filePath(QStringLiteral("a-file/out.csv"));
    if (where == QLatin1String("none")) b.window->readingList()->item(0)->setCheckState(Qt::Unchecked);
    QCOMPARE(b.window->exportCsv(), where == QLatin1String("folder"));
    QCOMPARE(b.files.offered, where == QLatin1String("none")
                                  ? QStringList{}
                                  : QStringList{"COM1_9600bps_addr1_AI-708_2000ms_20261208-140000.csv"});
    QVERIFY2(b.window->statusLabel()->text().startsWith(status), qPrintable(b.window->statusLabel()->text()));
    QCOMPARE(b.messages.shown.size(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty()) QVERIFY(b.messages.shown.first().text.startsWith(message));
    if (where != QLatin1String("folder")) return;
    QFile csv(b.files.answer);
    QVERIFY(csv.open(QIODevice::ReadOnly));
    const QList<QByteArray> rows = csv.readAll().split('\n');
    // The chosen reading only (PV; the alarm is not drawn), a header and one row per poll.
    QCOMPARE(rows.first().trimmed(),
             QByteArray("\xEF\xBB\xBF") + QStringLiteral("时间,毫秒时间戳,测量值 (℃),判定").toUtf8());
    QCOMPARE(rows.size() - 2, 300); // the last line ends with a line break
}

void TestHistoryWindow::savesThePicture_data() {
    QTest::addColumn<QString>("where");
    QTest::addColumn<bool>("saved");
    QTest::newRow("to a folder") << "chart.png" << true;
    QTest::newRow("to a place that cannot be written") << "a-file/chart.png" << false;
}

void TestHistoryWindow::savesThePicture() {
    QFETCH(QString, where);
    QFETCH(bool, saved);
    Browser b;
    QVERIFY(b.open());
    b.choose(QStringLiteral("1/1"));
    QFile blocker(b.dir.filePath(QStringLiteral("a-file")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    b.files.answer = b.dir.filePath(where);
    QCOMPARE(b.window->savePng(), saved);
    QCOMPARE(b.files.offered, QStringList{"COM1_9600bps_addr1_AI-708_2000ms_20261208-140000.png"});
    const QImage picture(b.files.answer);
    QCOMPARE(!picture.isNull(), saved);
    if (saved) {
        QVERIFY(picture.width() > 300);
        QVERIFY(b.messages.shown.isEmpty());
    } else {
        QCOMPARE(b.messages.shown.size(), 1);
        QVERIFY2(b.messages.shown.first().text.startsWith(
                     historywindowtext::kPngFailed.arg(QDir::toNativeSeparators(b.files.answer), QString())),
                 qPrintable(b.messages.shown.first().text));
    }
}

void TestHistoryWindow::leavesOtherFilesAlone_data() {
    QTest::addColumn<QByteArray>("content"); // of the history file; empty: there is none
    QTest::addColumn<bool>("told");
    QTest::newRow("no history yet: nothing to say, nothing made") << QByteArray() << false;
    QTest::newRow("a file of another program") << QByteArray("name,value\r\nx,1\r\n") << true;
}

void TestHistoryWindow::leavesOtherFilesAlone() {
    QFETCH(QByteArray, content);
    QFETCH(bool, told);
    Browser b;
    if (!content.isEmpty()) {
        QFile other(b.file);
        QVERIFY(other.open(QIODevice::WriteOnly));
        other.write(content);
    }
    const qint64 before = QDateTime::currentMSecsSinceEpoch();
    QVERIFY(b.open(false));
    const qint64 after = QDateTime::currentMSecsSinceEpoch();
    QCOMPARE(b.window->tree()->topLevelItemCount(), 0);
    // The empty chart's time axis ends now, not at the epoch, and the range boxes say the same.
    const trends::TimeWindow& shown = b.window->chart()->window();
    QVERIFY2(shown.to() >= before && shown.to() <= after, qPrintable(QString::number(shown.to())));
    QCOMPARE(b.window->fromEdit()->dateTime().toSecsSinceEpoch(), shown.from() / 1000);
    QCOMPARE(b.window->toEdit()->dateTime().toSecsSinceEpoch(), shown.to() / 1000);
    QCOMPARE(b.messages.shown.size(), told ? 1 : 0);
    const QString expected = told ? historytext::kNotOurs.arg(QDir::toNativeSeparators(b.file))
                                  : historytext::kMissing.arg(QDir::toNativeSeparators(b.file));
    QCOMPARE(b.window->statusLabel()->text(), expected);
    QFile left(b.file);
    QCOMPARE(left.exists(), !content.isEmpty());
    if (left.open(QIODevice::ReadOnly)) QCOMPARE(left.readAll(), content);
}

QTEST_MAIN(TestHistoryWindow)
#include "test_history_window.moc"
