// commtest-soak: the program's scan and diagnosis windows, offscreen, against a faulty simulated
// bus for a long time; prints what went over the line and whether memory stayed flat.
#include "tools/soak/soak_options.h"
#include "tools/soak/soak_report.h"
#include "tools/soak/soak_run.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char* argv[]) {
    // No screen is needed: the windows run exactly as on one, unseen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const soak::OptionsResult parsed = soak::parseOptions(app.arguments());
    if (!parsed.options) {
        std::fprintf(parsed.help ? stdout : stderr, "%s\n", qPrintable(parsed.message));
        return parsed.help ? 0 : 2;
    }
    const soak::SoakReport report = soak::runSoak(*parsed.options, QCoreApplication::applicationDirPath());
    std::fputs(qPrintable(soak::formatReport(report, parsed.options->allowedMemoryGrowthPercent)), stdout);
    return soak::failures(report, parsed.options->allowedMemoryGrowthPercent).isEmpty() ? 0 : 1;
}
