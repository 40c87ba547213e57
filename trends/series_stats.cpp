#include "trends/series_stats.h"

#include <algorithm>
#include <cmath>

namespace trends {

RangeStats statsIn(const SeriesView& s, qint64 from, qint64 to) {
    RangeStats stats;
    if (s.n == 0 || to < from) return stats;
    const std::size_t begin = std::size_t(std::lower_bound(s.t, s.t + s.n, from) - s.t);
    const std::size_t end = std::size_t(std::upper_bound(s.t, s.t + s.n, to) - s.t);
    double lo = std::numeric_limits<double>::infinity();
    double hi = -lo;
    double sum = 0;
    for (std::size_t i = begin; i < end; ++i) {
        const double v = s.v[i];
        if (std::isnan(v)) {
            ++stats.gaps;
            continue;
        }
        lo = std::min(lo, v);
        hi = std::max(hi, v);
        sum += v;
        ++stats.count;
    }
    if (stats.count > 0) {
        stats.min = lo;
        stats.max = hi;
        stats.mean = sum / double(stats.count);
    }
    return stats;
}

std::ptrdiff_t sampleAt(const SeriesView& s, qint64 t, bool step, qint64 maxDistanceMs) {
    if (s.n == 0) return -1;
    // First sample after t.
    const std::size_t after = std::size_t(std::upper_bound(s.t, s.t + s.n, t) - s.t);
    std::ptrdiff_t pick = -1;
    if (step) {
        pick = after == 0 ? -1 : std::ptrdiff_t(after - 1);
    } else if (after == 0) {
        pick = 0;
    } else if (after == s.n) {
        pick = std::ptrdiff_t(s.n - 1);
    } else {
        pick = (t - s.t[after - 1] <= s.t[after] - t) ? std::ptrdiff_t(after - 1) : std::ptrdiff_t(after);
    }
    if (pick < 0) return -1;
    const qint64 distance = t > s.t[pick] ? t - s.t[pick] : s.t[pick] - t;
    if (maxDistanceMs > 0 && distance > maxDistanceMs) return -1;
    return pick;
}

} // namespace trends
