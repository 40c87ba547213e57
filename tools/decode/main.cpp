// commtest-decode: decodes captured instrument replies offline, through the same layouts and view
// routines as the diagnosis window, and prints the panel after each frame as one line of JSON.
#include "decode_session.h"
#include "frame_text.h"
#include "panel_json.h"
#include "readings_doc.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <iostream>
#include <string>

namespace {

constexpr int kUsageError = 2;

int usageError(const QString& message) {
    std::fprintf(stderr, "commtest-decode: %s\n", qPrintable(message));
    return kUsageError;
}

bool print(const decode::DecodeSession& session, const decode::FrameOutcome& outcome) {
    const QByteArray line = decode::frameLine(outcome, session.tn(), session.panel());
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    std::fputc('\n', stdout);
    // One line per frame as it is handled, so that a pipe sees each at once.
    return std::fflush(stdout) == 0;
}

int printText(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    const bool written =
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) == size_t(bytes.size());
    return std::fflush(stdout) == 0 && written ? 0 : 1;
}

// --readings CODE: the keys of one type.
int listReadings(const QString& codeText) {
    const std::optional<int> code = decode::parseTypeCode(codeText);
    if (!code)
        return usageError(
            QStringLiteral("not a type code: %1 (hexadecimal, as in 96 or 0x96)").arg(codeText));
    const views::InstrumentType* type = views::typeForCode(*code);
    if (!type) return usageError(QStringLiteral("unlisted type code: %1").arg(codeText));
    return printText(decode::readingsListing(*type));
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Decodes captured instrument replies as the diagnosis window would and prints its panel\n"
        "after each frame as one line of JSON. In a FRAME, \\r, \\n and \\\\ stand for CR, LF and a\n"
        "backslash, and a CR is appended when there is none. Without FRAME arguments, frames are\n"
        "read from standard input, one per line. Each line ends in the reply's \"readings\": the\n"
        "values its view decoded, by key."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help."));
    parser.addOption(help);
    const QCommandLineOption model(
        QStringLiteral("model"),
        QStringLiteral("Lay the panel out for this catalogue model name (default: the "
                       "model of the first frame's type code)."),
        QStringLiteral("NAME"));
    parser.addOption(model);
    const QCommandLineOption readings(
        QStringLiteral("readings"),
        QStringLiteral("List the readings of a type code, hexadecimal as in 96 or 0x96: key, label, "
                       "unit and decimals, tab-separated, and decode nothing."),
        QStringLiteral("CODE"));
    parser.addOption(readings);
    const QCommandLineOption readingsMarkdown(
        QStringLiteral("readings-markdown"),
        QStringLiteral("Print the readings table of every type as Markdown (docs/readings.md) and "
                       "decode nothing."));
    parser.addOption(readingsMarkdown);
    parser.addPositionalArgument(QStringLiteral("FRAME"), QStringLiteral("A reply frame."),
                                 QStringLiteral("[FRAME ...]"));
    // Arguments are taken byte for byte (Latin-1 maps each byte to one character and back), so
    // that a frame keeps every byte it was given; only the model name is text.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLatin1(argv[i]);
    if (!parser.parse(arguments)) return usageError(parser.errorText());
    if (parser.isSet(help)) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }

    if (parser.isSet(readings)) return listReadings(parser.value(readings));
    if (parser.isSet(readingsMarkdown)) return printText(decode::readingsMarkdown());

    decode::DecodeSession session;
    if (parser.isSet(model)) {
        const QString name = QString::fromLocal8Bit(parser.value(model).toLatin1());
        if (!session.layOutFor(name)) return usageError(QStringLiteral("unknown model name: %1").arg(name));
    }

    bool written = true;
    const QStringList frames = parser.positionalArguments();
    if (!frames.isEmpty()) {
        for (const QString& argument : frames)
            written =
                print(session, session.handle(decode::frameFromArgument(argument.toLatin1()))) && written;
    } else {
        std::string line;
        while (std::getline(std::cin, line)) {
            const QByteArray frame = decode::frameFromLine(QByteArray::fromStdString(line));
            written = print(session, session.handle(frame)) && written;
        }
    }
    return written ? 0 : 1;
}
