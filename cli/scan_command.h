#pragma once
// commtest-cli scan: the scan of an address range on the same engine as the search window, no
// windows. Prints every instrument found and the time the scan took.
#include "cli/cli_args.h"
#include "search/instrument.h"

#include <QList>
#include <QString>

class QTextStream;

namespace cli {

// Exit status of a scan.
inline constexpr int kScanFoundSome = 0;
inline constexpr int kScanFoundNone = 1;

// What was found, in the format asked for: a table with a closing line, JSON with the elapsed
// time, or CSV rows under a header (the elapsed time then goes to standard error).
QString formatScanResult(const QList<Instrument>& found, qint64 elapsedMs, Format format);

struct ScanIo {
    QTextStream& out;
    QTextStream& err;
    bool progress = false; // a progress line on `err` (it is a terminal)
};

// Runs the scan; port, rate and the fast scan's time-out come from the arguments or else from the
// settings files under `programDir`. Returns the exit status.
int runScan(const ScanArgs& args, const QString& programDir, ScanIo io);

} // namespace cli
