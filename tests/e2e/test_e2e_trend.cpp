// Recording from the simulated bus, end to end: the live trend (实时趋势) and the diagnosis
// window's trend poll a PID controller whose replies hold the simulator's documented constants,
// their 记录 switch stores every poll in the history file, and what the file holds afterwards is
// what those replies mean.
#include "app/main_window.h"
#include "bench.h"
#include "diagnosis/dynamic_window.h"
#include "history/store.h"
#include "search/instrument_list.h"
#include "trends/live_trend_session.h"
#include "trends/live_trend_window.h"
#include "trends/recording_switch.h"

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QTest>
#include <cmath>
#include <map>

namespace {
constexpr int kTypeCode = 0x0E;
const QString kModel = QStringLiteral("LED系列——PID显示控制仪");
// What the simulator's fixed reply of type 0E means: the two displays, the set value, the output
// float 127.5 as 50 %, the status byte 01, and alarm states 00 01 02 03 (1 and 2 light a lamp).
const std::map<QString, double> kMeaning = {{"V1", 123.4}, {"V2", 118.0}, {"SV", 120.0},
                                            {"MV", 50.0},  {"STATUS", 1}, {"AL1", 0},
                                            {"AL2", 1},    {"AL3", 1},    {"AL4", 0}};
constexpr int kPolls = 3; // recorded before the window closes
constexpr int kDeadlineMs = 20000;
} // namespace

class TestE2eTrend : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void recordsWhatTheRepliesMean_data();
    void recordsWhatTheRepliesMean();

private:
    std::unique_ptr<Bench> m_bench;
};

void TestE2eTrend::initTestCase() {
    m_bench = std::make_unique<Bench>();
    QString why;
    QVERIFY2(m_bench->isReady(&why), qPrintable(why));
    QVERIFY2(m_bench->sim().start({"--instrument", "1:0E"}), qPrintable(m_bench->sim().error()));
    const Bench::ScanRun scan = m_bench->startUpScan(1, 1);
    QVERIFY(scan.searchingShown && !scan.searchingForced);
    QCOMPARE(m_bench->listedRows().value(0).value(2), kModel);
    // Start-up put the configured poll interval in place; these tests poll faster.
    m_bench->mainWindow().setPollIntervals(m_bench->scanIntervals(), m_bench->diagnosisIntervals());
}

void TestE2eTrend::cleanupTestCase() {
    if (!m_bench) return;
    const bool clean = m_bench->sim().stop();
    m_bench.reset();
    QVERIFY2(clean, "the simulator did not end cleanly");
}

void TestE2eTrend::recordsWhatTheRepliesMean_data() {
    QTest::addColumn<bool>("fromDiagnosis"); // else the main window's 实时趋势
    QTest::newRow("live trend") << false;
    QTest::newRow("diagnosis window's trend") << true;
}

void TestE2eTrend::recordsWhatTheRepliesMean() {
    QFETCH(bool, fromDiagnosis);
    app::MainWindow& main = m_bench->mainWindow();
    const QString path = main.appSettings().historyDatabasePath();
    QFile::remove(path);
    main.instruments().setCurrentRow(1);
    qint64 shownInTrend = 0;

    if (fromDiagnosis) {
        const Bench::DiagnosisRun run = m_bench->diagnose(1, ledPidController(), [&shownInTrend] {
            auto* window = qobject_cast<DynamicWindow*>(QApplication::activeModalWidget());
            if (!window) return false;
            if (!window->trendWindow()) {
                QTest::mouseClick(window->trendButton(), Qt::LeftButton);
                window->recordBox()->click();
            }
            if (window->recording().recorder().storedCount() < kPolls) return false;
            shownInTrend = window->trendWindow()->buffer().size();
            return true;
        });
        QVERIFY(run.shown);
        QVERIFY2(!run.forced, qPrintable(run.unseenText()));
    } else {
        main.openLiveTrend();
        trends::LiveTrendSession* session = main.liveTrend();
        QVERIFY2(session && session->isPolling(), qPrintable(m_bench->messageText()));
        session->window()->recordBox()->click();
        QTRY_VERIFY_WITH_TIMEOUT(session->recording().recorder().storedCount() >= kPolls, kDeadlineMs);
        shownInTrend = session->window()->buffer().size();
        session->window()->close();
    }
    QVERIFY2(m_bench->portIsFree(), "the port is still held after the window closed");
    QVERIFY2(m_bench->messages().isEmpty(), qPrintable(m_bench->messageText()));

    history::Store store;
    QVERIFY2(store.open(path, history::OpenMode::Browse), qPrintable(store.errorString()));
    const std::vector<history::RecordingSummary> recordings = store.recordings();
    QCOMPARE(recordings.size(), size_t(1));
    const history::RecordingInfo& info = recordings.front().info;
    QCOMPARE(info.port, QStringLiteral("COM1"));
    QCOMPARE(info.baudRate, 9600);
    QCOMPARE(info.address, 1);
    QCOMPARE(info.typeCode, kTypeCode);
    QCOMPARE(info.model, kModel);
    QCOMPARE(info.intervalMs, m_bench->diagnosisIntervals().sendMs);

    history::Selection everything;
    everything.instrument = {1, kTypeCode, kModel};
    const history::Series series = store.readSeries(everything);
    QVERIFY2(qint64(series.timesMs.size()) >= kPolls, qPrintable(QString::number(series.timesMs.size())));
    // Every stored poll was shown in the trend too (the trend may have seen one more since).
    QVERIFY(shownInTrend >= qint64(series.timesMs.size()) - 1);
    for (const auto& [key, meaning] : kMeaning) {
        const int k = int(series.keys.indexOf(key));
        QVERIFY2(k >= 0, qPrintable(key + QStringLiteral(" not stored: ") + series.keys.join(',')));
        for (size_t i = 0; i < series.timesMs.size(); ++i)
            QVERIFY2(
                std::abs(series.values[k][i] - meaning) < 1e-3,
                qPrintable(QStringLiteral("%1 of poll %2 is %3").arg(key).arg(i).arg(series.values[k][i])));
    }
    for (size_t i = 1; i < series.timesMs.size(); ++i)
        QVERIFY(series.timesMs[i] > series.timesMs[i - 1]);
}

QTEST_MAIN(TestE2eTrend)
#include "test_e2e_trend.moc"
