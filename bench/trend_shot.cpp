// A picture of the live trend: half an hour of a controller stepping its set value, with an alarm,
// a few missed polls, both cursors placed and the pointer over the chart.
//
//   commtest-trend-shot OUT.png     (under xvfb-run for the real window system)
#include "trends/chart_canvas.h"
#include "trends/live_trend_window.h"
#include "trends/trend_chart.h"

#include <QApplication>
#include <QChart>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QListWidget>

#include <cmath>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: commtest-trend-shot OUT.png\n");
        return 2;
    }
    const qint64 start = QDateTime(QDate(2026, 12, 8), QTime(14, 0)).toMSecsSinceEpoch();
    trends::LiveTrendWindow window;
    window.setInstrument(1, QStringLiteral("LCD-PID"));
    window.setReadingCurves({{"PV", "测量值", "℃", 1, false},
                             {"SV", "设定值", "℃", 1, false},
                             {"MV", "输出", "%", 1, false},
                             {"AL1", "报警1", "", 0, true}});
    window.readingList()->item(3)->setCheckState(Qt::Checked);
    window.resize(1100, 680);
    window.show();
    // Until the chart has been laid out.
    const QDeadlineTimer deadline(5000);
    while (!deadline.hasExpired() &&
           !(window.chart()->chart() && window.chart()->chart()->plotArea().width() > 500))
        QApplication::processEvents(QEventLoop::AllEvents, 50);

    double pv = 100, integral = 0;
    for (int i = 0; i < 900; ++i) {
        protocol::Sample s;
        s.epochMs = start + qint64(i) * 2000;
        s.address = 1;
        const double sv = i < 300 ? 100 : 150;
        const double error = sv - pv;
        integral += error * 0.02;
        const double mv = std::clamp(2.0 * error + integral, 0.0, 100.0);
        pv += (mv * 1.6 - (pv - 20) * 0.9) * 0.03 + std::sin(i * 1.7) * 0.15;
        if (i == 420 || i == 421 || i == 422 || i == 700) {
            s.verdict = QStringLiteral("no reply");
        } else {
            s.typeCode = 0x30;
            s.readings = {{"PV", "测量值", "℃", 1, pv},
                          {"SV", "设定值", "℃", 1, sv},
                          {"MV", "输出", "%", 1, mv},
                          {"AL1", "报警1", "", 0, pv > 148.5 ? 1.0 : 0.0}};
        }
        window.addSample(s);
    }
    trends::TrendChart* chart = window.chart();
    chart->setSpan(30 * 60 * 1000);
    chart->placeCursor(start + 300 * 2000);
    chart->placeCursor(start + 520 * 2000);
    chart->setHoverTime(start + 760 * 2000);
    QApplication::processEvents();
    if (!window.grab().save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
