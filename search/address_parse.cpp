#include "search/address_parse.h"

#include <cmath>
#include <cstdlib>
#include <limits>

namespace {

QByteArray withoutBlanks(const QString& text) {
    QByteArray out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c == u' ' || c == u'\t' || c == u'\n') continue;
        // Anything outside ASCII cannot be part of a number; keep a stopper in its place.
        out.append(c.unicode() < 0x80 ? static_cast<char>(c.unicode()) : '\x01');
    }
    return out;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int digitValue(char c, int base) {
    int d = -1;
    if (isDigit(c))
        d = c - '0';
    else if (c >= 'A' && c <= 'F')
        d = c - 'A' + 10;
    else if (c >= 'a' && c <= 'f')
        d = c - 'a' + 10;
    return d < base ? d : -1;
}

// "&H..." / "&O...": the digits after the prefix as a 16- or 32-bit pattern. Returns false on
// overflow.
bool radixValue(const QByteArray& s, int base, double& value) {
    quint64 bits = 0;
    for (int i = 2; i < s.size(); ++i) {
        const int d = digitValue(s[i], base);
        if (d < 0) break;
        bits = bits * base + static_cast<quint64>(d);
        if (bits > 0xFFFFFFFFull) return false;
    }
    if (bits <= 0xFFFF)
        value = static_cast<qint16>(static_cast<quint16>(bits));
    else
        value = static_cast<qint32>(static_cast<quint32>(bits));
    return true;
}

// Length of the longest decimal number at the start of `s`; 0 when there is none.
int decimalPrefixLength(const QByteArray& s) {
    int i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    int digits = 0;
    while (i < s.size() && isDigit(s[i]))
        ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i]))
            ++i, ++digits;
    }
    if (digits == 0) return 0;
    // The exponent counts only when digits follow it; "1e" is just 1.
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        int j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        if (j < s.size() && isDigit(s[j])) {
            while (j < s.size() && isDigit(s[j]))
                ++j;
            i = j;
        }
    }
    return i;
}

// Nearest integer, a half going to the even neighbour; independent of the FPU's rounding mode.
double roundHalfEven(double value) {
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction < 0.5) return below;
    if (fraction > 0.5) return below + 1.0;
    return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

double decimalValue(const QByteArray& s) {
    QByteArray number = s.left(decimalPrefixLength(s));
    if (number.isEmpty()) return 0.0;
    for (char& c : number)
        if (c == 'd' || c == 'D') c = 'e';
    return std::strtod(number.constData(), nullptr); // C locale: "." is the point
}

} // namespace

AddressParse parseAddress(const QString& text) {
    const QByteArray s = withoutBlanks(text);
    double value = 0.0;
    const bool prefixed = s.size() >= 2 && s[0] == '&';
    if (prefixed && (s[1] == 'H' || s[1] == 'h')) {
        if (!radixValue(s, 16, value)) return {true, 0};
    } else if (prefixed && (s[1] == 'O' || s[1] == 'o')) {
        if (!radixValue(s, 8, value)) return {true, 0};
    } else {
        value = decimalValue(s);
    }
    if (!std::isfinite(value)) return {true, 0};
    const double rounded = roundHalfEven(value);
    if (rounded < std::numeric_limits<qint16>::min() || rounded > std::numeric_limits<qint16>::max())
        return {true, 0};
    return {false, static_cast<qint16>(rounded)};
}
