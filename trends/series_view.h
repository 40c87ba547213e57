#pragma once
// One series as parallel arrays, times ascending (milliseconds since the epoch). A NaN value is a
// poll without an accepted reply: a gap, never a number.
#include <QString>
#include <QtGlobal>

#include <cstddef>

namespace trends {

struct SeriesView {
    const qint64* t = nullptr;
    const double* v = nullptr;
    std::size_t n = 0;

    bool empty() const { return n == 0; }
};

// Where a chart reads its series: the live buffer, or what the history browser loaded. Views stay
// valid until the source changes.
class TrendSource {
public:
    virtual ~TrendSource() = default;
    virtual SeriesView series(const QString& key) const = 0;
};

} // namespace trends
