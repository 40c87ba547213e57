#include "trends/series_plotter.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace trends {

namespace {

std::size_t firstAtOrAfter(const SeriesView& s, qint64 t) {
    return std::size_t(std::lower_bound(s.t, s.t + s.n, t) - s.t);
}

std::vector<Run> splitAtBreaks(const std::vector<PlotPoint>& points) {
    std::vector<Run> runs;
    Run run;
    for (const PlotPoint& p : points) {
        if (!p.isBreak()) {
            run.push_back(p);
            continue;
        }
        if (!run.empty()) runs.push_back(std::move(run));
        run.clear();
    }
    if (!run.empty()) runs.push_back(std::move(run));
    return runs;
}

// Adds one stretch of statistics to another.
void merge(RangeStats& into, double& sum, const RangeStats& part, double partSum) {
    into.gaps += part.gaps;
    if (part.count == 0) return;
    into.min = into.count == 0 ? part.min : std::min(into.min, part.min);
    into.max = into.count == 0 ? part.max : std::max(into.max, part.max);
    into.count += part.count;
    sum += partSum;
}

// The last sample of what was drawn so far, for deciding whether the next one joins it.
struct LineEnd {
    bool valid = false;
    qint64 t = 0;
    double v = 0;
};

} // namespace

const SeriesPlotter::Block& SeriesPlotter::blockAt(const SeriesView& s, qint64 index, std::size_t begin,
                                                   std::size_t end) {
    const std::size_t count = end - begin;
    auto it = m_blocks.find(index);
    // Blocks sit still in time and samples only come and go, so the same count means the same samples.
    if (it != m_blocks.end() && it->second.count == count) return it->second;

    ++m_computed;
    const qint64 blockMs = m_columnMs * kColumnsPerBlock;
    const qint64 start = index * blockMs;
    const SeriesView own{s.t + begin, s.v + begin, count};
    std::vector<PlotPoint> points =
        downsample(own, {start, start + blockMs - 1, kColumnsPerBlock, m_maxGapMs, m_columnMs});
    if (m_step) points = toSteps(points);

    Block block;
    block.count = count;
    block.runs = splitAtBreaks(points);
    block.stats = statsIn(own, start, start + blockMs - 1);
    block.sum = block.stats.count > 0 ? block.stats.mean * double(block.stats.count) : 0;
    return m_blocks[index] = std::move(block);
}

SeriesPlot SeriesPlotter::plot(const SeriesView& s, const PlotRequest& request) {
    SeriesPlot out;
    if (request.to < request.from) return out;
    const qint64 columnMs = columnWidth({request.from, request.to, request.columns, 0, 0});
    if (columnMs != m_columnMs || request.maxGapMs != m_maxGapMs || request.step != m_step) {
        m_blocks.clear();
        m_columnMs = columnMs;
        m_maxGapMs = request.maxGapMs;
        m_step = request.step;
    }
    const qint64 blockMs = columnMs * kColumnsPerBlock;
    const qint64 first = floorDiv(request.from, blockMs);
    const qint64 last = floorDiv(request.to, blockMs);

    // Whether a sample at (t, v) continues the line that ends at `end`; if so, the points that
    // join them (a step's corner first).
    const auto joins = [&](const LineEnd& end, qint64 t) {
        return end.valid && (request.maxGapMs <= 0 || t - end.t <= request.maxGapMs);
    };
    const auto joint = [&](const LineEnd& end, qint64 t) {
        Run points{{end.t, end.v}};
        if (request.step) points.push_back({t, end.v});
        return points;
    };

    LineEnd end;
    const std::size_t beforeFirst = s.n == 0 ? 0 : firstAtOrAfter(s, first * blockMs);
    if (beforeFirst > 0 && !std::isnan(s.v[beforeFirst - 1]))
        end = {true, s.t[beforeFirst - 1], s.v[beforeFirst - 1]};

    double sum = 0;
    std::size_t begin = beforeFirst;
    for (qint64 index = first; index <= last && s.n > 0; ++index) {
        const std::size_t stop = firstAtOrAfter(s, (index + 1) * blockMs);
        if (stop == begin) continue;
        const Block& block = blockAt(s, index, begin, stop);
        const bool firstValid = !std::isnan(s.v[begin]);
        for (std::size_t r = 0; r < block.runs.size(); ++r) {
            Run run;
            if (r == 0 && firstValid && joins(end, s.t[begin])) {
                run = joint(end, s.t[begin]);
                if (request.step && run.back().v == block.runs[0].front().v) run.pop_back();
            }
            run.insert(run.end(), block.runs[r].begin(), block.runs[r].end());
            out.runs.push_back(std::move(run));
        }
        const qint64 start = index * blockMs;
        if (start >= request.from && start + blockMs - 1 <= request.to) {
            merge(out.stats, sum, block.stats, block.sum);
        } else {
            const RangeStats part =
                statsIn({s.t + begin, s.v + begin, stop - begin}, request.from, request.to);
            merge(out.stats, sum, part, part.count > 0 ? part.mean * double(part.count) : 0);
        }
        end = std::isnan(s.v[stop - 1]) ? LineEnd{} : LineEnd{true, s.t[stop - 1], s.v[stop - 1]};
        begin = stop;
    }
    // The sample after the range, so the line reaches the right edge.
    if (begin < s.n && !std::isnan(s.v[begin]) && joins(end, s.t[begin])) {
        Run run = joint(end, s.t[begin]);
        if (request.step && run.back().v == s.v[begin]) run.pop_back();
        if (!out.runs.empty() && out.runs.back().back().t == end.t) {
            out.runs.back().insert(out.runs.back().end(), run.begin() + 1, run.end());
            out.runs.back().push_back({s.t[begin], s.v[begin]});
        } else {
            run.push_back({s.t[begin], s.v[begin]});
            out.runs.push_back(std::move(run));
        }
    }
    if (out.stats.count > 0) out.stats.mean = sum / double(out.stats.count);

    // Keep only what the range shows.
    m_blocks.erase(m_blocks.begin(), m_blocks.lower_bound(first));
    m_blocks.erase(m_blocks.upper_bound(last), m_blocks.end());
    return out;
}

} // namespace trends
