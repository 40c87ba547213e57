#pragma once
// The traffic written whole to a file: UTF-8 text as the terminal shows it, or CSV. A failed save
// leaves any earlier file as it was.
#include "terminal/traffic_line.h"

#include <QString>
#include <functional>

namespace terminal {

class TrafficLog;

// Which lines of the log go to the file (all when empty).
using LineFilter = std::function<bool(const TrafficLine&)>;

// One line per event, "\n" after each. False and `error` set when the file could not be written.
bool saveText(const QString& path, const TrafficLog& log, bool hex, const LineFilter& keep, QString* error);
// Header, then time, direction, address, verdict, round-trip ms, bytes escaped; "\r\n" line ends.
bool saveCsv(const QString& path, const TrafficLog& log, const LineFilter& keep, QString* error);

// A CSV field: quoted when it holds a comma, quote or line end, quotes doubled.
QString csvField(const QString& text);

} // namespace terminal
