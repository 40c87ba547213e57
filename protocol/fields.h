#pragma once
// Reading fixed-position fields out of a frame. Frames are bytes; one byte is one character and
// positions count from 1, as the instrument manuals count them.
#include <QByteArray>

namespace protocol {

// The field at 1-based position `pos`, `width` characters wide. Characters beyond the end of the
// frame are simply missing, so a field past the end is empty text.
QByteArray field(const QByteArray& frame, int pos, int width);

// Value of the leading hexadecimal digits (either case); stops at the first other character.
// Empty or non-hexadecimal text gives 0. At most 8 digits are read.
quint32 leadingHex(const QByteArray& text);

// Value of the leading decimal digits; stops at the first other character. Empty text gives 0.
int leadingDecimal(const QByteArray& text);

// Two characters at `pos` read as a hexadecimal byte (0 to 255).
inline int hexByteAt(const QByteArray& frame, int pos) {
    return static_cast<int>(leadingHex(field(frame, pos, 2)));
}

} // namespace protocol
