#pragma once
// The live trend's memory: every poll of one instrument as a time and one value per reading key,
// kept for the widest span the live chart shows (24 hours, 43,200 polls at 2 s). A poll without an
// accepted reply is kept too, as a gap.
#include "protocol/reading.h"
#include "trends/series_view.h"

#include <QHash>
#include <QStringList>

#include <vector>

namespace trends {

class TrendBuffer : public TrendSource {
public:
    static constexpr qint64 kKeepMs = 24LL * 60 * 60 * 1000;
    // Old polls leave in batches of at least this many, so trimming costs nothing per poll.
    static constexpr std::size_t kTrimBatch = 1024;

    explicit TrendBuffer(qint64 keepMs = kKeepMs) : m_keepMs(keepMs) {}

    // The readings' values under their keys, or a gap under every key when no reply was accepted
    // (and under a key this poll lacks). A key first seen now is a gap in the polls before. A poll
    // older than the newest (the clock was set back) goes where its time belongs.
    void append(const protocol::Sample& sample);
    void clear();

    SeriesView series(const QString& key) const override;
    QStringList keys() const { return m_keys; }
    std::size_t size() const { return m_t.size(); }
    bool empty() const { return m_t.empty(); }
    qint64 firstTime() const { return m_t.empty() ? 0 : m_t.front(); }
    qint64 lastTime() const { return m_t.empty() ? 0 : m_t.back(); }

private:
    int columnFor(const QString& key);
    void trim();

    qint64 m_keepMs = kKeepMs;
    std::vector<qint64> m_t;
    std::vector<std::vector<double>> m_v; // one column per key, as long as m_t
    QHash<QString, int> m_column;
    QStringList m_keys;
};

} // namespace trends
