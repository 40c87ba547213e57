#pragma once
// The display patterns of the instruments: "0", "0.0", "0.00", "0.000" and "00", "000", "0000".
//
// Rounding works on the exact binary value of the number; a value exactly half-way rounds away from
// zero (2.5 -> "3", 0.125 -> "0.13"), and a negative value that rounds to zero is written without
// its "-" ("-0.04" -> "0.0"). Every pattern follows the same rule.
#include <QString>

namespace protocol {

// `decimals` digits after the point (0 to 3), at least `minDigits` digits before it, no grouping.
QString formatNumber(double value, int decimals, int minDigits = 1);

// The pattern of a decimals count: 0 "0", 1 "0.0", 2 "0.00", 3 "0.000". Any other count selects
// no pattern: returns false and leaves `out` alone.
bool formatDecimals(double value, int decimals, QString& out);

} // namespace protocol
