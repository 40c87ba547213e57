#pragma once
// Polls of a made-up instrument, the same in every process that asks: the tests, the writer that is
// killed mid-write, and the benchmarks.
#include "history/store.h"
#include "protocol/reading.h"

#include <QString>
#include <cmath>

namespace historytest {

inline constexpr qint64 kWeekStartMs = 1796709785120; // 2026-12-08T06:03:05.120Z
inline constexpr int kEveryNthFails = 37;

inline history::RecordingInfo lineOf(int address = 1, int typeCode = 10, const QString& model = "AI-708") {
    history::RecordingInfo info;
    info.port = QStringLiteral("COM1");
    info.baudRate = 9600;
    info.address = address;
    info.typeCode = typeCode;
    info.model = model;
    info.intervalMs = 2000;
    info.startedMs = kWeekStartMs;
    return info;
}

// Reading k of poll i as the instrument decoded it (single precision, as the views give it).
inline double valueOf(qint64 i, int k) {
    return double(float(std::sin(double(i) / 97.0 + k) * 100.0 + k));
}

// Poll i every intervalMs: readingCount readings "CH01", "CH02", …, and no accepted reply on
// every 37th poll.
inline protocol::Sample pollOf(qint64 i, int readingCount = 16, qint64 startMs = kWeekStartMs,
                               int intervalMs = 2000) {
    protocol::Sample sample;
    sample.epochMs = startMs + i * intervalMs;
    sample.address = 1;
    if (i % kEveryNthFails == kEveryNthFails - 1) {
        sample.verdict = QStringLiteral("no reply");
        return sample;
    }
    sample.typeCode = 10;
    sample.model = QStringLiteral("AI-708");
    static const QString units[] = {QStringLiteral("℃"), QStringLiteral("%"), QString(),
                                    QStringLiteral("m³/h")};
    for (int k = 0; k < readingCount; ++k) {
        protocol::Reading reading;
        reading.key = QStringLiteral("CH%1").arg(k + 1, 2, 10, QLatin1Char('0'));
        reading.label = QStringLiteral("通道%1").arg(k + 1);
        reading.unit = units[k % 4];
        reading.decimals = 1;
        reading.value = valueOf(i, k);
        sample.readings.push_back(reading);
    }
    return sample;
}

// Every sample of `instrument`, all keys, over all time.
inline history::Selection everything(const history::Instrument& instrument) {
    history::Selection selection;
    selection.instrument = instrument;
    return selection;
}

} // namespace historytest
