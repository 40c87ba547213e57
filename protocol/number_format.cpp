#include "protocol/number_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace protocol {

QString formatNumber(double value, int decimals, int minDigits) {
    if (!std::isfinite(value)) return value != value ? QStringLiteral("NaN") : QStringLiteral("Infinity");
    decimals = std::max(0, std::min(decimals, 3));
    const bool negative = value < 0;
    // A float scaled by at most 1000 has no more than 34 significant bits: exact in long double,
    // and so is adding one half, which makes floor() round half away from zero.
    long double scaled = std::fabs(static_cast<long double>(value));
    for (int i = 0; i < decimals; ++i)
        scaled *= 10;
    const long double rounded = std::floor(scaled + 0.5L);

    char digits[400];
    int length = 0;
    if (rounded < 9.2e18L) {
        length = static_cast<int>(
            std::to_chars(digits, digits + sizeof digits, static_cast<unsigned long long>(rounded)).ptr -
            digits);
    } else {
        length = std::min<int>(std::snprintf(digits, sizeof digits, "%.0Lf", rounded), sizeof digits - 1);
    }
    // Sign, zero padding, digits and point written once into one buffer: no string is grown or
    // shifted on the way.
    const int wanted = std::max(minDigits, 1) + decimals;
    const int padded = std::max(length, wanted);
    QString text(padded + (decimals > 0) + (negative && rounded != 0), Qt::Uninitialized);
    QChar* out = text.data();
    if (negative && rounded != 0) *out++ = QLatin1Char('-');
    for (int i = 0; i < padded; ++i) {
        if (decimals > 0 && i == padded - decimals) *out++ = QLatin1Char('.');
        *out++ = QLatin1Char(i < padded - length ? '0' : digits[i - (padded - length)]);
    }
    return text;
}

bool formatDecimals(double value, int decimals, QString& out) {
    if (decimals < 0 || decimals > 3) return false;
    out = formatNumber(value, decimals);
    return true;
}

} // namespace protocol
