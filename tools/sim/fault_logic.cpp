#include "tools/sim/fault_logic.h"

#include "protocol/fields.h"
#include "protocol/frame.h"

#include <algorithm>

namespace sim {

bool rollPercent(int percent, QRandomGenerator& random) {
    if (percent <= 0) return false;
    if (percent >= 100) return true;
    return static_cast<int>(random.bounded(100)) < percent;
}

QByteArray withWrongCheck(const QByteArray& frame, QRandomGenerator& random) {
    // "@", at least one body character, two check characters, CR.
    if (frame.size() < 5 || !frame.endsWith(protocol::kCR)) return frame;
    const int checkAt = frame.size() - 3;
    const int right = static_cast<int>(protocol::leadingHex(frame.mid(checkAt, 2)));
    const int wrong = right ^ static_cast<int>(1 + random.bounded(255));
    QByteArray out = frame;
    out.replace(checkAt, 2, protocol::ByteToHex(wrong));
    return out;
}

char junkByte(QRandomGenerator& random) {
    for (;;) {
        const char c = static_cast<char>(random.bounded(256));
        if (c != '@' && c != protocol::kCR) return c;
    }
}

QByteArray garbageBurst(QRandomGenerator& random) {
    const int length = 1 + static_cast<int>(random.bounded(8));
    QByteArray out;
    for (int i = 0; i < length; ++i)
        out += junkByte(random);
    return out;
}

QByteArray garbledFrom(const QByteArray& bytes, int from, QRandomGenerator& random) {
    QByteArray out = bytes;
    for (int i = std::max(from, 0); i < out.size(); ++i) {
        char c;
        do
            c = junkByte(random);
        while (c == bytes[i]);
        out[i] = c;
    }
    return out;
}

Answer planAnswer(const QByteArray& requestLine, int address, const QByteArray& reply, bool answeredBefore,
                  const Faults& faults, QRandomGenerator& random) {
    Answer answer;
    if (faults.echo) answer.echo = requestLine;
    if (reply.isEmpty()) return answer;
    if (answeredBefore && faults.silent.contains(address)) return answer;
    if (rollPercent(faults.dropPercent, random)) return answer;
    answer.reply = rollPercent(faults.corruptPercent, random) ? withWrongCheck(reply, random) : reply;
    if (faults.noise) answer.reply.prepend(junkByte(random));
    answer.replied = true;
    return answer;
}

} // namespace sim
