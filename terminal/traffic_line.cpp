#include "terminal/traffic_line.h"

#include "protocol/frame.h"
#include "terminal/byte_text.h"
#include "terminal/terminal_texts.h"
#include "views/instrument_types.h"

#include <QDateTime>

namespace terminal {

namespace {
// "@" + body + two check characters + CR.
bool holdsCheck(const QByteArray& line) {
    return line.size() >= 4 && line.endsWith(protocol::kCR);
}
} // namespace

QString timeText(const TrafficLine& line) {
    return QDateTime::fromMSecsSinceEpoch(line.wallMs).toString(QStringLiteral("hh:mm:ss.zzz"));
}

QString directionText(Direction direction) {
    switch (direction) {
    case Direction::Out: return texts::kOut;
    case Direction::In: return texts::kIn;
    case Direction::None: break;
    }
    return texts::kNone;
}

QByteArray carriedCheck(const QByteArray& line) {
    return holdsCheck(line) ? line.mid(line.size() - 3, 2) : QByteArray();
}

QByteArray expectedCheck(const QByteArray& line) {
    if (!holdsCheck(line)) return {};
    const int bodyStart = line.startsWith('@') ? 1 : 0;
    return protocol::MakeCheck(line.mid(bodyStart, line.size() - 3 - bodyStart));
}

QString verdictText(const TrafficLine& line) {
    switch (line.verdict) {
    case Verdict::Request:
    case Verdict::HeardRequest:
        return line.address < 0 ? texts::kFreeRequest : texts::kRequest.arg(line.address);
    case Verdict::Accepted:
        return texts::kAccepted.arg(line.address)
            .arg(QString::number(line.typeCode, 16).toUpper().rightJustified(2, QLatin1Char('0')),
                 i18n::tr(views::modelNameOf(line.typeCode)))
            .trimmed();
    case Verdict::OtherAddress: return texts::kOtherAddress.arg(line.address).arg(line.askedAddress);
    case Verdict::BadCheck: {
        const QByteArray carried = carriedCheck(line.bytes);
        const QByteArray expected = expectedCheck(line.bytes);
        return texts::kBadCheck.arg(carried.isEmpty() ? texts::kNone : escapedText(carried),
                                    expected.isEmpty() ? texts::kNone : QString::fromLatin1(expected));
    }
    case Verdict::Echo: return texts::kEcho;
    case Verdict::Noise: return texts::kNoise.arg(line.bytes.size());
    case Verdict::Stray: return texts::kStray.arg(line.bytes.size());
    case Verdict::NoReply:
        return line.address < 0 ? texts::kNoReplyUnknown : texts::kNoReply.arg(line.address);
    }
    return {};
}

QString bytesText(const TrafficLine& line, bool hex) {
    return hex ? hexText(line.bytes) : escapedText(line.bytes);
}

QString addressText(int address) {
    return address < 0 ? QString() : QString::number(address);
}

QString roundTripText(const TrafficLine& line) {
    return line.roundTripMs < 0 ? QString() : texts::kRoundTrip.arg(line.roundTripMs);
}

QString lineText(const TrafficLine& line, bool hex) {
    QString text = timeText(line) + QLatin1String("  ") + directionText(line.direction);
    if (!line.bytes.isEmpty() && line.verdict != Verdict::NoReply)
        text += QLatin1String("  ") + bytesText(line, hex);
    text += QLatin1String("  ") + verdictText(line);
    const QString roundTrip = roundTripText(line);
    if (!roundTrip.isEmpty()) text += QLatin1String("  ") + roundTrip;
    return text;
}

} // namespace terminal
