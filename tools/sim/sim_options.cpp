#include "tools/sim/sim_options.h"

#include "tools/sim/reply_builder.h"
#include "views/instrument_types.h"

#include <QCommandLineParser>

namespace sim {

namespace {

const QList<int> kRates = {600, 1200, 2400, 4800, 9600, 19200};

std::optional<int> intInRange(const QString& text, int low, int high) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    if (!ok || value < low || value > high) return std::nullopt;
    return value;
}

QString fixedValuesText() {
    QString text = QStringLiteral(
        "Fixed values (--fixed), by type code: position[width]=value, positions 1-based in the\n"
        "reply; six-character fields are fixed-point, eight-character fields floats, two-character\n"
        "fields hexadecimal bytes. A total is two floats, hundreds and remainder.\n");
    for (const auto& entry : views::instrumentTypes()) {
        QString line = QStringLiteral("  %1 ").arg(entry.code, 2, 16, QLatin1Char('0')).toUpper();
        for (const QString& note : describeFixedReply(entry.code)) {
            if (line.size() + note.size() + 1 > 96) {
                text += line + QLatin1Char('\n');
                line = QStringLiteral("     ");
            }
            line += QLatin1Char(' ') + note;
        }
        text += line + QLatin1Char('\n');
    }
    return text;
}

const char* const kAbout =
    "Plays a bus of instruments on a serial line, answering read requests with reply frames.\n"
    "With --pty (the default) it creates a pseudo-terminal and prints the device for the program\n"
    "to open on the first line of standard output.";

const char* const kNotes =
    "\nFaults: --echo repeats every received line at once, as a half-duplex adapter does;\n"
    "--noise puts one junk byte (never \"@\" or CR) before each reply; --corrupt and --drop act\n"
    "on that percentage of replies; --garbage sends bursts of one to eight junk bytes, never \"@\"\n"
    "or CR, at random moments while the line is idle, so a reader that drops noise before \"@\"\n"
    "loses nothing; --silent ADDR lets that instrument answer once and never again.\n"
    "Replies leave after the turnaround delay, paced at ten bit times a character; an instrument\n"
    "given as ADDR:CODE:MS has a turnaround of its own, e.g. 7:02:300 for one slow instrument.\n"
    "--half-duplex puts requests and replies on one pair of wires: a request takes its own line\n"
    "time and turnarounds count from its end; a request that meets a reply on the line garbles\n"
    "that reply (junk in place of its tail) and is answered by nobody; two replies that meet\n"
    "garble each other.\n"
    "Type codes outside the catalogue answer with no data fields.\n"
    "--verbose marks each line: <- received, -> reply, <> echo, ~~ garbage, -- no answer,\n"
    "xx a reply garbled on a half-duplex line (one line per garbling, to be counted).\n"
    "SIGTERM and SIGINT end the simulator cleanly; standard input is not watched, since a\n"
    "background job's standard input is often /dev/null.\n\n";

} // namespace

QList<Instrument> defaultInstruments() {
    QList<Instrument> out;
    int address = 1;
    for (const auto& entry : views::instrumentTypes())
        out << Instrument{address++, entry.code};
    return out;
}

std::optional<Instrument> parseInstrument(const QString& text) {
    const QStringList parts = text.split(QLatin1Char(':'));
    if (parts.size() < 2 || parts.size() > 3 || parts[1].size() != 2) return std::nullopt;
    const auto address = intInRange(parts[0], 0, 255);
    bool ok = false;
    const int code = parts[1].toInt(&ok, 16);
    if (!address || !ok || parts[1].startsWith(QLatin1Char('-')) || parts[1].startsWith(QLatin1Char('+')))
        return std::nullopt;
    Instrument instrument{*address, code};
    if (parts.size() == 3) {
        const auto turnaround = intInRange(parts[2], 0, 10000);
        if (!turnaround || parts[2].trimmed().startsWith(QLatin1Char('+'))) return std::nullopt;
        instrument.turnaroundMs = *turnaround;
    }
    return instrument;
}

