#pragma once
// What a chart draws of one series over a time range: runs of joined points through the
// downsampler, and the statistics of the range. The work is kept per block of columns, on blocks
// that sit on whole multiples of their width, so a poll added at the end (or old ones dropped at
// the start) recomputes only the blocks it touched, and a chart can give each block its own line
// and redraw only the lines that changed.
#include "trends/downsampler.h"
#include "trends/series_stats.h"

#include <map>
#include <vector>

namespace trends {

// Points joined by one line, in time order, with no break inside.
using Run = std::vector<PlotPoint>;

struct PlotRequest {
    qint64 from = 0;
    qint64 to = 0;
    int columns = 1;
    qint64 maxGapMs = 0; // as for the downsampler
    bool step = false;   // a flag: drawn as steps
};

struct SeriesPlot {
    // Each block's runs in time order. Where a block continues the line of the one before, its
    // first run starts with that one's last point, so the runs meet.
    std::vector<Run> runs;
    RangeStats stats; // of the samples with from <= t <= to
};

class SeriesPlotter {
public:
    static constexpr int kColumnsPerBlock = 32;

    SeriesPlot plot(const SeriesView& series, const PlotRequest& request);
    // Forgets every block: samples changed in place. (Added or dropped ones change a block's count,
    // which tells the plotter to draw it again.)
    void clear() { m_blocks.clear(); }
    // Blocks computed since this plotter was made (the rest came from what it kept).
    std::size_t blocksComputed() const { return m_computed; }

private:
    struct Block {
        std::size_t count = 0; // of the samples it was made of

        std::vector<Run> runs;
        RangeStats stats;
        double sum = 0;
    };

    const Block& blockAt(const SeriesView& s, qint64 index, std::size_t begin, std::size_t end);

    qint64 m_columnMs = 0;
    qint64 m_maxGapMs = 0;
    bool m_step = false;
    std::map<qint64, Block> m_blocks;
    std::size_t m_computed = 0;
};

} // namespace trends
