#pragma once
// Series read whole from somewhere else (the history), as parallel vectors: values[k][i] is key k
// at timesMs[i], NaN for a poll without that reading.
#include "trends/series_view.h"

#include <QStringList>

#include <vector>

namespace trends {

struct SeriesTable : public TrendSource {
    QStringList keys;
    std::vector<qint64> timesMs;
    std::vector<std::vector<double>> values;

    SeriesView series(const QString& key) const override {
        const int k = keys.indexOf(key);
        if (k < 0 || std::size_t(k) >= values.size()) return {timesMs.data(), nullptr, 0};
        return {timesMs.data(), values[std::size_t(k)].data(),
                std::min(timesMs.size(), values[std::size_t(k)].size())};
    }
};

} // namespace trends
