#pragma once
// Number encodings of the reply data fields, in both directions. Decoding never fails: a part that
// does not start with a hexadecimal digit, or is missing, reads 0.
#include <QByteArray>

namespace protocol {

// Eight digits: control byte E (80h value sign, 40h exponent sign, 3Fh exponent), then a 24-bit
// mantissa M; value = ±2^±e × M / 2^24.
float HexToFloat(const QByteArray& field);

// Six digits: low byte, high byte (80h is the sign), decimal places; ±magnitude / 10^D.
float HexToFixed(const QByteArray& field);

// Two digits: 0 to 255.
float HexToByte(const QByteArray& field);

// Inverse of HexToFloat: the nearest encodable value (24-bit mantissa, exponent within ±63).
// Zero and values too small to encode write "00000000"; values too large saturate.
QByteArray floatToHex(float value);

// Inverse of HexToFixed with `decimals` places (0 to 255): the magnitude is rounded and clamped to
// 32767.
QByteArray fixedToHex(double value, int decimals);

} // namespace protocol
