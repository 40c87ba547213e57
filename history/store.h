#pragma once
// The history database: what the poll of an instrument gave, one row per poll, in a SQLite file that
// belongs to this program alone. A file that is not ours, or is damaged, is reported and never written.
//
// Writing: open(path, OpenMode::Record), startRecording(), then append() once per poll; every sample is
// its own transaction in a write-ahead log, so a crash or a power loss costs at most the sample being
// written. The first failed write stops the recording and is reported once (AppendResult::Failed);
// what was committed before stays readable.
//
// Reading: instruments(), recordings() for what there is; forEachSample(), readSeries() and
// readBuckets() for the samples of one instrument over a time range.
//
// Widget-free. A Store holds one Qt SQL connection: use it from the thread that opened it. Several
// Stores (a recorder and a browser, two recording windows) may have the same file open at once.
#include "protocol/reading.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <limits>
#include <memory>
#include <vector>

namespace history {

// What a recording describes: the line, the instrument and the poll. Kept once per recording.
struct RecordingInfo {
    QString port;         // port name as the link shows it ("COM1", "/dev/ttyUSB0")
    int baudRate = 0;     // bits per second
    int address = -1;     // bus address polled
    int typeCode = -1;    // -1 until an accepted reply tells it
    QString model;        // catalogue model name; empty for an unlisted code
    int intervalMs = 0;   // poll interval
    qint64 startedMs = 0; // milliseconds since the epoch
};

// A reading as a recording keeps it: everything but the value, stored once, not per sample.
struct ReadingInfo {
    QString key;
    QString label;
    QString unit;
    int decimals = 0;
};

// One recording with its readings (in the order they were first seen) and the span of its samples.
struct RecordingSummary {
    qint64 id = 0;
    RecordingInfo info;
    std::vector<ReadingInfo> readings;
    qint64 firstMs = 0;     // first sample time; 0 when sampleCount is 0
    qint64 lastMs = 0;      // last sample time; 0 when sampleCount is 0
    qint64 sampleCount = 0; // polls stored, with and without an accepted reply
};

// An instrument is its address and its type code; its model name comes with the type code.
struct Instrument {
    int address = -1;
    int typeCode = -1;
    QString model;
    bool operator==(const Instrument& other) const {
        return address == other.address && typeCode == other.typeCode;
    }
    bool operator!=(const Instrument& other) const { return !(*this == other); }
};

// Which samples to read: those of one instrument (over all its recordings) in a time range, and
// which of its readings.
struct Selection {
    Instrument instrument;
    qint64 fromMs = std::numeric_limits<qint64>::min(); // inclusive
    qint64 toMs = std::numeric_limits<qint64>::max();   // inclusive
    QStringList keys; // reading keys in the order wanted; empty means every key the recordings have
};

// One sample as read back. values follows the selection's keys (or keysOf() when it names none);
// a value is NaN where the poll had no accepted reply or the reply did not carry that reading.
struct StoredSample {
    qint64 epochMs = 0;
    QString verdict; // empty when the reply was accepted
    std::vector<double> values;
};

// Samples as parallel vectors, the shape a chart or a downsampler wants.
// values[k][i] is key k of sample i; NaN marks a gap (no accepted reply, or the reading absent).
struct Series {
    QStringList keys;
    std::vector<qint64> timesMs;
    std::vector<std::vector<double>> values;
};

// The minimum and maximum of each reading per fixed-width time bucket, so that a chart of any span
// draws a few points per pixel column and loses no spike. Only buckets that hold samples are listed;
// buckets lie on a grid of bucketMs from the epoch (so panning a chart keeps them where they were)
// and each covers [startMs, startMs + bucketMs).
struct Buckets {
    QStringList keys;
    qint64 bucketMs = 0;
    std::vector<qint64> startsMs;         // per bucket, ascending
    std::vector<qint64> sampleCounts;     // per bucket: polls stored in it, accepted or not
    std::vector<qint64> failedCounts;     // per bucket: polls without an accepted reply (a gap)
    std::vector<std::vector<double>> min; // min[k][b]; NaN when bucket b holds no value of key k
    std::vector<std::vector<double>> max; // max[k][b]; NaN likewise
};

enum class OpenMode {
    Record, // read and write; creates the file (and its folder) when missing
    Browse, // read only what is there; a missing file is Status::Missing
};

// How far each committed sample is safe. PowerSafe waits for the disk after every sample (one
// flush per poll, a few milliseconds on a slow disk); CrashSafe survives the program being killed
// but a power loss may take the samples since the log was last flushed.
enum class Durability { PowerSafe, CrashSafe };

enum class Status {
    Ok,
    Missing,      // Browse: there is no history file yet
    CannotCreate, // the folder or the file could not be made (not a folder, no permission, ...)
    NotOurs,      // not a SQLite file, or a SQLite file of another program: left untouched
    TooNew,       // written by a later version of this program: left untouched
    Damaged,      // ours, but it fails SQLite's checks: left untouched
    WriteFailed,  // a write failed; the recording stopped
    DiskFull,     // the disk (or the file's size limit) is full; the recording stopped
    ReadFailed,   // a query failed while reading
    NotOpen,      // used before a successful open(), or a write in Browse mode
};

enum class AppendResult {
    Stored,  // committed
    Failed,  // this sample could not be stored and the recording has stopped; say so once
    Stopped, // no recording is running (never started, stopped, or failed before): nothing done
};

struct StoreState; // what a Store keeps between calls

class Store {
  public:
    Store();
    ~Store();
    Store(const Store&) = delete;
    Store& operator=(const Store&) = delete;

