#include "search/list_file.h"

#include "search/instrument_list.h"
#include "search/list_file_texts.h"

#include <QFile>
#include <QSaveFile>
#include <QSet>
#include <QStringDecoder>

namespace listfile {

namespace {

const QByteArray kBom = QByteArrayLiteral("\xEF\xBB\xBF");
constexpr qint64 kMaxBytes = 1 << 20; // 256 rows need a few kilobytes

enum Column { Address, AddressText, TypeCode, Model, RoundTrip, FoundAt, ColumnCount };

QString quoted(const QString& field) {
    if (!field.contains(QLatin1Char(',')) && !field.contains(QLatin1Char('"')) &&
        !field.contains(QLatin1Char('\n')) && !field.contains(QLatin1Char('\r')))
        return field;
    QString escaped = field;
    escaped.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

struct Record {
    int line = 0; // where it starts, from 1
    QStringList fields;
};

// Splits the text into records; quoted fields may hold separators, quotes ("") and line breaks.
// Returns the problem, empty when the quotes all close.
QString split(const QString& text, QChar separator, std::vector<Record>& records) {
    int line = 1;
    Record current{1, {}};
    QString field;
    bool inQuotes = false, wasQuoted = false;
    auto endRecord = [&] {
        current.fields << field;
        field.clear();
        wasQuoted = false;
        // A blank line (a spreadsheet's trailing one) is no record.
        if (!(current.fields.size() == 1 && current.fields.first().isEmpty())) records.push_back(current);
        current = Record{line, {}};
    };
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (inQuotes) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('"')) {
                    field += c;
                    ++i;
                } else {
                    inQuotes = false;
                }
            } else {
                if (c == QLatin1Char('\n')) ++line;
                field += c;
            }
        } else if (c == QLatin1Char('"') && field.isEmpty() && !wasQuoted) {
            inQuotes = wasQuoted = true;
        } else if (c == separator) {
            current.fields << field;
            field.clear();
            wasQuoted = false;
        } else if (c == QLatin1Char('\r')) {
            // part of a line break
        } else if (c == QLatin1Char('\n')) {
            ++line;
            endRecord();
            current.line = line;
        } else {
            field += c;
        }
    }
    if (inQuotes) return texts::kUnclosedQuote.arg(current.line);
    if (!field.isEmpty() || !current.fields.isEmpty()) endRecord();
    return {};
}

QDateTime parseTime(const QString& text) {
    static const char* const formats[] = {
        "yyyy-MM-dd HH:mm:ss.zzz", "yyyy-MM-dd HH:mm:ss", "yyyy-MM-dd HH:mm", "yyyy-MM-ddTHH:mm:ss.zzz",
        "yyyy-MM-ddTHH:mm:ss",     "yyyy/M/d H:mm:ss",    "yyyy/M/d H:mm",
    };
    for (const char* format : formats) {
        const QDateTime t = QDateTime::fromString(text, QString::fromLatin1(format));
        if (t.isValid()) return t;
    }
    return {};
}

// One record as an instrument; the problem when a cell is not what the column holds.
QString parse(const Record& r, Instrument& out) {
    const QStringList& f = r.fields;
    bool ok = false;
    const QString address = f[Address].trimmed();
    out.address = address.toInt(&ok);
    if (!ok || out.address < 0 || out.address > 255) return texts::kBadAddress.arg(r.line).arg(address);

    // A spreadsheet may drop a leading zero ("01" to "1") or the cell may be left empty.
    const QString addressText = f[AddressText].trimmed();
    if (addressText.isEmpty())
        out.addressText = out.requestField();
    else if (addressText.size() <= 2 && addressText.toLatin1().size() == addressText.size())
        out.addressText = addressText.toLatin1().rightJustified(2, '0');
    else
        return texts::kBadAddressText.arg(r.line).arg(addressText);

    const QString type = f[TypeCode].trimmed();
    out.typeCode = type.isEmpty() ? -1 : type.toInt(&ok, 16);
    if (!type.isEmpty() && (!ok || type.size() > 2 || out.typeCode < 0))
        return texts::kBadTypeCode.arg(r.line).arg(type);

    const QString roundTrip = f[RoundTrip].trimmed();
    out.roundTripMs = -1;
    if (!roundTrip.isEmpty()) {
        out.roundTripMs = roundTrip.toInt(&ok);
        if (!ok || out.roundTripMs < 0) return texts::kBadRoundTrip.arg(r.line).arg(roundTrip);
    }

    const QString found = f[FoundAt].trimmed();
    out.foundAt = QDateTime();
    if (!found.isEmpty()) {
        out.foundAt = parseTime(found);
        if (!out.foundAt.isValid()) return texts::kBadTime.arg(r.line).arg(found);
    }
    // The model column is for people; the type code says it.
    return {};
}

