#pragma once
// Bytes of the line as text a person can read and type: control characters made visible, or
// hexadecimal; and hand-typed text with escapes turned back into bytes.
#include <QByteArray>
#include <QString>
#include <optional>

namespace terminal {

// Printable ASCII as it is; CR as \r, LF as \n, a backslash as \\, every other byte below 0x20 or
// above 0x7E as \xNN (upper-case digits). parseEscapes() gives the bytes back.
QString escapedText(const QByteArray& bytes);
// "40 30 31": two upper-case digits per byte, one blank between.
QString hexText(const QByteArray& bytes);

// Typed text to bytes: \r, \n, \\ and \xNN (two hexadecimal digits) are escapes; any other
// backslash is an error, and so is a character outside Latin-1 or empty text. On error nothing
// comes back and `error` says why.
std::optional<QByteArray> parseEscapes(const QString& typed, QString* error = nullptr);

} // namespace terminal