    // "history.db" in the given folder (the folder the user keeps data in, by default "data").
    static QString filePathIn(const QString& folder);

    // Opens the file, checking first that it is ours and intact. On false, status() and
    // errorString() tell why, and the file is exactly as it was. Record also runs SQLite's quick
    // check before anything is written (it reads the whole file once); Browse checks the header and
    // the schema only, and damage that a later query meets is reported as Status::Damaged.
    bool open(const QString& filePath, OpenMode mode, Durability durability = Durability::PowerSafe);
    void close();
    bool isOpen() const;
    QString filePath() const;

    // How the last open, write or read went: Ok, or why it failed (errorString() says it to the user,
    // naming the file). A read that fails gives empty results and sets these.
    Status status() const;
    QString errorString() const;

    // Writing (OpenMode::Record). startRecording() writes the recording row; startedMs 0 means now.
    // append() stores one poll. An accepted reply whose type code differs from the recording's
    // (the instrument was exchanged) ends the recording and continues in a new one with that type.
    bool startRecording(const RecordingInfo& info);
    AppendResult append(const protocol::Sample& sample);
    void stopRecording();
    bool isRecording() const;
    qint64 recordingId() const; // of the running recording; 0 when none

    // What there is: instruments with at least one sample, and recordings (all, or one instrument's)
    // in the order they started.
    std::vector<Instrument> instruments();
    std::vector<RecordingSummary> recordings();
    std::vector<RecordingSummary> recordingsOf(const Instrument& instrument);
    // The readings an instrument's recordings have, in the order they were first seen.
    std::vector<ReadingInfo> readingsOf(const Instrument& instrument);

    // Samples of a selection in time order. The visitor returns false to stop early; forEachSample
    // returns false when a query failed (status() says why) or the visitor stopped it.
    qint64 countSamples(const Selection& selection);
    bool forEachSample(const Selection& selection, const std::function<bool(const StoredSample&)>& visit);
    Series readSeries(const Selection& selection);
    // bucketMs > 0; at most one bucket per sample, so any bucket width is safe.
    Buckets readBuckets(const Selection& selection, qint64 bucketMs);

    // The Qt SQL connection this Store uses, for tools and tests that need the raw connection.
    QString connectionName() const;

  private:
    std::unique_ptr<StoreState> m_impl;
};

} // namespace history
