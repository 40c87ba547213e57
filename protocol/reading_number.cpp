#include "protocol/reading_number.h"

#include <charconv>
#include <cmath>

namespace protocol {

QByteArray readingNumber(double value) {
    if (!std::isfinite(value)) return {};
    value += 0.0; // -0 becomes 0
    char text[32];
    const float single = static_cast<float>(value);
    const std::to_chars_result written = static_cast<double>(single) == value
                                             ? std::to_chars(text, text + sizeof text, single)
                                             : std::to_chars(text, text + sizeof text, value);
    return QByteArray(text, static_cast<int>(written.ptr - text));
}

} // namespace protocol
