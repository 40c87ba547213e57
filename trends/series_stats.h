#pragma once
// What a series holds in a time range, and which sample a cursor at a given time reads.
#include "trends/series_view.h"

#include <cstddef>
#include <limits>

namespace trends {

struct RangeStats {
    std::size_t count = 0; // samples with a value
    std::size_t gaps = 0;  // polls without an accepted reply
    double min = std::numeric_limits<double>::quiet_NaN();
    double max = std::numeric_limits<double>::quiet_NaN();
    double mean = std::numeric_limits<double>::quiet_NaN();
};

// Over the samples with from <= t <= to.
RangeStats statsIn(const SeriesView& series, qint64 from, qint64 to);

// The sample a cursor at time t reads: the nearest one for a line, the last one at or before t for
// steps (the value held there). -1 when there is none, or when it lies further than maxDistanceMs
// from t (0: any distance). The sample may be a gap; its value is then NaN.
std::ptrdiff_t sampleAt(const SeriesView& series, qint64 t, bool step, qint64 maxDistanceMs = 0);

} // namespace trends