ParseResult parseOptions(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromLatin1(kAbout));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption pty(QStringLiteral("pty"),
                                 QStringLiteral("Create a pseudo-terminal (the default)."));
    const QCommandLineOption port(QStringLiteral("port"), QStringLiteral("Use a serial device instead."),
                                  QStringLiteral("DEVICE"));
    const QCommandLineOption baud(QStringLiteral("baud"),
                                  QStringLiteral("Line rate: 600, 1200, 2400, 4800, 9600 or 19200 (9600)."),
                                  QStringLiteral("RATE"), QStringLiteral("9600"));
    const QCommandLineOption instrument(
        QStringLiteral("instrument"),
        QStringLiteral("An instrument, ADDR decimal, CODE two hex digits, its own turnaround in ms "
                       "if given; repeatable. Default: every catalogue type at addresses 1 to 18."),
        QStringLiteral("ADDR:CODE[:MS]"));
    const QCommandLineOption fixed(QStringLiteral("fixed"),
                                   QStringLiteral("Hold every value at its constant."));
    const QCommandLineOption delay(QStringLiteral("delay"), QStringLiteral("Turnaround delay (20)."),
                                   QStringLiteral("MS"), QStringLiteral("20"));
    const QCommandLineOption halfDuplex(
        QStringLiteral("half-duplex"),
        QStringLiteral("Requests and replies share the wire and can collide."));
    const QCommandLineOption echo(QStringLiteral("echo"), QStringLiteral("Repeat each request line."));
    const QCommandLineOption noise(QStringLiteral("noise"), QStringLiteral("A junk byte before each reply."));
    const QCommandLineOption corrupt(QStringLiteral("corrupt"),
                                     QStringLiteral("Wrong check characters on PCT % of replies."),
                                     QStringLiteral("PCT"), QStringLiteral("0"));
    const QCommandLineOption drop(QStringLiteral("drop"), QStringLiteral("No answer to PCT % of requests."),
                                  QStringLiteral("PCT"), QStringLiteral("0"));
    const QCommandLineOption garbage(QStringLiteral("garbage"),
                                     QStringLiteral("Junk bytes on the idle line between replies."));
    const QCommandLineOption silent(
        QStringLiteral("silent"), QStringLiteral("That instrument stops after its first reply; repeatable."),
        QStringLiteral("ADDR"));
    const QCommandLineOption seed(
        QStringLiteral("seed"), QStringLiteral("Seed of the random values and faults."), QStringLiteral("N"));
    const QCommandLineOption verbose(QStringLiteral("verbose"),
                                     QStringLiteral("Print every request and reply on standard error."));
    parser.addOptions({pty, port, baud, instrument, fixed, delay, halfDuplex, echo, noise, corrupt, drop,
                       garbage, silent, seed, verbose});

    ParseResult result;
    if (!parser.parse(arguments)) {
        result.error = parser.errorText();
        return result;
    }
    if (parser.isSet(help)) {
        result.help = parser.helpText() + QString::fromLatin1(kNotes) + fixedValuesText();
        return result;
    }
    if (!parser.positionalArguments().isEmpty()) {
        result.error = QStringLiteral("Unexpected argument: %1").arg(parser.positionalArguments().first());
        return result;
    }
    auto fail = [&result](const QString& text) {
        result.error = text;
        return result;
    };

    SimOptions options;
    if (parser.isSet(pty) && parser.isSet(port))
        return fail(QStringLiteral("--pty and --port exclude each other"));
    options.port = parser.value(port);
    if (parser.isSet(port) && options.port.isEmpty()) return fail(QStringLiteral("--port needs a device"));

    const auto rate = intInRange(parser.value(baud), 0, 1000000);
    if (!rate || !kRates.contains(*rate))
        return fail(QStringLiteral("Unsupported baud rate: %1").arg(parser.value(baud)));
    options.baud = *rate;

    for (const QString& text : parser.values(instrument)) {
        const auto parsed = parseInstrument(text);
        if (!parsed)
            return fail(QStringLiteral("Bad instrument %1: expected ADDR:CODE[:MS], e.g. 5:02 or 7:02:300")
                            .arg(text));
        for (const Instrument& known : options.instruments)
            if (known.address == parsed->address)
                return fail(QStringLiteral("Address %1 is given twice").arg(parsed->address));
        options.instruments << *parsed;
    }
    if (options.instruments.isEmpty()) options.instruments = defaultInstruments();

    options.fixed = parser.isSet(fixed);
    const auto delayMs = intInRange(parser.value(delay), 0, 10000);
    if (!delayMs) return fail(QStringLiteral("Bad delay: %1 (0 to 10000 ms)").arg(parser.value(delay)));
    options.delayMs = *delayMs;
    options.halfDuplex = parser.isSet(halfDuplex);

    options.faults.echo = parser.isSet(echo);
    options.faults.noise = parser.isSet(noise);
    options.faults.garbage = parser.isSet(garbage);
    const auto corruptPct = intInRange(parser.value(corrupt), 0, 100);
    const auto dropPct = intInRange(parser.value(drop), 0, 100);
    if (!corruptPct) return fail(QStringLiteral("Bad --corrupt: %1 (0 to 100)").arg(parser.value(corrupt)));
    if (!dropPct) return fail(QStringLiteral("Bad --drop: %1 (0 to 100)").arg(parser.value(drop)));
    options.faults.corruptPercent = *corruptPct;
    options.faults.dropPercent = *dropPct;
    for (const QString& text : parser.values(silent)) {
        const auto address = intInRange(text, 0, 255);
        if (!address) return fail(QStringLiteral("Bad --silent address: %1").arg(text));
        options.faults.silent.insert(*address);
    }

    if (parser.isSet(seed)) {
        bool ok = false;
        const quint32 value = parser.value(seed).toUInt(&ok, 10);
        if (!ok) return fail(QStringLiteral("Bad seed: %1").arg(parser.value(seed)));
        options.seed = value;
    }
    options.verbose = parser.isSet(verbose);
    result.options = options;
    return result;
}

} // namespace sim
