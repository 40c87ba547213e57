#include "trends/trend_buffer.h"

#include <algorithm>
#include <limits>

namespace trends {

namespace {
constexpr double kGap = std::numeric_limits<double>::quiet_NaN();
}

int TrendBuffer::columnFor(const QString& key) {
    const auto it = m_column.constFind(key);
    if (it != m_column.constEnd()) return it.value();
    const int column = int(m_v.size());
    m_v.emplace_back(m_t.size(), kGap);
    m_column.insert(key, column);
    m_keys.append(key);
    return column;
}

void TrendBuffer::append(const protocol::Sample& sample) {
    if (sample.accepted())
        for (const protocol::Reading& r : sample.readings)
            columnFor(r.key);
    const std::size_t at =
        (m_t.empty() || sample.epochMs >= m_t.back())
            ? m_t.size()
            : std::size_t(std::upper_bound(m_t.begin(), m_t.end(), sample.epochMs) - m_t.begin());
    m_t.insert(m_t.begin() + std::ptrdiff_t(at), sample.epochMs);
    for (auto& column : m_v)
        column.insert(column.begin() + std::ptrdiff_t(at), kGap);
    if (sample.accepted())
        for (const protocol::Reading& r : sample.readings)
            m_v[std::size_t(m_column.value(r.key))][at] = r.value;
    trim();
}

void TrendBuffer::trim() {
    const qint64 oldest = m_t.back() - m_keepMs;
    if (m_t.front() >= oldest) return;
    const auto cut = std::lower_bound(m_t.begin(), m_t.end(), oldest);
    const std::size_t drop = std::size_t(cut - m_t.begin());
    if (drop < kTrimBatch) return;
    m_t.erase(m_t.begin(), cut);
    for (auto& column : m_v)
        column.erase(column.begin(), column.begin() + std::ptrdiff_t(drop));
}

void TrendBuffer::clear() {
    m_t.clear();
    m_v.clear();
    m_column.clear();
    m_keys.clear();
}

SeriesView TrendBuffer::series(const QString& key) const {
    const auto it = m_column.constFind(key);
    if (it == m_column.constEnd()) return {m_t.data(), nullptr, 0};
    return {m_t.data(), m_v[std::size_t(it.value())].data(), m_t.size()};
}

} // namespace trends
