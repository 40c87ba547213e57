#pragma once
// The read request, the reply check and the cutting of the reply line out of the receive buffer.
#include <QByteArray>
#include <optional>

namespace protocol {

constexpr char kCR = '\r';

// Two upper-case hexadecimal digits of a check value; anything outside 0..255 writes "FF".
QByteArray ByteToHex(int value);

// Check field of a frame body: XOR of its character codes.
QByteArray MakeCheck(const QByteArray& body);

// True when the line holds an "@", a CR, at least one body character between them and a check
// field that matches the body exactly (upper-case digits).
bool CheckReply(const QByteArray& line);

// Address field as the scan writes it: upper-case hexadecimal digits, "0" in front below 16.
// Negative addresses use the 16-bit two's complement ("0FFFF" for -1).
QByteArray addressField(int address);

// "@" + field + "RD" + check + CR.
QByteArray readRequest(const QByteArray& addressField);

// The reply line of a receive buffer: its first CR-terminated line, CR included, starting at the
// line's first "@" (bytes before it are line-turnaround noise). When that line is exactly the
// request we just sent (an adapter echoing us), the next line is taken instead. Nothing when no
// complete line has arrived yet.
std::optional<QByteArray> cutReplyLine(const QByteArray& receiveBuffer, const QByteArray& commandFrame);

// Address (characters 2-3) and type code (characters 8-9) of a reply line.
int replyAddress(const QByteArray& replyLine);
int replyTypeCode(const QByteArray& replyLine);

} // namespace protocol
