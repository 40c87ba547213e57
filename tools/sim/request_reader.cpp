#include "tools/sim/request_reader.h"

#include "protocol/fields.h"
#include "protocol/frame.h"

namespace sim {

QList<QByteArray> RequestReader::feed(const QByteArray& bytes) {
    QList<QByteArray> lines;
    m_pending += bytes;
    int cr;
    while ((cr = m_pending.indexOf(protocol::kCR)) >= 0) {
        lines << m_pending.left(cr + 1);
        m_pending.remove(0, cr + 1);
    }
    if (m_pending.size() > kMaxLine) m_pending.clear();
    return lines;
}

static bool isHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

std::optional<int> requestedAddress(const QByteArray& line) {
    const int at = line.lastIndexOf('@');
    if (at < 0) return std::nullopt;
    const QByteArray frame = line.mid(at);
    // "@" 2 address digits, "RD", 2 check characters, CR.
    if (frame.size() != 8 || frame.back() != protocol::kCR) return std::nullopt;
    const QByteArray body = frame.mid(1, 4);
    if (!isHexDigit(body[0]) || !isHexDigit(body[1]) || body.mid(2) != "RD") return std::nullopt;
    if (frame.mid(5, 2) != protocol::MakeCheck(body)) return std::nullopt;
    return static_cast<int>(protocol::leadingHex(body.left(2)));
}

} // namespace sim
