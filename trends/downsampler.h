#pragma once
// Turns a series into what a chart of a given pixel width can show: at most a few points per pixel
// column, keeping each column's first, minimum, maximum and last sample in time order, so no spike
// disappears and the line still joins column to column. A poll without an accepted reply (a NaN
// value), or two polls further apart than the caller allows, breaks the line; every column that
// holds a gap shows at least one break.
#include "trends/series_view.h"

#include <cmath>
#include <vector>

namespace trends {

// A point of the drawn line. A NaN value is a break: the points on either side are not joined.
struct PlotPoint {
    qint64 t = 0;
    double v = 0;
    bool isBreak() const { return std::isnan(v); }
};

struct DownsampleRange {
    qint64 from = 0;
    qint64 to = 0;
    int columns = 1;     // pixel columns of the visible range
    qint64 maxGapMs = 0; // polls further apart than this are not joined; 0: always joined
    qint64 columnMs = 0; // width of a column; 0: the range's span shared out over the columns
};

// The width of a column: as given, or the span shared out over the columns, rounded up.
qint64 columnWidth(const DownsampleRange& range);

// Division rounding towards minus infinity: the column or block a time falls in, before 1970 too.
qint64 floorDiv(qint64 a, qint64 b);

// Points per column at most: four (first, min, max, last), twice that in a column with a gap. The
// sample just before and just after the range come along so the line reaches both edges. When the
// range holds only a few samples per column they are all kept as they are.
constexpr int kPointsPerColumn = 4;
constexpr int kPointsPerColumnWithGap = 2 * kPointsPerColumn;

std::vector<PlotPoint> downsample(const SeriesView& series, const DownsampleRange& range);

// The same points as steps: each value holds until the next point of its run.
std::vector<PlotPoint> toSteps(const std::vector<PlotPoint>& points);

} // namespace trends
