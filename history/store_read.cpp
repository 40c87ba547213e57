// Reading the history back: what there is, and the samples of one instrument over a time range.
#include "history/history_texts.h"
#include "history/store.h"
#include "history/store_impl.h"

#include <QVariant>
#include <cmath>
#include <map>

namespace history {

namespace {

// First and last time are one step along the key each; the count walks all of a recording's rows,
// so the reads that only need to know whether there are any ask for at most one.
const QString kSummaryQuery = QStringLiteral(
    "SELECT r.id, r.port, r.baud, r.address, r.type_code, r.model, r.interval_ms, r.started_ms, "
    "(SELECT min(t) FROM sample WHERE recording = r.id), (SELECT max(t) FROM sample WHERE recording = r.id), "
    "(SELECT count(*) FROM (SELECT 1 FROM sample WHERE recording = r.id %2)) "
    "FROM recording r %1 ORDER BY r.started_ms, r.id");

enum class Counts { Exact, AnyAtAll };

bool ready(StoreState& d) {
    if (!d.connection.isEmpty()) {
        d.status = Status::Ok;
        d.error.clear();
        return true;
    }
    d.fail(Status::NotOpen, historytext::kNotOpen);
    return false;
}

// Recordings with their readings; only: one instrument's, or all when null. With Counts::AnyAtAll,
// sampleCount is 1 for a recording that has samples.
bool loadRecordings(StoreState& d, const Instrument* only, Counts counts,
                    std::vector<RecordingSummary>* out) {
    QSqlQuery query(d.db());
    query.setForwardOnly(true);
    query.prepare(
        kSummaryQuery.arg(only ? QStringLiteral("WHERE r.address = ? AND r.type_code = ?") : QString(),
                          counts == Counts::Exact ? QString() : QStringLiteral("LIMIT 1")));
    if (only) {
        query.addBindValue(only->address);
        query.addBindValue(only->typeCode);
    }
    if (!query.exec()) {
        d.failQuery(query.lastError(), false);
        return false;
    }
    std::map<qint64, size_t> indexOf;
    while (query.next()) {
        RecordingSummary summary;
        summary.id = query.value(0).toLongLong();
        summary.info.port = query.value(1).toString();
        summary.info.baudRate = query.value(2).toInt();
        summary.info.address = query.value(3).toInt();
        summary.info.typeCode = query.value(4).toInt();
        summary.info.model = query.value(5).toString();
        summary.info.intervalMs = query.value(6).toInt();
        summary.info.startedMs = query.value(7).toLongLong();
        summary.firstMs = query.value(8).toLongLong();
        summary.lastMs = query.value(9).toLongLong();
        summary.sampleCount = query.value(10).toLongLong();
        indexOf[summary.id] = out->size();
        out->push_back(summary);
    }
    if (query.lastError().isValid()) {
        d.failQuery(query.lastError(), false);
        return false;
    }
    QSqlQuery readings(d.db());
    readings.setForwardOnly(true);
    if (!readings.exec(QStringLiteral(
            "SELECT recording, key, label, unit, decimals FROM reading ORDER BY recording, position"))) {
        d.failQuery(readings.lastError(), false);
        return false;
    }
    while (readings.next()) {
        const auto found = indexOf.find(readings.value(0).toLongLong());
        if (found == indexOf.end()) continue;
        ReadingInfo info;
        info.key = readings.value(1).toString();
        info.label = readings.value(2).toString();
        info.unit = readings.value(3).toString();
        info.decimals = readings.value(4).toInt();
        (*out)[found->second].readings.push_back(info);
    }
    if (readings.lastError().isValid()) {
        d.failQuery(readings.lastError(), false);
        return false;
    }
    return true;
}

QStringList keysIn(const std::vector<RecordingSummary>& recordings) {
    QStringList keys;
    for (const RecordingSummary& recording : recordings)
        for (const ReadingInfo& reading : recording.readings)
            if (!keys.contains(reading.key)) keys << reading.key;
    return keys;
}

// One recording's rows in the range, walked in time order, with the blob place of each wanted key.
struct Cursor {
    QSqlQuery query;
    std::vector<int> positions; // per wanted key; -1 when the recording never had it
    qint64 t = 0;
    bool valid = false;

