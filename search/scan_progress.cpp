#include "search/scan_progress.h"

namespace scanprogress {

qint64 estimateLeftMs(const Progress& p) {
    if (p.done <= 0 || p.total <= 0) return -1;
    const int left = qMax(0, p.total - p.done);
    // Whole addresses at the mean pace: the rounding error stays below one slot.
    return p.elapsedMs * left / p.done + p.extraLeftMs;
}

QString clockText(qint64 ms) {
    if (ms < 0) return QStringLiteral("--:--");
    const qint64 seconds = (ms + 500) / 1000;
    const qint64 h = seconds / 3600;
    const qint64 m = seconds / 60 % 60;
    const qint64 s = seconds % 60;
    const QString mmss =
        QStringLiteral("%1:%2")
            .arg(h > 0 ? QStringLiteral("%1").arg(m, 2, 10, QLatin1Char('0')) : QString::number(m))
            .arg(s, 2, 10, QLatin1Char('0'));
    return h > 0 ? QStringLiteral("%1:%2").arg(h).arg(mmss) : mmss;
}

QString lineText(const Progress& p) {
    return QStringLiteral("%1/%2 addresses, %3 found, %4 elapsed, about %5 left")
        .arg(p.done)
        .arg(p.total)
        .arg(p.found)
        .arg(clockText(p.elapsedMs))
        .arg(clockText(estimateLeftMs(p)));
}

} // namespace scanprogress
