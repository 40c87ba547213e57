#pragma once
// Times on the line derived from its rate: one character is a start bit, eight data bits and a
// stop bit. The engine's wait for an arriving reply and the fast scan's decisions use these.
#include <algorithm>
#include <cmath>

namespace engine {

// Milliseconds one character takes at `baud` (9600 when the rate is unknown).
inline double characterMs(int baud) {
    return 10000.0 / (baud > 0 ? baud : 9600);
}

// `count` characters, rounded up to whole milliseconds.
inline int charactersMs(int baud, int count) {
    return static_cast<int>(std::ceil(count * characterMs(baud)));
}

// A reply that stops for this long without its CR has ended (broken off or garbled): five
// character times, but not less than 20 ms, because a USB adapter hands its input over in bursts
// up to its 16 ms latency timer apart.
inline int replyGapMs(int baud) {
    return std::max(20, charactersMs(baud, 5));
}

// The line must have been quiet this long before a request goes out: three character times, at
// least 2 ms so that a burst still being delivered is not taken for silence.
inline int quietBeforeRequestMs(int baud) {
    return std::max(2, charactersMs(baud, 3));
}

// The longest a send waits for a reply that keeps arriving without its CR: 256 characters (the
// longest reply is about 140), at least one second. A line that chatters on is not waited for
// forever.
inline int longestReplyWaitMs(int baud) {
    return std::max(1000, charactersMs(baud, 256));
}

} // namespace engine
