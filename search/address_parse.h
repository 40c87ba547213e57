#pragma once
// Reading a bus address out of the search dialog's address fields. The fields are free text, so the
// reading is lenient: blanks anywhere are ignored and the longest leading part that forms a number
// counts; text without one reads 0.
#include <QString>

// What an address field holds: a 16-bit address, or an overflow when the number does not fit.
struct AddressParse {
    bool overflow = false;
    qint16 value = 0;
};

// Spaces, tabs and line feeds are removed first, wherever they are (" 1 2 " reads 12). Then the
// longest leading number is taken:
//   - decimal: optional sign, digits, optional "." and digits, optional exponent ("E", or "D" for a
//     double-precision exponent, with optional sign and digits): "1e3" is 1000;
//   - "&H" and hexadecimal digits, "&O" and octal digits (either case). These prefixed forms write
//     bit patterns: a value up to FFFF is a 16-bit two's complement ("&HFFFF" is -1, "&H8000" is
//     -32768), a value up to FFFFFFFF a 32-bit one ("&H10000" is 65536 and overflows); anything
//     wider overflows.
// The number is rounded to the nearest integer, halves to the even neighbour ("2.5" -> 2, "3.5" ->
// 4), and the ROUNDED value must lie in -32768..32767 ("32767.4" fits, "32767.5" overflows).
AddressParse parseAddress(const QString& text);
