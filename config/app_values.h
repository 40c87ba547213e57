#pragma once
// The application's own settings as plain values, with their bounds and defaults.
#include "link/port_names.h"

#include <QString>

namespace config {

// The fast scan's configured reply time-out: how long after a request ends it waits for the
// first byte of a reply. The default covers a slow instrument at the slowest rate: we plan for
// a turnaround of up to 300 ms (an instrument that finishes a display refresh before it answers),
// then at 600 baud the reply's first three characters ("@" and the address, 16.7 ms each) take
// 50 ms, and a USB adapter may hold received bytes for its 16 ms latency timer:
// 300 + 50 + 16 = 366 ms, rounded up to 400. The scan waits this long only until an instrument
// has answered and on its second look at doubtful addresses; otherwise it adapts to the line.
constexpr int kReplyTimeoutMinMs = 30;
constexpr int kReplyTimeoutMaxMs = 2000;
constexpr int kDefaultReplyTimeoutMs = 400;

// The diagnosis window's poll interval.
constexpr int kPollIntervalMinMs = 500;
constexpr int kPollIntervalMaxMs = 60000;
constexpr int kDefaultPollIntervalMs = 2000;

struct AppValues {
    int replyTimeoutMs = kDefaultReplyTimeoutMs;
    int pollIntervalMs = kDefaultPollIntervalMs;
    bool fastScan = false;             // the search dialog's "快速搜索" check box
    serial::PortMapping portMapping{}; // COM1 to COM4; automatic by default
    QString historyFolder;             // empty: the program's data folder
    QString language;                  // empty: follow the system

    bool operator==(const AppValues& o) const {
        return replyTimeoutMs == o.replyTimeoutMs && pollIntervalMs == o.pollIntervalMs &&
               fastScan == o.fastScan && portMapping == o.portMapping && historyFolder == o.historyFolder &&
               language == o.language;
    }
    bool operator!=(const AppValues& o) const { return !(*this == o); }
};

// The values with the numbers brought into their bounds.
AppValues bounded(AppValues values);

// A language name such as "zh_CN", "en" or "zh-Hant-TW"; empty text is valid too (follow the system).
bool isLanguageName(const QString& text);

} // namespace config
