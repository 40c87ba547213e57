#include "tools/soak/soak_options.h"

#include <QtNumeric>

namespace soak {

namespace {

const char* const kHelp =
    "commtest-soak [--minutes N] [--range FIRST-LAST] [--polls N] [--sim PATH] [--max-growth PCT]\n"
    "              [-- SIMULATOR ARGUMENTS]\n"
    "Runs scans and diagnosis windows against commtest-sim for N minutes (default 30) and reports\n"
    "requests, replies accepted and rejected, resident memory and failures. The windows are the\n"
    "program's own, shown offscreen, with their own timers. Each round scans FIRST-LAST (default\n"
    "1-20), then opens the diagnosis window for every instrument found, for N requests each\n"
    "(default 5). The simulator runs with: --pty --baud 19200 --echo --noise --corrupt 10 --drop 10\n"
    "--garbage --silent 7, unless arguments follow \"--\". Fails when memory after the first round\n"
    "grows by more than PCT percent (default 5) by the end, when the simulator dies, or when the\n"
    "port is lost or a window shows a message.";

std::optional<double> positiveNumber(const QString& text) {
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !qIsFinite(value) || !(value > 0)) return std::nullopt;
    return value;
}

std::optional<int> addressIn(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < 0 || value > 255) return std::nullopt;
    return value;
}

} // namespace

OptionsResult parseOptions(const QStringList& arguments) {
    SoakOptions options;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h"))
            return {std::nullopt, QString::fromLatin1(kHelp), true};
        if (arg == QLatin1String("--")) {
            options.simulatorArguments = arguments.mid(i + 1);
            break;
        }
        if (i + 1 >= arguments.size()) return {std::nullopt, QStringLiteral("%1 needs a value").arg(arg)};
        const QString value = arguments[++i];
        if (arg == QLatin1String("--minutes")) {
            const auto minutes = positiveNumber(value);
            if (!minutes) return {std::nullopt, QStringLiteral("--minutes needs a positive number")};
            options.minutes = *minutes;
        } else if (arg == QLatin1String("--range")) {
            const QStringList ends = value.split(u'-');
            const auto first = ends.size() == 2 ? addressIn(ends[0]) : std::nullopt;
            const auto last = ends.size() == 2 ? addressIn(ends[1]) : std::nullopt;
            if (!first || !last || *first > *last)
                return {std::nullopt,
                        QStringLiteral("--range needs FIRST-LAST, 0 to 255, FIRST not above LAST")};
            options.firstAddress = *first;
            options.lastAddress = *last;
        } else if (arg == QLatin1String("--polls")) {
            bool ok = false;
            options.pollsPerInstrument = value.toInt(&ok);
            if (!ok || options.pollsPerInstrument < 1)
                return {std::nullopt, QStringLiteral("--polls needs a whole number of 1 or more")};
        } else if (arg == QLatin1String("--sim")) {
            options.simulator = value;
        } else if (arg == QLatin1String("--max-growth")) {
            const auto growth = positiveNumber(value);
            if (!growth) return {std::nullopt, QStringLiteral("--max-growth needs a positive number")};
            options.allowedMemoryGrowthPercent = *growth;
        } else {
            return {std::nullopt, QStringLiteral("unknown option %1").arg(arg)};
        }
    }
    return {options, QString()};
}

} // namespace soak
