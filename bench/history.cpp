// The history store and its CSV export on a 16-reading instrument: the cost of recording one poll
// (flushed to disk after each poll, and not), the bytes each reading value takes, and a generated
// week of 2-second polls (302,400) opened, read over several ranges and exported to CSV.
//
//   commtest-bench-history [--dir FOLDER (default: a temporary folder)] [--polls N (500)]
//                          [--week FILE (reuse or keep the generated week)]
#include "history/csv_export.h"
#include "history/recorder.h"
#include "history/store.h"
#include "tests/history/polls.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

using namespace history;

namespace {

constexpr int kReadings = 16;
constexpr qint64 kWeekPolls = 7 * 24 * 3600 / 2;
constexpr qint64 kDayMs = 24 * 3600 * 1000;

double cpuMs() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval& t) { return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

double percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[size_t(double(values.size() - 1) * p)];
}

[[noreturn]] void die(const QString& what) {
    std::fprintf(stderr, "%s\n", qPrintable(what));
    std::exit(1);
}

// Appends polls one by one, each its own transaction, and times every append.
void recordPolls(const QString& path, Durability durability, qint64 count, std::vector<double>* wallMs,
                 double* cpuPerPollMs) {
    Store store;
    if (!store.open(path, OpenMode::Record, durability) || !store.startRecording(historytest::lineOf()))
        die(store.errorString());
    const double cpu0 = cpuMs();
    QElapsedTimer timer;
    for (qint64 i = 0; i < count; ++i) {
        const protocol::Sample poll = historytest::pollOf(i, kReadings);
        timer.start();
        if (store.append(poll) != AppendResult::Stored) die(store.errorString());
        if (wallMs) wallMs->push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    *cpuPerPollMs = (cpuMs() - cpu0) / double(count);
}

void reportRecording(const char* name, const QString& path, Durability durability, int polls) {
    std::vector<double> wall;
    double cpu = 0;
    recordPolls(path, durability, polls, &wall, &cpu);
    std::printf("record one poll, %-22s median %.3f ms, 95th %.3f ms, CPU %.3f ms  (%d polls)\n", name,
                median(wall), percentile(wall, 0.95), cpu, polls);
}

// The poller's side of recording: each poll queued to the recorder's thread, which commits it
// flushed. Polls are queued one per `spacingMs` as a poller would, so the worker is not swamped.
void reportRecorder(const QString& path, int polls, int spacingMs) {
    Recorder recorder(Durability::PowerSafe);
    recorder.start(path, historytest::lineOf());
    recorder.flush();
    std::vector<double> wall;
    QElapsedTimer timer;
    QElapsedTimer whole;
    whole.start();
    for (qint64 i = 0; i < polls; ++i) {
        const protocol::Sample poll = historytest::pollOf(i, kReadings);
        timer.start();
        recorder.record(poll);
        wall.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (spacingMs > 0) QThread::msleep(ulong(spacingMs));
    }
    recorder.flush();
    const double allMs = double(whole.nsecsElapsed()) / 1e6;
    QCoreApplication::processEvents(); // the worker's reports
    if (!recorder.isRecording()) die(QStringLiteral("the recorder stopped"));
    recorder.stop();
    recorder.flush();
    Store check;
    if (!check.open(path, OpenMode::Browse)) die(check.errorString());
    const qint64 stored = check.countSamples(historytest::everything({1, 10, QStringLiteral("AI-708")}));
    std::printf("queue one poll to the recorder (flushed on its thread): median %.4f ms, 95th %.4f ms, "
                "max %.3f ms; %lld of %d polls committed, all in %.0f ms\n",
                median(wall), percentile(wall, 0.95), *std::max_element(wall.begin(), wall.end()), stored,
                polls, allMs);
}

// Wall-clock and CPU milliseconds of some work: on a shared machine the CPU time is the steadier one.
struct Timing {
    double wallMs = 0;
    double cpuMs = 0;
};

template <typename F> Timing timed(F&& work) {
    const double cpu0 = cpuMs();
    QElapsedTimer timer;
    timer.start();
    work();
    return {double(timer.nsecsElapsed()) / 1e6, cpuMs() - cpu0};
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const auto option = [&](const char* name) {
        const int at = args.indexOf(QLatin1String(name));
        return at >= 0 ? args.value(at + 1) : QString();
    };
    QTemporaryDir scratch(option("--dir").isEmpty() ? QDir::tempPath() + "/commtest-bench-XXXXXX"
                                                    : option("--dir") + "/commtest-bench-XXXXXX");
    if (!scratch.isValid())
        die(QStringLiteral("cannot make a folder for the benchmark: ") + scratch.errorString());
    const int polls = option("--polls").isEmpty() ? 500 : option("--polls").toInt();

    reportRecording("flushed (PowerSafe):", scratch.filePath("power.db"), Durability::PowerSafe, polls);
    reportRecording("not flushed (CrashSafe):", scratch.filePath("crash.db"), Durability::CrashSafe, polls);
    reportRecorder(scratch.filePath("recorder.db"), polls, 10);

    // The week: generated once (or reused), then closed so that its log is folded into the file.
    QString week = option("--week");
    if (week.isEmpty()) week = scratch.filePath("week.db");
    if (!QFileInfo::exists(week)) {
        double cpu = 0;
        const Timing t = timed([&] { recordPolls(week, Durability::CrashSafe, kWeekPolls, nullptr, &cpu); });
        std::printf("generate a week (not flushed): %lld polls in %.1f s (%.3f ms/poll, CPU %.3f ms/poll)\n",
                    kWeekPolls, t.wallMs / 1e3, t.wallMs / double(kWeekPolls), cpu);
    }
    const qint64 failed = kWeekPolls / historytest::kEveryNthFails;
    const qint64 values = (kWeekPolls - failed) * kReadings;
    const qint64 bytes = QFileInfo(week).size();
    std::printf("file size of the week: %.1f MB, %.2f bytes per reading value (%lld values; %lld polls "
                "without a reply)\n",
                double(bytes) / 1e6, double(bytes) / double(values), values, failed);

    // Times below: wall-clock ms (CPU ms).
    Store store;
    std::vector<Instrument> instruments;
    std::vector<RecordingSummary> recordings;
    const Timing open = timed([&] {
        if (!store.open(week, OpenMode::Browse)) die(store.errorString());
        instruments = store.instruments();
        recordings = store.recordings();
    });
    if (instruments.size() != 1 || recordings.size() != 1 || recordings[0].sampleCount != kWeekPolls)
        die(QStringLiteral("the week is not what was generated"));
    std::printf("open to browse, list instruments and ranges: %.0f (%.0f) ms\n", open.wallMs, open.cpuMs);
    {
        Store recorder;
        const Timing t = timed([&] {
            if (!recorder.open(week, OpenMode::Record)) die(recorder.errorString());
        });
        std::printf("open to record (quick check included): %.0f (%.0f) ms\n", t.wallMs, t.cpuMs);
    }

    const Instrument instrument = instruments[0];
    const qint64 first = recordings[0].firstMs;
    const qint64 last = recordings[0].lastMs;
    struct Range {
        const char* name;
        qint64 from;
        qint64 to;
    };
    const Range ranges[] = {{"whole week", first, last},
                            {"one day", first + 3 * kDayMs, first + 4 * kDayMs},
                            {"one hour", first + 5 * kDayMs, first + 5 * kDayMs + kDayMs / 24}};
    constexpr int kColumns = 1920; // pixel columns of a wide chart
    for (const Range& range : ranges) {
        const Selection all{instrument, range.from, range.to, {}};
        Buckets buckets;
        const Timing b = timed([&] {
            buckets = store.readBuckets(all, std::max<qint64>(1, (range.to - range.from) / kColumns));
        });
        Series one;
        const Timing s1 = timed([&] {
            one = store.readSeries({instrument, range.from, range.to, {"CH01"}});
        });
        Series every;
        const Timing s16 = timed([&] { every = store.readSeries(all); });
        std::printf("%-10s %6zu polls: min/max of 16 readings in %zu buckets %.0f (%.0f) ms; series of 1 "
                    "reading %.0f (%.0f) ms, of 16 readings %.0f (%.0f) ms\n",
                    range.name, every.timesMs.size(), buckets.startsMs.size(), b.wallMs, b.cpuMs, s1.wallMs,
                    s1.cpuMs, s16.wallMs, s16.cpuMs);
    }

    const QString csv = scratch.filePath("week.csv");
    ExportResult result;
    const Timing t = timed([&] {
        result = exportCsv(store, {instrument, first, last, {}}, csv, [](qint64, qint64) { return true; });
    });
    if (!result.ok) die(result.error);
    std::printf("CSV export of the week, 16 readings: %lld rows, %.1f MB in %.2f (%.2f) s\n", result.rows,
                double(QFileInfo(csv).size()) / 1e6, t.wallMs / 1e3, t.cpuMs / 1e3);
    return 0;
}
