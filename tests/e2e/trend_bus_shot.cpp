// A picture of the live trend fed from the simulated bus: the program scans a bus of one PID
// controller, opens 实时趋势 on it, records a few dozen polls and saves the window as it shows.
// With a second picture, the live trend is then closed and 历史趋势 opened on what it recorded.
//
//   COMMTEST_BIN_DIR=build/bin xvfb-run -a build/tests/commtest-trend-bus-shot OUT.png [polls (default 30)]
//                                                                             [HISTORY.png]
#include "app/main_window.h"
#include "bench.h"
#include "search/instrument_list.h"
#include "trends/history_window.h"
#include "trends/live_trend_session.h"
#include "trends/live_trend_window.h"
#include "trends/recording_switch.h"

#include <QApplication>
#include <QCheckBox>
#include <QDeadlineTimer>
#include <QMdiSubWindow>
#include <QTreeWidget>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUT.png [polls] [HISTORY.png]\n", argv[0]);
        return 2;
    }
    const int polls = argc > 2 ? std::atoi(argv[2]) : 30;
    Bench bench;
    QString why;
    if (!bench.isReady(&why) || !bench.sim().start({"--instrument", "1:0E"})) {
        std::fprintf(stderr, "no bench: %s %s\n", qPrintable(why), qPrintable(bench.sim().error()));
        return 1;
    }
    bench.startUpScan(1, 1);
    app::MainWindow& main = bench.mainWindow();
    main.setPollIntervals(bench.scanIntervals(), bench.diagnosisIntervals());
    main.show();
    main.instruments().setCurrentRow(1);
    main.openLiveTrend();
    trends::LiveTrendSession* session = main.liveTrend();
    if (!session) {
        std::fprintf(stderr, "no live trend: %s\n", qPrintable(bench.messageText()));
        return 1;
    }
    if (auto* sub = qobject_cast<QMdiSubWindow*>(session->window()->parentWidget())) sub->showMaximized();
    session->window()->recordBox()->click();
    QDeadlineTimer deadline(qint64(polls) * bench.diagnosisIntervals().sendMs * 3 + 10000);
    while (qint64(session->window()->buffer().size()) < polls && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    const bool saved = main.grab().save(QString::fromLocal8Bit(argv[1]));
    std::printf("%lld polls shown, %lld recorded, picture %s\n", qint64(session->window()->buffer().size()),
                session->recording().recorder().storedCount(), saved ? "saved" : "NOT saved");
    session->window()->close();
    bench.sim().stop();
    if (argc > 3 && saved) {
        main.openHistory();
        trends::HistoryWindow* history = main.historyWindow();
        if (!history || history->tree()->topLevelItemCount() == 0) {
            std::fprintf(stderr, "no history shown: %s\n", qPrintable(bench.messageText()));
            return 1;
        }
        history->tree()->setCurrentItem(history->tree()->topLevelItem(0));
        history->showWhole();
        QCoreApplication::processEvents();
        const bool historySaved = history->window()->grab().save(QString::fromLocal8Bit(argv[3]));
        std::printf("history picture %s\n", historySaved ? "saved" : "NOT saved");
        return historySaved ? 0 : 1;
    }
    return saved ? 0 : 1;
}
