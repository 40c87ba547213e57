#include "terminal/hand_sender.h"

#include "protocol/frame.h"
#include "terminal/terminal_texts.h"

namespace terminal {

std::optional<int> parseAddress(const QString& typed, QString* error) {
    const QString text = typed.trimmed();
    bool ok = false;
    int value = -1;
    if (text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        value = text.size() > 2 ? text.mid(2).toInt(&ok, 16) : -1;
    else if (!text.isEmpty() && !text.startsWith(QLatin1Char('+')) && !text.startsWith(QLatin1Char('-')))
        value = text.toInt(&ok, 10);
    if (ok && value >= 0 && value <= 255) return value;
    if (error) *error = texts::kBadAddress.arg(typed);
    return std::nullopt;
}

bool repeatIntervalValid(int ms, QString* error) {
    if (ms >= kMinRepeatMs && ms <= kMaxRepeatMs) return true;
    if (error) *error = texts::kBadInterval.arg(ms);
    return false;
}

QByteArray withCheckAndCr(const QByteArray& bytes) {
    const QByteArray body = bytes.startsWith('@') ? bytes.mid(1) : bytes;
    return bytes + protocol::MakeCheck(body) + protocol::kCR;
}

int askedAddress(const QByteArray& frame) {
    if (frame.size() < 6 || frame.at(0) != '@' || frame.mid(3, 2) != "RD") return -1;
    bool ok = false;
    const int address = frame.mid(1, 2).toInt(&ok, 16);
    return ok ? address : -1;
}

void HandSender::setFrame(const QByteArray& frame, bool repeat) {
    m_frame = frame;
    m_address = askedAddress(frame);
    m_repeat = repeat;
    m_sent = 0;
}

bool HandSender::nextRequest(engine::Request& request) {
    if (!m_repeat && m_sent > 0) return false;
    request.bytes = m_frame;
    request.address = m_address;
    ++m_sent;
    return true;
}

} // namespace terminal