    bool advance() {
        valid = query.next();
        if (valid) t = query.value(0).toLongLong();
        return valid || !query.lastError().isValid();
    }
};

} // namespace

std::vector<Instrument> Store::instruments() {
    StoreState& d = *m_impl;
    std::vector<Instrument> result;
    if (!ready(d)) return result;
    QSqlQuery query(d.db());
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT address, type_code, max(model) FROM recording r "
                                   "WHERE EXISTS (SELECT 1 FROM sample WHERE recording = r.id) "
                                   "GROUP BY address, type_code ORDER BY address, type_code"))) {
        d.failQuery(query.lastError(), false);
        return result;
    }
    while (query.next())
        result.push_back({query.value(0).toInt(), query.value(1).toInt(), query.value(2).toString()});
    if (query.lastError().isValid()) {
        d.failQuery(query.lastError(), false);
        result.clear();
    }
    return result;
}

std::vector<RecordingSummary> Store::recordings() {
    std::vector<RecordingSummary> result;
    if (ready(*m_impl) && !loadRecordings(*m_impl, nullptr, Counts::Exact, &result)) result.clear();
    return result;
}

std::vector<RecordingSummary> Store::recordingsOf(const Instrument& instrument) {
    std::vector<RecordingSummary> result;
    if (ready(*m_impl) && !loadRecordings(*m_impl, &instrument, Counts::Exact, &result)) result.clear();
    return result;
}

std::vector<ReadingInfo> Store::readingsOf(const Instrument& instrument) {
    std::vector<ReadingInfo> result;
    std::vector<RecordingSummary> recordings;
    if (!ready(*m_impl) || !loadRecordings(*m_impl, &instrument, Counts::AnyAtAll, &recordings))
        return result;
    QStringList seen;
    for (const RecordingSummary& recording : recordings) {
        for (const ReadingInfo& reading : recording.readings) {
            if (!seen.contains(reading.key)) {
                seen << reading.key;
                result.push_back(reading);
            }
        }
    }
    return result;
}

qint64 Store::countSamples(const Selection& selection) {
    StoreState& d = *m_impl;
    if (!ready(d)) return 0;
    QSqlQuery query(d.db());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT count(*) FROM sample s JOIN recording r ON s.recording = r.id "
                                 "WHERE r.address = ? AND r.type_code = ? AND s.t >= ? AND s.t <= ?"));
    query.addBindValue(selection.instrument.address);
    query.addBindValue(selection.instrument.typeCode);
    query.addBindValue(selection.fromMs);
    query.addBindValue(selection.toMs);
    if (!query.exec() || !query.next()) {
        d.failQuery(query.lastError(), false);
        return 0;
    }
    return query.value(0).toLongLong();
}

