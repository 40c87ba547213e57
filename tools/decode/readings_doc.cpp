#include "readings_doc.h"

#include "views/reading_table.h"

#include <QRegularExpression>
#include <QStringList>

namespace decode {

namespace {

QString decimalsText(int decimals) {
    return decimals == views::kDecimalsFromReply ? QStringLiteral("reply") : QString::number(decimals);
}

QString codeText(int code) {
    return QStringLiteral("%1").arg(code, 2, 16, QLatin1Char('0')).toUpper();
}

const char* const kMarkdownHead = R"(# Readings of every instrument type

Generated from the program by `commtest-decode --readings-markdown`; a test fails when this file
and the program differ.

Besides writing the diagnosis panel, the view routine of a reply's type code gives the reply's
readings: every quantity and flag it decodes, whether or not the panel shows it at that moment
(all channels of a scanner, every page of a paging view). `commtest-decode` prints them as
`"readings": {"KEY": value, ...}` on each line, in the order of the tables below, and
`commtest-decode --readings CODE` lists one type's keys.

- **Key**: a stable ASCII name. The keys of a type, their order, labels and units depend only on
  the type code, never on the reply.
- **Label**: the caption the panel shows the value under, or its plain Chinese name where the
  panel shows none.
- **Unit**: only where the panel shows one.
- **Decimals**: what the panel writes the value with. "reply" marks fixed-point values whose
  reply carries its own count: the count the panel writes with when it selects a pattern (0 to
  3), otherwise that count, at most 6.
- **Value**: as decoded, before any display rounding: a single-precision field's value, and the
  per-hour rates, totals and percentages as the panel computes them before writing them. Flags
  are 1 or 0, by the same rule that lights or hides their lamp.
- A field that lies beyond the end of a short reply reads 0, as the panel shows it: values 0,
  flags by their lamp's rule on a state of 0.
)";

} // namespace

std::optional<int> parseTypeCode(const QString& text) {
    static const QRegularExpression code(QStringLiteral("^(?:0[xX])?([0-9A-Fa-f]{1,2})$"));
    const QRegularExpressionMatch match = code.match(text);
    if (!match.hasMatch()) return std::nullopt;
    return match.captured(1).toInt(nullptr, 16);
}

QString readingsListing(const views::InstrumentType& type) {
    QStringList lines{QStringLiteral("key\tlabel\tunit\tdecimals")};
    for (const views::ReadingRow& s : type.readings().rows())
        lines << QStringList{s.key, s.label, s.unit, decimalsText(s.decimals)}.join(QLatin1Char('\t'));
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString readingsMarkdown() {
    QString out = QString::fromUtf8(kMarkdownHead);
    for (const views::InstrumentType& type : views::instrumentTypes()) {
        out += QStringLiteral("\n## %1 %2\n\nView routine `%3`.\n\n")
                   .arg(codeText(type.code), type.model, type.viewName);
        out += QStringLiteral("| Key | Label | Unit | Decimals | Meaning |\n|---|---|---|---|---|\n");
        for (const views::ReadingRow& s : type.readings().rows())
            out += QStringLiteral("| `%1` | %2 | %3 | %4 | %5 |\n")
                       .arg(s.key, s.label, s.unit, decimalsText(s.decimals), s.meaning);
    }
    return out;
}

} // namespace decode
