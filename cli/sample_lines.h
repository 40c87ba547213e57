#pragma once
// The lines `commtest-cli poll` prints for accepted samples: one JSON object a line, or CSV with a
// header before the first row of each instrument type.
#include "protocol/reading.h"

#include <QByteArray>
#include <QSet>
#include <QTimeZone>

namespace cli {

// {"time","address","type","model","readings"}: the time ISO 8601 with milliseconds and the zone's
// offset, the readings exactly as commtest-decode prints them.
QByteArray jsonLine(const protocol::Sample& sample, const QTimeZone& zone);

// One CSV field: quoted when it holds a comma, a quote or a line break.
QByteArray csvField(const QString& text);

class CsvLines {
public:
    explicit CsvLines(QTimeZone zone) : m_zone(std::move(zone)) {}
    // The row of an accepted sample, preceded by the header of its type the first time the type
    // comes (time,address,type,model, then the type's reading keys); each line ends in "\n".
    QByteArray linesFor(const protocol::Sample& sample);

private:
    QTimeZone m_zone;
    QSet<int> m_headed; // type codes whose header was written
};

} // namespace cli
