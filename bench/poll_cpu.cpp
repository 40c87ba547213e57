// The diagnosis window polling one simulated instrument, as the operator leaves it open: prints the
// CPU time this process takes per minute of polling, after a warm-up.
//
//   commtest-bench-poll [--type CODE (hex, default 8A)] [--seconds N (60)] [--warmup N (5)]
#include "diagnosis/dynamic_window.h"
#include "link/message_sink.h"
#include "link/qt_serial_link.h"
#include "views/instrument_types.h"
#include "tools/soak/reply_tally.h"
#include "tools/soak/simulator_process.h"
#include "tools/soak/tapped_link.h"
#include "views/instrument_types.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTimer>

#include <cstdio>
#include <sys/resource.h>

namespace {

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

class PrintingSink final : public serial::MessageSink {
  public:
    void show(QWidget*, const QString& text, const QString& title) override {
        std::fprintf(stderr, "message: %s: %s\n", qPrintable(title), qPrintable(text));
    }
};

int argument(const QStringList& args, const QString& name, int fallback, int base = 10) {
    const int at = args.indexOf(name);
    bool ok = false;
    const int value = at >= 0 ? args.value(at + 1).toInt(&ok, base) : fallback;
    return at >= 0 && !ok ? -1 : value;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int type = argument(args, QStringLiteral("--type"), 0x8A, 16);
    const int seconds = argument(args, QStringLiteral("--seconds"), 60);
    const int warmup = argument(args, QStringLiteral("--warmup"), 5);
    const views::InstrumentType* entry = views::typeForCode(type);
    if (!entry || seconds < 1 || warmup < 0) {
        std::fprintf(stderr, "usage: commtest-bench-poll [--type CODE] [--seconds N] [--warmup N]\n");
        return 2;
    }

    const QString binDir = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../bin"));
    const QString code = QString::number(type, 16).rightJustified(2, u'0');
    soak::SimulatorProcess simulator(QDir(binDir).filePath(QStringLiteral("commtest-sim")),
                                     {"--pty", "--baud", "19200", "--instrument", "1:" + code});
    const QString device = simulator.start();
    if (device.isEmpty()) {
        std::fprintf(stderr, "cannot start the simulator: %s\n", qPrintable(simulator.error()));
        return 1;
    }
    qputenv("COMMTEST_COM1", device.toLocal8Bit());

    serial::QtSerialLink serialLink;
    soak::ReplyTally tally;
    soak::TappedLink link(serialLink, tally);
    link.setPortNumber(1);
    link.setSettings(QStringLiteral("19200,n,8,1"));
    Instrument instrument;
    instrument.address = 1;
    instrument.typeCode = type;
    instrument.addressText = "01";
    PrintingSink sink;
    QWidget mainArea;
    mainArea.resize(1024, 768);
    DynamicWindow window(link, sink, binDir, &mainArea);

    double cpuAtStart = 0;
    int requestsAtStart = 0;
    int acceptedAtStart = 0;
    QTimer::singleShot(warmup * 1000, [&] {
        cpuAtStart = cpuSeconds();
        requestsAtStart = tally.requests();
        acceptedAtStart = tally.accepted();
    });
    QTimer::singleShot((warmup + seconds) * 1000, [&] {
        const double used = cpuSeconds() - cpuAtStart;
        const double perMinute = used * 60.0 / seconds;
        std::printf("type=%s requests=%d accepted=%d cpu_ms_per_min=%.0f percent_of_core=%.3f\n",
                    qPrintable(code.toUpper()), tally.requests() - requestsAtStart,
                    tally.accepted() - acceptedAtStart, perMinute * 1000.0, 100.0 * used / seconds);
        std::fflush(stdout);
        window.command1()->click();
    });
    if (!window.showModal(instrument)) return 1;
    return 0;
}
