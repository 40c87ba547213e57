#pragma once
// The instrument side of the line: collects received bytes into CR-terminated lines and
// recognises the read requests among them.
#include <QByteArray>
#include <QList>
#include <optional>

namespace sim {

class RequestReader {
public:
    // Appends `bytes` and returns every line completed by them, CR included, in order. A partial
    // line waits for the rest; one that grows past `kMaxLine` without a CR is thrown away, as an
    // instrument's small receive buffer would overflow.
    QList<QByteArray> feed(const QByteArray& bytes);

    static constexpr int kMaxLine = 256;

private:
    QByteArray m_pending;
};

// The address of a read request line: "@", two hexadecimal digits, "RD", the check of those four
// characters, CR. Anything in front of the line's last "@" is ignored, as line noise; any other
// shape or a wrong check gives nothing, and the instruments stay quiet.
std::optional<int> requestedAddress(const QByteArray& line);

} // namespace sim
