#include "trends/downsampler.h"

#include <algorithm>
#include <limits>

namespace trends {

qint64 floorDiv(qint64 a, qint64 b) {
    const qint64 q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

namespace {

// Appends points and breaks: never a break first, never two in a row.
class Emitter {
public:
    explicit Emitter(std::vector<PlotPoint>& out) : m_out(out) {}
    void breakLine() { m_pending = !m_out.empty(); }
    void point(qint64 t, double v) {
        if (m_pending) m_out.push_back({t, std::numeric_limits<double>::quiet_NaN()});
        m_pending = false;
        m_out.push_back({t, v});
    }

private:
    std::vector<PlotPoint>& m_out;
    bool m_pending = false;
};

// The samples of one column since its last break.
class Part {
public:
    void add(std::size_t i, const double* v) {
        if (!m_any) {
            m_first = m_min = m_max = i;
            m_any = true;
        }
        if (v[i] < v[m_min]) m_min = i;
        if (v[i] > v[m_max]) m_max = i;
        m_last = i;
    }
    void flush(const SeriesView& s, Emitter& out) {
        if (!m_any) return;
        std::size_t idx[4] = {m_first, m_min, m_max, m_last};
        std::sort(idx, idx + 4);
        const std::size_t* end = std::unique(idx, idx + 4);
        for (const std::size_t* i = idx; i != end; ++i)
            out.point(s.t[*i], s.v[*i]);
        m_any = false;
    }

private:
    std::size_t m_first = 0, m_min = 0, m_max = 0, m_last = 0;
    bool m_any = false;
};

} // namespace

qint64 columnWidth(const DownsampleRange& range) {
    if (range.columnMs > 0) return range.columnMs;
    const int columns = std::max(1, range.columns);
    return std::max<qint64>(1, (range.to - range.from + columns - 1) / columns);
}

std::vector<PlotPoint> downsample(const SeriesView& s, const DownsampleRange& range) {
    std::vector<PlotPoint> out;
    if (s.n == 0 || range.to < range.from) return out;
    const int columns = std::max(1, range.columns);
    std::size_t begin = std::size_t(std::lower_bound(s.t, s.t + s.n, range.from) - s.t);
    std::size_t end = std::size_t(std::upper_bound(s.t, s.t + s.n, range.to) - s.t);
    if (begin > 0) --begin;
    if (end < s.n) ++end;

    // Columns sit on whole multiples of their width, so a window that slides with the newest
    // sample keeps the same columns and the drawn line does not shimmer.
    const qint64 width = columnWidth(range);
    const bool raw = end - begin <= std::size_t(columns) * kPointsPerColumn;

    Emitter line(out);
    Part part;
    qint64 column = std::numeric_limits<qint64>::min();
    bool columnBroken = false;
    for (std::size_t i = begin; i < end; ++i) {
        const qint64 c = raw ? qint64(i) : floorDiv(s.t[i], width);
        if (c != column) {
            part.flush(s, line);
            column = c;
            columnBroken = false;
        }
        const bool gap = std::isnan(s.v[i]);
        const bool hole = range.maxGapMs > 0 && i > begin && s.t[i] - s.t[i - 1] > range.maxGapMs;
        // One break per column is all a pixel can show; later gaps of the column join up.
        if ((gap || hole) && !columnBroken) {
            part.flush(s, line);
            line.breakLine();
            columnBroken = true;
        }
        if (!gap) part.add(i, s.v);
    }
    part.flush(s, line);
    return out;
}

std::vector<PlotPoint> toSteps(const std::vector<PlotPoint>& points) {
    std::vector<PlotPoint> out;
    out.reserve(points.size() * 2);
    for (std::size_t i = 0; i < points.size(); ++i) {
        const PlotPoint& p = points[i];
        if (i > 0 && !p.isBreak() && !points[i - 1].isBreak() && points[i - 1].v != p.v)
            out.push_back({p.t, points[i - 1].v});
        out.push_back(p);
    }
    return out;
}

} // namespace trends
