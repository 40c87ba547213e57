#pragma once
// A reading's value as text for files and messages: the shortest text that reads back as the same
// number. Values decoded from the instruments' single-precision fields are written as the shortest
// text of that single-precision number, so 13.37 from a float field reads "13.37", not the
// "13.369999885559082" of its double.
#include <QByteArray>

namespace protocol {

// Plain decimal or exponent form ("123.4", "0", "-2.5", "1e+20"); -0 is written "0". Empty for a
// value that is not finite.
QByteArray readingNumber(double value);

} // namespace protocol
