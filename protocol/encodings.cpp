#include "protocol/encodings.h"
#include "protocol/fields.h"
#include "protocol/frame.h"

#include <algorithm>
#include <cmath>

namespace protocol {

namespace {

// Characters `from` .. `from + width - 1` of `field`, as far as it reaches, without copying them:
// the receive tick decodes a few dozen fields, and copies would be most of its cost.
QByteArray part(const QByteArray& field, int from, int width) {
    if (from >= field.size()) return {};
    return QByteArray::fromRawData(field.constData() + from, std::min<int>(width, field.size() - from));
}

} // namespace

float HexToFloat(const QByteArray& field) {
    const quint32 e = leadingHex(part(field, 0, 2));
    const quint32 m = leadingHex(part(field, 2, 6));
    const float f = static_cast<float>(m) / 16777216.0f;
    int exponent = static_cast<int>(e & 0x3F);
    if (e & 0x40) exponent = -exponent;
    const float p = std::ldexp(1.0f, exponent);
    return (e & 0x80) ? -(p * f) : p * f;
}

float HexToFixed(const QByteArray& field) {
    const quint32 low = leadingHex(part(field, 0, 2));
    const quint32 high = leadingHex(part(field, 2, 2));
    const quint32 places = leadingHex(part(field, 4, 2));
    const double magnitude = (high & 0x7F) * 256.0 + low;
    float value = static_cast<float>(magnitude / std::pow(10.0, places));
    if ((high & 0x80) == 128) value = -value;
    return value;
}

float HexToByte(const QByteArray& field) {
    return static_cast<float>(leadingHex(part(field, 0, 2)));
}

QByteArray floatToHex(float value) {
    if (!(value == value)) return QByteArrayLiteral("00000000");
    int control = 0;
    double magnitude = value;
    if (magnitude < 0) {
        control |= 0x80;
        magnitude = -magnitude;
    }
    if (magnitude == 0) return QByteArrayLiteral("00000000");
    int exponent = 0;
    double fraction =
        std::frexp(magnitude, &exponent); // magnitude = fraction × 2^exponent, fraction in [0.5, 1)
    long mantissa = std::lround(fraction * 16777216.0);
    if (mantissa >= 16777216) { // rounding carried into the next power of two
        mantissa = 8388608;
        ++exponent;
    }
    if (exponent > 63) {
        exponent = 63;
        mantissa = 16777215;
    }
    if (exponent < -63) {
        // Below 2^-64 the mantissa loses precision; keep what still fits, down to zero.
        mantissa = std::lround(std::ldexp(magnitude, 24 + 63));
        exponent = -63;
        if (mantissa == 0) return QByteArrayLiteral("00000000");
    }
    control |= exponent < 0 ? 0x40 | (-exponent) : exponent;
    const QByteArray digits = QByteArray::number(static_cast<qlonglong>(mantissa), 16).toUpper();
    return ByteToHex(control) + QByteArray(6 - digits.size(), '0') + digits;
}

QByteArray fixedToHex(double value, int decimals) {
    decimals = std::clamp(decimals, 0, 255);
    const bool negative = value < 0;
    double scaled = std::fabs(value) * std::pow(10.0, decimals);
    long magnitude = scaled > 32767.0 ? 32767 : std::lround(scaled);
    const int low = static_cast<int>(magnitude & 0xFF);
    int high = static_cast<int>((magnitude >> 8) & 0x7F);
    if (negative && magnitude != 0) high |= 0x80;
    return ByteToHex(low) + ByteToHex(high) + ByteToHex(decimals);
}

} // namespace protocol
