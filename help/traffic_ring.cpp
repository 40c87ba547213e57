#include "help/traffic_ring.h"

#include "help/help_texts.h"

namespace help {

namespace {

// Printable ASCII as is; CR, LF and anything else as escapes, so a line stays one line.
QString shown(const QByteArray& bytes) {
    QString out;
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '\r')
            out += QLatin1String("\\r");
        else if (c == '\n')
            out += QLatin1String("\\n");
        else if (u >= 0x20 && u < 0x7F && c != '\\')
            out += QLatin1Char(c);
        else
            out += QStringLiteral("\\x%1").arg(u, 2, 16, QLatin1Char('0'));
    }
    return out;
}

} // namespace

TrafficRing::TrafficRing(int capacity, std::function<QDateTime()> now)
    : m_capacity(qMax(1, capacity)), m_now(std::move(now)) {}

QString TrafficRing::line(const engine::TrafficEvent& e, const QDateTime& at) {
    using engine::TrafficKind;
    QString what;
    switch (e.kind) {
    case TrafficKind::RequestWritten: what = texts::kSent + QLatin1String("  ") + shown(e.bytes); break;
    case TrafficKind::BytesReceived: what = texts::kReceived + QLatin1String("  ") + shown(e.bytes); break;
    case TrafficKind::ReplyAccepted: what = texts::kAccepted + QLatin1String("  ") + shown(e.bytes); break;
    case TrafficKind::ReplyBadCheck: what = texts::kBadCheck + QLatin1String("  ") + shown(e.bytes); break;
    case TrafficKind::EchoSkipped: what = texts::kEcho + QLatin1String("  ") + shown(e.bytes); break;
    case TrafficKind::NoiseDropped:
        what = texts::kNoise.arg(e.count) + QLatin1String("  ") + shown(e.bytes);
        break;
    case TrafficKind::NoReply: what = texts::kNoReply.arg(e.address); break;
    }
    return at.toString(QStringLiteral("HH:mm:ss.zzz")) + QLatin1String("  ") + what;
}

void TrafficRing::onTraffic(const engine::TrafficEvent& event) {
    // Raw chunks repeat what the cut lines say; keeping them would push the lines out.
    if (event.kind == engine::TrafficKind::BytesReceived) return;
    m_lines.push_back(line(event, m_now()));
    while (int(m_lines.size()) > m_capacity)
        m_lines.pop_front();
}

} // namespace help
