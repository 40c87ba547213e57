#pragma once
// How trend tables write values and time differences.
#include <QString>

namespace trends {

// The value with the reading's decimals; a dash for no value (NaN).
QString valueText(double value, int decimals);
// A signed difference of two values with the decimals, "+" shown so a rise reads as one.
QString deltaText(double delta, int decimals);
// A time difference as [-][D天 ]HH:MM:SS[.mmm]; milliseconds only when there are any.
QString durationText(qint64 ms);

} // namespace trends
