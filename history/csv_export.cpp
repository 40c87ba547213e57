#include "history/csv_export.h"

#include "history/history_texts.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <charconv>
#include <cmath>

namespace history {

namespace {

constexpr qint64 kRowsPerProgress = 4096;
constexpr int kFlushBytes = 1 << 16;

void appendField(QByteArray& out, const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    if (!utf8.contains(',') && !utf8.contains('"') && !utf8.contains('\n') && !utf8.contains('\r')) {
        out += utf8;
        return;
    }
    out += '"';
    for (char c : utf8) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

void appendDigits(char*& at, int value, int width) {
    for (int i = width - 1; i >= 0; --i) {
        at[i] = char('0' + value % 10);
        value /= 10;
    }
    at += width;
}

// "2026-12-08T14:03:05.120+08:00": local time with milliseconds and the offset in force then.
void appendLocalTime(QByteArray& out, qint64 epochMs) {
    const QDateTime local = QDateTime::fromMSecsSinceEpoch(epochMs, Qt::LocalTime);
    const QDate date = local.date();
    const QTime time = local.time();
    const int offsetMinutes = local.offsetFromUtc() / 60;
    const int absOffset = std::abs(offsetMinutes);
    char text[40];
    char* at = text;
    const int year = date.year();
    if (year < 0 || year > 9999)
        at += std::snprintf(at, 12, "%+06d", year);
    else
        appendDigits(at, year, 4);
    *at++ = '-';
    appendDigits(at, date.month(), 2);
    *at++ = '-';
    appendDigits(at, date.day(), 2);
    *at++ = 'T';
    appendDigits(at, time.hour(), 2);
    *at++ = ':';
    appendDigits(at, time.minute(), 2);
    *at++ = ':';
    appendDigits(at, time.second(), 2);
    *at++ = '.';
    appendDigits(at, time.msec(), 3);
    *at++ = offsetMinutes < 0 ? '-' : '+';
    appendDigits(at, absOffset / 60, 2);
    *at++ = ':';
    appendDigits(at, absOffset % 60, 2);
    out.append(text, int(at - text));
}

// The shortest plain decimal that reads back as the stored value: values decoded from single
// precision are written as such ("23.4", not "23.399999618530273"). NaN is an empty cell.
void appendValue(QByteArray& out, double value) {
    if (std::isnan(value)) return;
    char text[400];
    std::to_chars_result written;
    const auto single = float(value);
    if (std::isfinite(value) && double(single) == value)
        written = std::to_chars(text, text + sizeof text, single, std::chars_format::fixed);
    else
        written = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed);
    if (written.ec == std::errc()) out.append(text, int(written.ptr - text));
}

QString sanitised(QString part) {
    for (QChar& c : part) {
        if (c.unicode() < 0x20 || c.isSpace() || QStringLiteral("\\/:*?\"<>|_").contains(c))
            c = QLatin1Char('-');
    }
    while (part.startsWith(QLatin1Char('.')))
        part.remove(0, 1);
    return part;
}

} // namespace

QString csvColumnCaption(const ReadingInfo& reading) {
    // In the language of the export, as its other captions are.
    const QString label = i18n::trNumbered(reading.label);
    return reading.unit.isEmpty() ? label : label + QStringLiteral(" (") + i18n::tr(reading.unit) + ')';
}

QString suggestedCsvFileName(const RecordingInfo& info, qint64 fromMs) {
    QStringList parts;
    const QString port = info.port.section(QLatin1Char('/'), -1).section(QLatin1Char('\\'), -1);
    if (!port.isEmpty()) parts << sanitised(port);
    parts << QStringLiteral("%1bps").arg(info.baudRate) << QStringLiteral("addr%1").arg(info.address);
    if (!info.model.isEmpty()) parts << sanitised(info.model);
    parts
        << QStringLiteral("%1ms").arg(info.intervalMs)
        << QDateTime::fromMSecsSinceEpoch(fromMs, Qt::LocalTime).toString(QStringLiteral("yyyyMMdd-HHmmss"));
    parts.removeAll(QString());
    return parts.join(QLatin1Char('_')) + QStringLiteral(".csv");
}

ExportResult exportCsv(Store& store, const Selection& selection, const QString& filePath,
                       const ExportProgress& progress) {
    ExportResult result;
    const auto fail = [&](const QString& reason) {
        result.error = historytext::kExportFailed.arg(QDir::toNativeSeparators(filePath), reason);
        return result;
    };

    // Columns: the chosen keys (or every key the instrument has) with their captions.
    const std::vector<ReadingInfo> available = store.readingsOf(selection.instrument);
    if (store.status() != Status::Ok) return fail(store.errorString());
    Selection resolved = selection;
    if (resolved.keys.isEmpty()) {
        for (const ReadingInfo& reading : available)
            resolved.keys << reading.key;
    }
    QByteArray out;
    out.reserve(kFlushBytes + 4096);
    out += "\xEF\xBB\xBF";
    appendField(out, historytext::kCsvTime);
    out += ',';
    appendField(out, historytext::kCsvEpochMs);
    for (const QString& key : resolved.keys) {
        ReadingInfo caption;
        caption.label = key;
        for (const ReadingInfo& reading : available)
            if (reading.key == key) caption = reading;
        out += ',';
        appendField(out, csvColumnCaption(caption));
    }
    out += ',';
    appendField(out, historytext::kCsvVerdict);
    out += "\r\n";

    const qint64 total = progress ? store.countSamples(resolved) : 0;
    if (progress && !progress(0, total)) {
        result.cancelled = true;
        return result;
    }

    QSaveFile file(filePath);
    if (!file.open(QIODevice::WriteOnly)) return fail(file.errorString());
    bool writeFailed = false;
    const bool complete = store.forEachSample(resolved, [&](const StoredSample& sample) {
        appendLocalTime(out, sample.epochMs);
        out += ',';
        out += QByteArray::number(sample.epochMs);
        for (double value : sample.values) {
            out += ',';
            appendValue(out, value);
        }
        out += ',';
        appendField(out, sample.verdict);
        out += "\r\n";
        ++result.rows;
        if (out.size() >= kFlushBytes) {
            writeFailed = file.write(out) != out.size();
            out.clear();
            if (writeFailed) return false;
        }
        if (progress && result.rows % kRowsPerProgress == 0 && !progress(result.rows, total)) {
            result.cancelled = true;
            return false;
        }
        return true;
    });
    if (result.cancelled) {
        file.cancelWriting();
        return result;
    }
    if (!complete && !writeFailed) {
        file.cancelWriting();
        return fail(store.errorString());
    }
    if (writeFailed || file.write(out) != out.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return fail(reason);
    }
    if (!file.commit()) return fail(file.errorString());
    if (progress) progress(result.rows, total);
    result.ok = true;
    return result;
}

} // namespace history
