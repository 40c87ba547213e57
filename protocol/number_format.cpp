#include "protocol/number_format.h"

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
    for (int i = 0; i < decimals; ++i) scaled *= 10;
    const long double rounded = std::floor(scaled + 0.5L);

    char digits[400];
    if (rounded < 9.2e18L) {
        std::snprintf(digits, sizeof digits, "%llu", static_cast<unsigned long long>(rounded));
    } else {
        std::snprintf(digits, sizeof digits, "%.0Lf", rounded);
    }
    QString text = QString::fromLatin1(digits);
    const int wanted = std::max(minDigits, 1) + decimals;
    if (text.size() < wanted) text.prepend(QString(wanted - text.size(), QLatin1Char('0')));
    if (decimals > 0) text.insert(text.size() - decimals, QLatin1Char('.'));
    if (negative && rounded != 0) text.prepend(QLatin1Char('-'));
    return text;
}

bool formatDecimals(double value, int decimals, QString& out) {
    if (decimals < 0 || decimals > 3) return false;
    out = formatNumber(value, decimals);
    return true;
}

} // namespace protocol
