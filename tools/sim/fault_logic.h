#pragma once
// Line faults the simulator can inject, as pure functions of their inputs and a random source.
#include <QByteArray>
#include <QRandomGenerator>
#include <QSet>

namespace sim {

struct Faults {
    bool echo = false;      // the adapter repeats every request line before the answer
    bool noise = false;     // one junk byte in front of every reply
    int corruptPercent = 0; // replies sent with wrong check characters
    int dropPercent = 0;    // requests left unanswered
    bool garbage = false;   // bursts of junk bytes while the line is idle
    QSet<int> silent;       // addresses that stop answering after their first reply
};

// True in `percent` out of 100 calls on average: never at 0 or below, always at 100 or above.
bool rollPercent(int percent, QRandomGenerator& random);

// The frame with its two check characters replaced by other upper-case hexadecimal digits, so
// that it fails the reply check while looking like a frame. A frame shorter than "@", one body
// character, the check and CR comes back unchanged.
QByteArray withWrongCheck(const QByteArray& frame, QRandomGenerator& random);

// One byte of line noise: any value except "@" and CR, so that a reader that drops what comes
// before a frame's "@" and cuts lines at CR is not misled by it.
char junkByte(QRandomGenerator& random);

// One to eight junk bytes.
QByteArray garbageBurst(QRandomGenerator& random);

// `bytes` with junk in place of everything from `from` (0-based) on, as two transmitters talking at
// once leave it: the same length, each junk byte different from the one it replaces and never "@"
// or CR. `from` at or beyond the end changes nothing.
QByteArray garbledFrom(const QByteArray& bytes, int from, QRandomGenerator& random);

// What the line carries for one request line.
struct Answer {
    QByteArray echo;      // goes out at once
    QByteArray reply;     // goes out after the turnaround delay; empty when nothing answers
    bool replied = false; // an instrument's reply frame went out (it counts for `silent`)
};

// `reply` is the frame of the addressed instrument, or empty when the line addressed none of
// ours; `answeredBefore` tells whether that instrument has replied before.
Answer planAnswer(const QByteArray& requestLine, int address, const QByteArray& reply, bool answeredBefore,
                  const Faults& faults, QRandomGenerator& random);

} // namespace sim
