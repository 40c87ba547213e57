// The terminal left open on a faulty line: the simulator answers 18 instruments at 19200 baud with
// echo, noise and garbage while a poller asks them in turn at a short interval, and the terminal
// shows, judges and counts every line. Prints this process's CPU share and resident memory growth
// after a warm-up and how many lines the terminal holds. --paints adds the paint events the
// widgets got, with the area they covered, in all and by widget: counts that a busy machine does
// not disturb as it does CPU time (the counting itself sees every event, so it costs some CPU).
// --shot FILE saves a picture of the window as it shows at the end. Under valgrind's callgrind
// (started with --instr-atstart=no) it counts the instructions of the measured span only, and
// dumps them as "terminal".
//
//   commtest-bench-terminal [--seconds N (600)] [--interval MS (30)] [--warmup N (5)] [--hidden]
//                           [--paints] [--shot FILE]
#include "bench/callgrind_marks.h"
#include "engine/poll_engine.h"
#include "engine/traffic_hub.h"
#include "link/message_sink.h"
#include "link/qt_serial_link.h"
#include "protocol/frame.h"
#include "terminal/ui/terminal_window.h"
#include "tools/soak/resident_memory.h"
#include "tools/soak/simulator_process.h"

#include <QApplication>
#include <QDir>
#include <QPaintEvent>
#include <QTimer>

#include <cstdio>
#include <map>
#include <sys/resource.h>

namespace {

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Paint events that reach any widget and the pixels they ask for, by the widget's class.
class PaintCounter final : public QObject {
public:
    struct Count {
        qint64 paints = 0;
        qint64 pixels = 0;
    };
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            // Qt's own parts of a view (its viewport, its scroll bar's box) by the view.
            const QObject* named = watched;
            while (named->parent() && named->objectName().startsWith(QLatin1String("qt_")))
                named = named->parent();
            Count& c =
                m_counts[QByteArray(watched->metaObject()->className()) + ' ' + named->objectName().toUtf8()];
            ++c.paints;
            for (const QRect& r : static_cast<QPaintEvent*>(event)->region())
                c.pixels += qint64(r.width()) * r.height();
        }
        return QObject::eventFilter(watched, event);
    }
    Count total() const {
        Count sum;
        for (const auto& [name, c] : m_counts) {
            sum.paints += c.paints;
            sum.pixels += c.pixels;
        }
        return sum;
    }
    void restart() { m_counts.clear(); }
    const std::map<QByteArray, Count>& counts() const { return m_counts; }

private:
    std::map<QByteArray, Count> m_counts;
};

class PrintingSink final : public serial::MessageSink {
public:
    void show(QWidget*, const QString& text, const QString& title) override {
        std::fprintf(stderr, "message: %s: %s\n", qPrintable(title), qPrintable(text));
    }
};

// Asks addresses 1 to 18 in turn, for ever.
class RoundRobin final : public engine::PollClient {
public:
    bool nextRequest(engine::Request& request) override {
        request.address = m_next;
        request.bytes = protocol::readRequest(protocol::addressField(m_next));
        m_next = m_next % 18 + 1;
        return true;
    }
    void replyTick(const engine::ReplyReader&) override {}

private:
    int m_next = 1;
};

int argument(const QStringList& args, const QString& name, int fallback) {
    const int at = args.indexOf(name);
    bool ok = false;
    const int value = at >= 0 ? args.value(at + 1).toInt(&ok) : fallback;
    return at >= 0 && !ok ? -1 : value;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int seconds = argument(args, QStringLiteral("--seconds"), 600);
    const int intervalMs = argument(args, QStringLiteral("--interval"), 30);
    const int warmup = argument(args, QStringLiteral("--warmup"), 5);
    if (seconds < 1 || intervalMs < 1 || warmup < 0) {
        std::fprintf(stderr,
                     "usage: commtest-bench-terminal [--seconds N] [--interval MS] [--warmup N] [--hidden]\n"
                     "                               [--paints] [--shot FILE]\n");
        return 2;
    }

    const QString binDir = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../bin"));
    soak::SimulatorProcess simulator(QDir(binDir).filePath(QStringLiteral("commtest-sim")),
                                     {"--pty", "--baud", "19200", "--garbage", "--noise", "--echo"});
    const QString device = simulator.start();
    if (device.isEmpty()) {
        std::fprintf(stderr, "cannot start the simulator: %s\n", qPrintable(simulator.error()));
        return 1;
    }
    qputenv("COMMTEST_COM1", device.toLocal8Bit());

    serial::QtSerialLink link;
    link.setPortNumber(1);
    link.setSettings(QStringLiteral("19200,n,8,1"));
    PrintingSink sink;
    engine::TrafficHub hub;
    terminal::TerminalWindow window(link, hub, sink);
    window.resize(1000, 700);
    // --hidden: the same work without drawing, to tell the drawing's share.
    if (!args.contains(QStringLiteral("--hidden"))) window.show();

    engine::PollEngine poller(link);
    hub.attach(poller);
    RoundRobin client;
    if (poller.open() != serial::NoError) {
        std::fprintf(stderr, "cannot open %s\n", qPrintable(device));
        return 1;
    }
    poller.start(client, {intervalMs, 20});

    PaintCounter paints;
    const bool countPaints = args.contains(QStringLiteral("--paints"));
    if (countPaints) app.installEventFilter(&paints);
    double cpuAtStart = 0;
    qint64 rssAtStart = 0;
    qint64 linesAtStart = 0;
    QTimer::singleShot(warmup * 1000, [&] {
        CALLGRIND_START_INSTRUMENTATION;
        cpuAtStart = cpuSeconds();
        rssAtStart = soak::residentBytes();
        linesAtStart = window.log().endSeq();
        paints.restart();
    });
    QTimer::singleShot((warmup + seconds) * 1000, [&] {
        CALLGRIND_DUMP_STATS_AT("terminal");
        CALLGRIND_STOP_INSTRUMENTATION;
        const double used = cpuSeconds() - cpuAtStart;
        const qint64 rss = soak::residentBytes();
        const double perMinute = 60.0 / seconds;
        if (countPaints)
            for (const auto& [name, c] : paints.counts())
                std::printf("%s paints_per_min=%.0f painted_kpx_per_min=%.0f\n", name.constData(),
                            c.paints * perMinute, c.pixels * perMinute / 1000.0);
        std::printf("seconds=%d interval_ms=%d lines_seen=%lld lines_held=%lld percent_of_core=%.2f "
                    "rss_start_mb=%.1f rss_end_mb=%.1f rss_growth_mb=%.1f",
                    seconds, intervalMs, static_cast<long long>(window.log().endSeq() - linesAtStart),
                    static_cast<long long>(window.log().endSeq() - window.log().firstSeq()),
                    100.0 * used / seconds, rssAtStart / 1048576.0, rss / 1048576.0,
                    (rss - rssAtStart) / 1048576.0);
        if (countPaints)
            std::printf(" paints_per_min=%.0f painted_kpx_per_min=%.0f", paints.total().paints * perMinute,
                        paints.total().pixels * perMinute / 1000.0);
        std::printf("\n");
        std::fflush(stdout);
        const int shotAt = args.indexOf(QStringLiteral("--shot"));
        if (shotAt >= 0 && shotAt + 1 < args.size() && !window.grab().save(args.at(shotAt + 1)))
            std::fprintf(stderr, "cannot save %s\n", qPrintable(args.at(shotAt + 1)));
        poller.stop();
        app.quit();
    });
    return app.exec();
}
