#pragma once
// Frames as they are typed on a command line or read from a capture file.
#include <QByteArray>

namespace decode {

// A frame argument with "\r", "\n" and "\\" standing for CR, LF and a backslash; any other
// backslash is kept as it stands. A CR is appended when the frame holds none.
QByteArray frameFromArgument(const QByteArray& argument);

// One line of standard input: its own line end ("\n" or "\r\n") removed and a CR appended.
QByteArray frameFromLine(const QByteArray& line);

} // namespace decode
