#include "engine/reply_reader.h"

#include "protocol/frame.h"

namespace engine {

void ReplyReader::startRequest(const QByteArray& request) {
    clear();
    m_request = request;
}

void ReplyReader::clear() {
    m_request.clear();
    m_buffer.clear();
    m_line.clear();
    m_scanFrom = 0;
    m_noise = 0;
    m_status = ReplyStatus::NoneYet;
    m_echoSkipped = false;
}

void ReplyReader::feed(const QByteArray& bytes, CutObserver* observer) {
    if (bytes.isEmpty()) return;
    m_buffer += bytes;
    // Once the answer is cut nothing after it matters until the next request.
    if (m_everyLine || m_status == ReplyStatus::NoneYet) cutLines(observer);
}

void ReplyReader::cutLines(CutObserver* observer) {
    for (;;) {
        const int cr = m_buffer.indexOf(protocol::kCR, m_scanFrom);
        if (cr < 0) break;
        const int lineStart = m_scanFrom;
        const int atIndex = m_buffer.indexOf('@', lineStart);
        const int at = atIndex >= 0 && atIndex < cr ? atIndex : lineStart;
        const QByteArray line = m_buffer.mid(at, cr + 1 - at);
        m_scanFrom = cr + 1;
        if (observer && at > lineStart) observer->noiseDropped(m_buffer.mid(lineStart, at - lineStart));

        // Only the very first line of a request window can be its echo.
        if (!m_everyLine && lineStart == 0 && !m_request.isEmpty() && line == m_request) {
            m_echoSkipped = true;
            if (observer) observer->echoSkipped(line);
            continue;
        }
        m_line = line;
        m_noise = at - lineStart;
        m_status = protocol::CheckReply(m_line) ? ReplyStatus::Accepted : ReplyStatus::BadCheck;
        if (observer) observer->lineCut(m_line, m_status);
        if (!m_everyLine) return;
        m_buffer.remove(0, m_scanFrom);
        m_scanFrom = 0;
    }
    if (m_everyLine && m_buffer.size() - m_scanFrom > kLongestLine) {
        if (observer) observer->noiseDropped(m_buffer.mid(m_scanFrom));
        m_buffer.truncate(m_scanFrom);
    }
}

} // namespace engine
