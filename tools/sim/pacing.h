#pragma once
// Line time of serial characters: one start bit, eight data bits and one stop bit, ten bit times
// a character.
#include <QtGlobal>

namespace sim {

constexpr int kBitsPerCharacter = 10;

// How many characters a line at `baud` has carried `elapsedMicroseconds` after it began sending.
constexpr qint64 charactersCarried(qint64 elapsedMicroseconds, int baud) {
    return elapsedMicroseconds <= 0 || baud <= 0
               ? 0
               : elapsedMicroseconds * baud / (kBitsPerCharacter * qint64(1000000));
}

// Microseconds that `count` characters take on the line, rounded up.
constexpr qint64 lineMicroseconds(qint64 count, int baud) {
    return baud <= 0 ? 0 : (count * kBitsPerCharacter * qint64(1000000) + baud - 1) / baud;
}

} // namespace sim
