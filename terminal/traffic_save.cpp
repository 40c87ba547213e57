#include "terminal/traffic_save.h"

#include "terminal/terminal_texts.h"
#include "terminal/traffic_log.h"

#include <QSaveFile>

namespace terminal {

namespace {

bool write(const QString& path, const std::function<void(QSaveFile&)>& fill, QString* error) {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        fill(file);
        if (file.commit()) return true;
    }
    if (error) *error = texts::kSaveFailed.arg(path, file.errorString());
    return false;
}

void eachLine(const TrafficLog& log, const LineFilter& keep,
              const std::function<void(const TrafficLine&)>& f) {
    for (qint64 s = log.firstSeq(); s < log.endSeq(); ++s)
        if (!keep || keep(log.at(s))) f(log.at(s));
}

} // namespace

QString csvField(const QString& text) {
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

bool saveText(const QString& path, const TrafficLog& log, bool hex, const LineFilter& keep, QString* error) {
    return write(
        path,
        [&](QSaveFile& file) {
            eachLine(log, keep,
                     [&](const TrafficLine& line) { file.write((lineText(line, hex) + '\n').toUtf8()); });
        },
        error);
}

bool saveCsv(const QString& path, const TrafficLog& log, const LineFilter& keep, QString* error) {
    return write(
        path,
        [&](QSaveFile& file) {
            const QStringList header{texts::kColTime.toString(),      texts::kColDirection.toString(),
                                     texts::kColAddress.toString(),   texts::kColVerdict.toString(),
                                     texts::kColRoundTrip.toString(), texts::kColBytes.toString()};
            file.write((header.join(QLatin1Char(',')) + QLatin1String("\r\n")).toUtf8());
            eachLine(log, keep, [&](const TrafficLine& line) {
                const QStringList fields{timeText(line),
                                         directionText(line.direction),
                                         addressText(line.address),
                                         verdictText(line),
                                         line.roundTripMs < 0 ? QString() : QString::number(line.roundTripMs),
                                         bytesText(line, false)};
                QStringList quoted;
                for (const QString& f : fields)
                    quoted << csvField(f);
                file.write((quoted.join(QLatin1Char(',')) + QLatin1String("\r\n")).toUtf8());
            });
        },
        error);
}

} // namespace terminal