bool Store::forEachSample(const Selection& selection, const std::function<bool(const StoredSample&)>& visit) {
    StoreState& d = *m_impl;
    if (!ready(d)) return false;
    std::vector<RecordingSummary> recordings;
    if (!loadRecordings(d, &selection.instrument, Counts::AnyAtAll, &recordings)) return false;
    const QStringList keys = selection.keys.isEmpty() ? keysIn(recordings) : selection.keys;

    // Recordings of one instrument rarely overlap in time, but two windows may record it at once:
    // their rows are merged by time, the earlier recording first on a tie.
    std::vector<Cursor> cursors;
    for (const RecordingSummary& recording : recordings) {
        if (recording.sampleCount == 0 || recording.lastMs < selection.fromMs ||
            recording.firstMs > selection.toMs)
            continue;
        Cursor cursor{QSqlQuery(d.db()), {}, 0, false};
        for (const QString& key : keys) {
            int position = -1;
            for (size_t i = 0; i < recording.readings.size(); ++i)
                if (recording.readings[i].key == key) position = int(i);
            cursor.positions.push_back(position);
        }
        cursor.query.setForwardOnly(true);
        cursor.query.prepare(QStringLiteral("SELECT t, verdict, vals FROM sample WHERE recording = ? "
                                            "AND t >= ? AND t <= ? ORDER BY t, seq"));
        cursor.query.addBindValue(recording.id);
        cursor.query.addBindValue(selection.fromMs);
        cursor.query.addBindValue(selection.toMs);
        if (!cursor.query.exec() || !cursor.advance()) {
            d.failQuery(cursor.query.lastError(), false);
            return false;
        }
        if (cursor.valid) cursors.push_back(std::move(cursor));
    }

    StoredSample sample;
    sample.values.resize(size_t(keys.size()));
    while (true) {
        Cursor* next = nullptr;
        for (Cursor& cursor : cursors)
            if (cursor.valid && (!next || cursor.t < next->t)) next = &cursor;
        if (!next) return true;
        sample.epochMs = next->t;
        sample.verdict = next->query.value(1).toString();
        const QByteArray blob = next->query.value(2).toByteArray();
        for (size_t k = 0; k < sample.values.size(); ++k)
            sample.values[k] = unpackValue(blob, next->positions[k]);
        if (!visit(sample)) return false;
        if (!next->advance()) {
            d.failQuery(next->query.lastError(), false);
            return false;
        }
    }
}

Series Store::readSeries(const Selection& selection) {
    Series series;
    Selection resolved = selection;
    if (resolved.keys.isEmpty()) {
        for (const ReadingInfo& reading : readingsOf(selection.instrument))
            resolved.keys << reading.key;
    }
    series.keys = resolved.keys;
    series.values.resize(size_t(resolved.keys.size()));
    const bool ok = forEachSample(resolved, [&series](const StoredSample& sample) {
        series.timesMs.push_back(sample.epochMs);
        for (size_t k = 0; k < sample.values.size(); ++k)
            series.values[k].push_back(sample.values[k]);
        return true;
    });
    if (!ok) {
        series.timesMs.clear();
        for (auto& values : series.values)
            values.clear();
    }
    return series;
}

Buckets Store::readBuckets(const Selection& selection, qint64 bucketMs) {
    Buckets buckets;
    buckets.bucketMs = bucketMs;
    if (bucketMs <= 0) return buckets;
    Selection resolved = selection;
    if (resolved.keys.isEmpty()) {
        for (const ReadingInfo& reading : readingsOf(selection.instrument))
            resolved.keys << reading.key;
    }
    buckets.keys = resolved.keys;
    const size_t keyCount = size_t(resolved.keys.size());
    buckets.min.resize(keyCount);
    buckets.max.resize(keyCount);
    const bool ok = forEachSample(resolved, [&](const StoredSample& sample) {
        // Floor division, so that times before the epoch fall on the same grid.
        qint64 start = sample.epochMs - sample.epochMs % bucketMs;
        if (sample.epochMs % bucketMs < 0) start -= bucketMs;
        if (buckets.startsMs.empty() || buckets.startsMs.back() != start) {
            buckets.startsMs.push_back(start);
            buckets.sampleCounts.push_back(0);
            buckets.failedCounts.push_back(0);
            for (size_t k = 0; k < keyCount; ++k) {
                buckets.min[k].push_back(std::nan(""));
                buckets.max[k].push_back(std::nan(""));
            }
        }
        ++buckets.sampleCounts.back();
        if (!sample.verdict.isEmpty()) ++buckets.failedCounts.back();
        for (size_t k = 0; k < keyCount; ++k) {
            const double value = sample.values[k];
            if (std::isnan(value)) continue;
            double& low = buckets.min[k].back();
            double& high = buckets.max[k].back();
            if (std::isnan(low) || value < low) low = value;
            if (std::isnan(high) || value > high) high = value;
        }
        return true;
    });
    if (!ok) {
        Buckets empty;
        empty.keys = buckets.keys;
        empty.bucketMs = bucketMs;
        empty.min.resize(keyCount);
        empty.max.resize(keyCount);
        return empty;
    }
    return buckets;
}

} // namespace history
