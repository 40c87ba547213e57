#include "trends/time_window.h"

#include <algorithm>
#include <cmath>

namespace trends {

void TimeWindow::setSpanLimits(qint64 minSpan, qint64 maxSpan) {
    m_minSpan = std::max<qint64>(1, minSpan);
    m_maxSpan = std::max(m_minSpan, maxSpan);
    setSpan(m_span);
}

qint64 TimeWindow::clampSpan(qint64 span) const {
    return std::clamp(span, m_minSpan, m_maxSpan);
}

void TimeWindow::setSpan(qint64 span) {
    m_span = clampSpan(span);
    if (m_following) m_to = m_newest + lead();
}

void TimeWindow::follow(qint64 newest) {
    m_following = true;
    m_newest = newest;
    m_to = newest + lead();
}

bool TimeWindow::newestAt(qint64 newest) {
    m_newest = newest;
    if (!m_following || (newest <= m_to && newest >= from())) return false;
    m_to = newest + lead();
    return true;
}

void TimeWindow::zoomAt(qint64 anchor, double factor) {
    if (!(factor > 0)) return;
    const double wanted = std::round(double(m_span) * factor);
    const qint64 span = clampSpan(qint64(std::min(wanted, double(m_maxSpan))));
    if (m_following) {
        m_span = span;
        m_to = m_newest + lead();
        return;
    }
    const double share = double(anchor - from()) / double(m_span);
    const qint64 newFrom = anchor - qint64(std::llround(share * double(span)));
    m_to = newFrom + span;
    m_span = span;
}

void TimeWindow::panBy(qint64 ms) {
    m_following = false;
    m_to += ms;
}

void TimeWindow::setRange(qint64 from, qint64 to) {
    m_following = false;
    m_span = clampSpan(to - from);
    m_to = from + m_span;
}

} // namespace trends
