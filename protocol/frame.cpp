#include "protocol/frame.h"
#include "protocol/fields.h"

namespace protocol {

QByteArray ByteToHex(int value) {
    if (value < 0 || value > 255) return QByteArrayLiteral("FF");
    static const char digits[] = "0123456789ABCDEF";
    QByteArray out(2, '0');
    out[0] = digits[value >> 4];
    out[1] = digits[value & 0xF];
    return out;
}

static int xorOf(const char* begin, const char* end) {
    int x = 0;
    for (const char* p = begin; p != end; ++p)
        x ^= static_cast<unsigned char>(*p);
    return x;
}

QByteArray MakeCheck(const QByteArray& body) {
    return ByteToHex(xorOf(body.constData(), body.constData() + body.size()));
}

bool CheckReply(const QByteArray& line) {
    const int cr = line.indexOf(kCR);
    const int at = line.indexOf('@');
    if (cr < 0 || at < 0) return false;
    // 0-based: body runs from at+1 up to cr-3 inclusive; check field at cr-2, cr-1.
    const int bodyLength = cr - 2 - (at + 1);
    if (bodyLength < 1) return false;
    const char* body = line.constData() + at + 1;
    const QByteArray expected = ByteToHex(xorOf(body, body + bodyLength));
    return line[cr - 2] == expected[0] && line[cr - 1] == expected[1];
}

QByteArray addressField(int address) {
    const quint16 bits = static_cast<quint16>(address);
    QByteArray digits = QByteArray::number(bits, 16).toUpper();
    if (address < 16) digits.prepend('0');
    return digits;
}

QByteArray readRequest(const QByteArray& field) {
    const QByteArray body = field + "RD";
    return '@' + body + MakeCheck(body) + kCR;
}

static QByteArray fromFirstAt(const QByteArray& line) {
    const int at = line.indexOf('@');
    return at > 0 ? line.mid(at) : line;
}

std::optional<QByteArray> cutReplyLine(const QByteArray& buffer, const QByteArray& commandFrame) {
    int cr = buffer.indexOf(kCR);
    if (cr < 0) return std::nullopt;
    QByteArray line = fromFirstAt(buffer.left(cr + 1));
    if (!commandFrame.isEmpty() && line == commandFrame) {
        const int next = buffer.indexOf(kCR, cr + 1);
        if (next < 0) return std::nullopt;
        line = fromFirstAt(buffer.mid(cr + 1, next - cr));
    }
    return line;
}

int replyAddress(const QByteArray& replyLine) {
    return hexByteAt(replyLine, 2);
}
int replyTypeCode(const QByteArray& replyLine) {
    return hexByteAt(replyLine, 8);
}

} // namespace protocol
