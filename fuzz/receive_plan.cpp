#include "fuzz/receive_plan.h"

namespace fuzz {

namespace {
constexpr unsigned char kSendBit = 0x80;
constexpr unsigned char kLengthBits = 0x7F;
} // namespace

ReceivePlan decodePlan(const QByteArray& input) {
    ReceivePlan plan;
    if (input.size() < 1) return plan;
    plan.layout = static_cast<unsigned char>(input[0]) % kLayoutChoices;
    if (input.size() < 2) return plan;
    plan.quietTicks = static_cast<unsigned char>(input[1]) % (kMaxQuietTicks + 1);
    int pos = 2;
    while (pos < input.size()) {
        const auto control = static_cast<unsigned char>(input[pos++]);
        Chunk chunk;
        chunk.sendFirst = (control & kSendBit) != 0;
        chunk.bytes = input.mid(pos, control & kLengthBits);
        pos += chunk.bytes.size();
        plan.chunks.append(chunk);
    }
    return plan;
}

QByteArray encodePlan(const ReceivePlan& plan) {
    QByteArray out;
    out.append(static_cast<char>(((plan.layout % kLayoutChoices) + kLayoutChoices) % kLayoutChoices));
    out.append(static_cast<char>(((plan.quietTicks % (kMaxQuietTicks + 1)) + kMaxQuietTicks + 1) %
                                 (kMaxQuietTicks + 1)));
    for (const Chunk& chunk : plan.chunks) {
        int pos = 0;
        bool send = chunk.sendFirst;
        do {
            const QByteArray part = chunk.bytes.mid(pos, kMaxChunk);
            out.append(static_cast<char>((send ? kSendBit : 0) | part.size()));
            out.append(part);
            pos += part.size();
            send = false;
        } while (pos < chunk.bytes.size());
    }
    return out;
}

} // namespace fuzz
