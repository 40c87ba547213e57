#include "tools/soak/reply_tally.h"

#include "engine/reply_reader.h"

namespace soak {

Outcome judge(const QByteArray& received, const QByteArray& request) {
    engine::ReplyReader reader;
    reader.startRequest(request);
    reader.feed(received);
    switch (reader.status()) {
    case engine::ReplyStatus::Accepted: return Outcome::Accepted;
    case engine::ReplyStatus::BadCheck: return Outcome::Rejected;
    case engine::ReplyStatus::NoneYet: break;
    }
    return Outcome::Unanswered;
}

void ReplyTally::requestSent(const QByteArray& request) {
    judgeOpenRequest();
    m_request = request;
    m_received.clear();
    m_open = true;
    ++m_requests;
}

void ReplyTally::received(const QByteArray& bytes) {
    m_bytesReceived += bytes.size();
    // Input with no request out (left over from before the port opened) belongs to no request.
    if (m_open) m_received += bytes;
}

void ReplyTally::endOfLine() {
    judgeOpenRequest();
}

void ReplyTally::judgeOpenRequest() {
    if (!m_open) return;
    m_open = false;
    switch (judge(m_received, m_request)) {
    case Outcome::Accepted: ++m_accepted; break;
    case Outcome::Rejected: ++m_rejected; break;
    case Outcome::Unanswered: ++m_unanswered; break;
    }
    m_received.clear();
}

} // namespace soak
