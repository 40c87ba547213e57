// The program as the operator leaves it: the main window with its instrument list, and the
// diagnosis window polling one simulated instrument (or, with --idle, no diagnosis window). After
// a warm-up it prints, per minute: the CPU time this process takes, its wake-ups (voluntary
// context switches, all threads) and the paint events its widgets got with the area they covered.
// Wake-ups and paints are counts that a busy machine does not disturb; CPU time is. Under
// valgrind's callgrind (started with --instr-atstart=no) it counts the instructions of the
// measured span only, and dumps them as "polling".
//
//   commtest-bench-poll [--type CODE (hex, default 8A) | --idle] [--seconds N (60)] [--warmup N (5)]
//                       [--maximised]   (the diagnosis window fills the screen)
//   commtest-bench-poll --list-types     (every catalogue type code, one a line)
#include "app/main_window.h"
#include "bench/callgrind_marks.h"
#include "link/message_sink.h"
#include "link/qt_serial_link.h"
#include "search/instrument_list.h"
#include "tools/soak/reply_tally.h"
#include "tools/soak/simulator_process.h"
#include "tools/soak/tapped_link.h"
#include "views/instrument_types.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QPaintEvent>
#include <QScreen>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <sys/resource.h>

namespace {

struct Usage {
    double cpuSeconds = 0;
    long wakeUps = 0;
};

Usage usageNow() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return {seconds(usage.ru_utime) + seconds(usage.ru_stime), usage.ru_nvcsw};
}

// Counts the paint events that reach any widget, and the pixels they ask to be painted.
class PaintCounter : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++m_paints;
            for (const QRect& r : static_cast<QPaintEvent*>(event)->region())
                m_pixels += qint64(r.width()) * r.height();
        }
        return QObject::eventFilter(watched, event);
    }
    qint64 paints() const { return m_paints; }
    qint64 pixels() const { return m_pixels; }

private:
    qint64 m_paints = 0;
    qint64 m_pixels = 0;
};

class PrintingSink final : public serial::MessageSink {
public:
    void show(QWidget*, const QString& text, const QString& title) override {
        std::fprintf(stderr, "message: %s: %s\n", qPrintable(title), qPrintable(text));
    }
};

// The main window without the search dialog that start-up would show.
class BenchMainWindow final : public app::MainWindow {
public:
    using app::MainWindow::MainWindow;

protected:
    void showSearchDialog() override {}
};

int argument(const QStringList& args, const QString& name, int fallback, int base = 10) {
    const int at = args.indexOf(name);
    bool ok = false;
    const int value = at >= 0 ? args.value(at + 1).toInt(&ok, base) : fallback;
    return at >= 0 && !ok ? -1 : value;
}

} // namespace

int main(int argc, char* argv[]) {
    // Before QApplication, which wants a display.
    if (argc == 2 && std::strcmp(argv[1], "--list-types") == 0) {
        for (const views::InstrumentType& e : views::instrumentTypes())
            std::printf("%02X\n", e.code);
        return 0;
    }
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const bool idle = args.contains(QStringLiteral("--idle"));
    const int type = argument(args, QStringLiteral("--type"), 0x8A, 16);
    const int seconds = argument(args, QStringLiteral("--seconds"), 60);
    const int warmup = argument(args, QStringLiteral("--warmup"), 5);
    const views::InstrumentType* entry = views::typeForCode(type);
    if (!entry || seconds < 1 || warmup < 0) {
        std::fprintf(stderr, "usage: commtest-bench-poll [--type CODE | --idle] [--seconds N] [--warmup N] "
                             "[--maximised] | --list-types\n");
        return 2;
    }

    const QString binDir = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../bin"));
    const QString code = QString::number(type, 16).rightJustified(2, u'0').toUpper();
    soak::SimulatorProcess simulator(QDir(binDir).filePath(QStringLiteral("commtest-sim")),
                                     {"--pty", "--baud", "19200", "--instrument", "1:" + code});
    if (!idle) {
        const QString device = simulator.start();
        if (device.isEmpty()) {
            std::fprintf(stderr, "cannot start the simulator: %s\n", qPrintable(simulator.error()));
            return 1;
        }
        qputenv("COMMTEST_COM1", device.toLocal8Bit());
    }

    serial::QtSerialLink serialLink;
    soak::ReplyTally tally;
    soak::TappedLink link(serialLink, tally);
    PrintingSink sink;
    BenchMainWindow window(link, sink, binDir);
    link.setPortNumber(1);
    link.setSettings(QStringLiteral("19200,n,8,1"));
    window.show();
    window.startUp();
    InstrumentList& list = window.instruments();
    Instrument instrument;
    instrument.address = 1;
    instrument.typeCode = entry->code;
    instrument.addressText = "01";
    list.setInstrument(1, instrument);

    PaintCounter paints;
    app.installEventFilter(&paints);
    Usage atStart;
    qint64 paintsAtStart = 0, pixelsAtStart = 0;
    int requestsAtStart = 0, acceptedAtStart = 0;
    bool reported = false;
    QTimer::singleShot(warmup * 1000, &window, [&] {
        CALLGRIND_START_INSTRUMENTATION;
        atStart = usageNow();
        paintsAtStart = paints.paints();
        pixelsAtStart = paints.pixels();
        requestsAtStart = tally.requests();
        acceptedAtStart = tally.accepted();
    });
    QTimer::singleShot((warmup + seconds) * 1000, &window, [&] {
        CALLGRIND_DUMP_STATS_AT("polling");
        CALLGRIND_STOP_INSTRUMENTATION;
        const Usage now = usageNow();
        const double used = now.cpuSeconds - atStart.cpuSeconds;
        const double perMinute = 60.0 / seconds;
        std::printf("type=%s requests=%d accepted=%d cpu_ms_per_min=%.0f percent_of_core=%.3f "
                    "wakeups_per_min=%.0f paints_per_min=%.0f painted_kpx_per_min=%.0f\n",
                    idle ? "idle" : qPrintable(code), tally.requests() - requestsAtStart,
                    tally.accepted() - acceptedAtStart, used * perMinute * 1000.0, 100.0 * used / seconds,
                    double(now.wakeUps - atStart.wakeUps) * perMinute,
                    double(paints.paints() - paintsAtStart) * perMinute,
                    double(paints.pixels() - pixelsAtStart) * perMinute / 1000.0);
        std::fflush(stdout);
        reported = true;
        if (auto* dynamic = window.findChild<QDialog*>(QStringLiteral("Dynamic"))) dynamic->close();
        app.quit();
    });
    if (args.contains(QStringLiteral("--maximised")))
        QTimer::singleShot(500, &window, [&window] {
            // Without a window manager (Xvfb) a maximised state alone does not resize.
            if (auto* dynamic = window.findChild<QDialog*>(QStringLiteral("Dynamic")))
                dynamic->setGeometry(dynamic->screen()->availableGeometry());
        });
    // The diagnosis command as the operator gives it; it returns when the window has closed, at
    // once when the port did not open.
    if (!idle)
        QTimer::singleShot(0, &window, [&] {
            window.openDiagnosis();
            if (!reported) app.exit(1);
        });
    const int status = app.exec();
    return reported ? status : 1;
}
