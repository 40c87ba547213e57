// commtest-sim: a bus of simulated instruments on a pseudo-terminal or a serial device.
#include "tools/sim/pty_line.h"
#include "tools/sim/serial_line.h"
#include "tools/sim/signal_watch.h"
#include "tools/sim/sim_bus.h"
#include "tools/sim/sim_options.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <cstdio>
#include <memory>

namespace {

void printLine(FILE* stream, const QString& text) {
    std::fprintf(stream, "%s\n", text.toLocal8Bit().constData());
    std::fflush(stream);
}

// The line of the options, or nothing after telling why it could not be opened.
std::unique_ptr<sim::Line> openLine(const sim::SimOptions& options) {
    if (options.port.isEmpty()) {
        auto pty = std::make_unique<sim::PtyLine>();
        if (pty->isOpen()) return pty;
        printLine(stderr,
                  QStringLiteral("commtest-sim: cannot create a pseudo-terminal: %1").arg(pty->error()));
        return nullptr;
    }
    auto serial = std::make_unique<sim::SerialLine>();
    if (serial->open(options.port, options.baud)) return serial;
    printLine(stderr, QStringLiteral("commtest-sim: cannot open %1: %2").arg(options.port, serial->error()));
    return nullptr;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const sim::ParseResult parsed = sim::parseOptions(app.arguments());
    if (!parsed.help.isEmpty()) {
        printLine(stdout, parsed.help);
        return 0;
    }
    if (!parsed.options) {
        printLine(stderr, QStringLiteral("commtest-sim: %1 (see --help)").arg(parsed.error));
        return 2;
    }
    const sim::SimOptions& options = *parsed.options;

    sim::SignalWatch stopWatch;
    QObject::connect(&stopWatch, &sim::SignalWatch::stopRequested, &app, [] { QCoreApplication::quit(); });

    std::unique_ptr<sim::Line> line = openLine(options);
    if (!line) return 1;
    int status = 0;
    QObject::connect(line.get(), &sim::Line::failed, &app, [&status](const QString& reason) {
        printLine(stderr, QStringLiteral("commtest-sim: line lost: %1").arg(reason));
        status = 1;
        QCoreApplication::quit();
    });

    const quint32 seed = options.seed.value_or(QRandomGenerator::global()->generate());
    sim::SimBus bus(options, *line, seed);
    // The first line of standard output is the device; whoever started us waits for it.
    printLine(stdout, line->devicePath());
    if (options.verbose) printLine(stderr, QStringLiteral("commtest-sim: seed %1").arg(seed));
    const int loopStatus = app.exec();
    return status ? status : loopStatus;
}