// The header is part of the file format, written and expected in the source language whatever
// the interface's language, so that a list saved under one language opens under the other.
QStringList header() {
    QStringList names;
    for (const i18n::Text& name : texts::kHeader)
        names << QString::fromUtf8(name.source());
    return names;
}

ReadResult failed(const QString& problem) {
    ReadResult result;
    result.problem = problem;
    return result;
}

} // namespace

QByteArray write(const std::vector<Instrument>& instruments) {
    QString text = header().join(QLatin1Char(',')) + QLatin1String("\r\n");
    for (const Instrument& i : instruments) {
        QStringList row;
        row << QString::number(i.address) << quoted(QString::fromLatin1(i.addressText))
            << (i.typeCode >= 0 ? QStringLiteral("%1").arg(i.typeCode, 2, 16, QLatin1Char('0')).toUpper()
                                : QString())
            << quoted(i.modelName()) << (i.roundTripMs >= 0 ? QString::number(i.roundTripMs) : QString())
            << (i.foundAt.isValid() ? i.foundAt.toString(texts::kTimeFormat) : QString());
        text += row.join(QLatin1Char(',')) + QLatin1String("\r\n");
    }
    return kBom + text.toUtf8();
}

ReadResult read(const QByteArray& content) {
    if (content.size() > kMaxBytes) return failed(texts::kTooLarge);
    QByteArray bytes = content;
    if (bytes.startsWith(kBom)) bytes.remove(0, kBom.size());
    if (bytes.trimmed().isEmpty()) return failed(texts::kEmpty);
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(bytes);
    if (decoder.hasError() || text.contains(QChar(0))) return failed(texts::kNotUtf8);

    // Some spreadsheet programs save with ";" where "," is the decimal comma.
    const QString firstLine = text.section(QLatin1Char('\n'), 0, 0);
    const QChar separator = !firstLine.contains(QLatin1Char(',')) && firstLine.contains(QLatin1Char(';'))
                                ? QLatin1Char(';')
                                : QLatin1Char(',');
    std::vector<Record> records;
    if (const QString problem = split(text, separator, records); !problem.isEmpty()) return failed(problem);
    if (records.empty()) return failed(texts::kEmpty);

    QStringList names;
    for (const QString& h : records.front().fields)
        names << h.trimmed();
    if (names != header()) return failed(texts::kNoHeader);

    ReadResult result;
    QSet<int> seen;
    for (size_t i = 1; i < records.size(); ++i) {
        const Record& r = records[i];
        if (r.fields.size() != ColumnCount)
            return failed(texts::kColumnCount.arg(r.line).arg(int(ColumnCount)).arg(r.fields.size()));
        Instrument instrument;
        if (const QString problem = parse(r, instrument); !problem.isEmpty()) return failed(problem);
        if (seen.contains(instrument.address))
            return failed(texts::kDuplicate.arg(r.line).arg(instrument.address));
        seen.insert(instrument.address);
        result.instruments.push_back(instrument);
    }
    if (result.instruments.empty()) return failed(texts::kNoRows);
    return result;
}

QString save(const QString& path, const std::vector<Instrument>& instruments) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return texts::kCannotWrite.arg(file.errorString());
    const QByteArray content = write(instruments);
    if (file.write(content) != content.size() || !file.commit())
        return texts::kCannotWrite.arg(file.errorString());
    return {};
}

ReadResult load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return failed(texts::kCannotOpen.arg(file.errorString()));
    if (file.size() > kMaxBytes) return failed(texts::kTooLarge);
    return read(file.read(kMaxBytes + 1));
}

std::vector<Instrument> instrumentsOf(const InstrumentList& list) {
    std::vector<Instrument> out;
    for (int row = 1; row < list.rows(); ++row)
        if (const Instrument* i = list.instrument(row)) out.push_back(*i);
    return out;
}

void fill(InstrumentList& list, const std::vector<Instrument>& instruments) {
    list.reset();
    for (size_t i = 0; i < instruments.size(); ++i) {
        const int row = int(i) + 1;
        if (row > 1) list.addRow();
        list.setInstrument(row, instruments[i]);
    }
}

} // namespace listfile
