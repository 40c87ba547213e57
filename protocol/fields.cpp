#include "protocol/fields.h"

namespace protocol {

QByteArray field(const QByteArray& frame, int pos, int width) {
    if (pos < 1 || width <= 0 || pos > frame.size()) return {};
    return frame.mid(pos - 1, width);
}

static int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

quint32 leadingHex(const QByteArray& text) {
    quint32 value = 0;
    const int n = std::min<int>(text.size(), 8);
    for (int i = 0; i < n; ++i) {
        const int d = hexDigit(text[i]);
        if (d < 0) break;
        value = value * 16 + static_cast<quint32>(d);
    }
    return value;
}

int leadingDecimal(const QByteArray& text) {
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') break;
        if (value > 100000000) break; // fields are two characters; never overflow on junk
        value = value * 10 + (c - '0');
    }
    return value;
}

} // namespace protocol
