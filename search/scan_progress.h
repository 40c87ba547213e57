#pragma once
// How far a scan has come, as the search window and the command line show it.
#include <QString>
#include <QtGlobal>

namespace scanprogress {

struct Progress {
    int done = 0;           // addresses whose slot is over
    int total = 0;          // addresses in the range
    int found = 0;          // instruments listed
    qint64 elapsedMs = 0;   // since the scan started
    qint64 extraLeftMs = 0; // known work beyond the range (a fast scan's second look)
};

// The time the rest of the range will take at the pace so far, plus the known extra; -1 while
// no address is done (nothing to go by).
qint64 estimateLeftMs(const Progress& progress);

// "0:07", "5:36", "1:02:03"; "--:--" for an unknown (negative) time.
QString clockText(qint64 ms);

// One line for a terminal: "37/247 addresses, 5 found, 0:03 elapsed, about 0:17 left".
QString lineText(const Progress& progress);

} // namespace scanprogress
