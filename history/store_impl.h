#pragma once
// What a Store keeps between calls; shared by the files that implement it.
#include "history/history_texts.h"
#include "history/store.h"

#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <limits>
#include <optional>

namespace history {

// The recording being written, as it will be once the running transaction commits.
struct ActiveRecording {
    qint64 id = 0;
    RecordingInfo info;
    QHash<QString, int> positions; // reading key -> its place in the value blob
    int keyCount = 0;
    qint64 lastMs = std::numeric_limits<qint64>::min();
    int lastSeq = 0; // tie-breaker of samples with the same time
};

struct StoreState {
    QString connection; // Qt SQL connection name; empty while closed
    QString path;
    OpenMode mode = OpenMode::Browse;
    bool writable = false;
    Status status = Status::NotOpen;
    QString error = historytext::kNotOpen;

    bool recording = false;
    ActiveRecording active;
    std::optional<QSqlQuery> insertSample;

    QSqlDatabase db() const { return QSqlDatabase::database(connection, false); }
    void fail(Status s, const QString& text) {
        status = s;
        error = text;
    }
    // A failed query: damage is told as such, the rest as a failed read or write.
    void failQuery(const QSqlError& sqlError, bool writing);
};

// Values of one sample as a blob of little-endian doubles, in the recording's key order.
QByteArray packValues(const std::vector<double>& values);
double unpackValue(const QByteArray& blob, int position); // NaN beyond the blob

} // namespace history
