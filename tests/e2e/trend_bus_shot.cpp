// A picture of the live trend fed from the simulated bus: the program scans a bus of one PID
// controller, opens 实时趋势 on it, records a few dozen polls and saves the window as it shows.
//
//   COMMTEST_BIN_DIR=build/bin xvfb-run -a build/tests/commtest-trend-bus-shot OUT.png [polls (default 30)]
#include "app/main_window.h"
#include "bench.h"
#include "search/instrument_list.h"
#include "trends/live_trend_session.h"
#include "trends/live_trend_window.h"
#include "trends/recording_switch.h"

#include <QApplication>
#include <QCheckBox>
#include <QDeadlineTimer>
#include <QMdiSubWindow>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUT.png [polls]\n", argv[0]);
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
    return saved ? 0 : 1;
}
