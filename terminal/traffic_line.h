#pragma once
// One line of the terminal: an event on the line with the terminal's verdict on it, and its text
// as shown, saved and copied.
#include <QByteArray>
#include <QString>

namespace terminal {

enum class Direction { Out, In, None };

enum class Verdict {
    Request,      // a read request we wrote
    HeardRequest, // a read request another master put on the line
    Accepted,     // a reply from the address asked (or, with no request known, any good reply)
    OtherAddress, // a good reply from another address than the one asked: late from an earlier request
    BadCheck,     // a reply line whose check does not match its body
    Echo,         // our own request read back, skipped
    Noise,        // bytes before "@", dropped
    Stray,        // bytes that belong to no line
    NoReply,      // no complete reply before the next request
};

struct TrafficLine {
    qint64 wallMs = 0; // wall-clock milliseconds since the epoch
    QByteArray bytes;
    Verdict verdict = Verdict::Request;
    Direction direction = Direction::None;
    int address = -1;      // asked (requests, bad checks, no reply) or carried (good replies); -1 unknown
    int askedAddress = -1; // OtherAddress: the address that was asked
    int typeCode = -1;     // Accepted, OtherAddress
    int roundTripMs = -1;  // replies with a known request; -1 none
};

// "hh:mm:ss.zzz" in local time.
QString timeText(const TrafficLine& line);
QString directionText(Direction direction);
QString verdictText(const TrafficLine& line);
QString bytesText(const TrafficLine& line, bool hex);
// Empty for -1.
QString addressText(int address);
QString roundTripText(const TrafficLine& line);
// The whole line as shown: time, direction, bytes, verdict, round trip, two blanks between.
QString lineText(const TrafficLine& line, bool hex);

// "XX" check the line carries (the two characters before its CR) and the one its body should
// carry; empty when the line is too short to hold a check.
QByteArray carriedCheck(const QByteArray& line);
QByteArray expectedCheck(const QByteArray& line);

} // namespace terminal
