#include "tools/soak/soak_report.h"

#include <algorithm>

namespace soak {

namespace {

QString megabytes(qint64 bytes) {
    return bytes < 0 ? QStringLiteral("unknown") : QString::number(bytes / (1024.0 * 1024.0), 'f', 1) + " MB";
}

QString percentOf(int part, int whole) {
    return whole > 0 ? QString::number(100.0 * part / whole, 'f', 1) + " %" : QStringLiteral("-");
}

} // namespace

double memoryGrowthPercent(const SoakReport& r) {
    if (r.residentAfterFirstRound <= 0 || r.residentAtEnd < 0) return 0;
    return 100.0 * static_cast<double>(r.residentAtEnd - r.residentAfterFirstRound) /
           r.residentAfterFirstRound;
}

QStringList failures(const SoakReport& r, double allowedGrowthPercent) {
    QStringList out;
    if (r.simulatorEnds > 0) out << QStringLiteral("the simulator ended %1 time(s)").arg(r.simulatorEnds);
    if (r.portsLost > 0) out << QStringLiteral("the port was lost %1 time(s)").arg(r.portsLost);
    if (r.failedOpens > 0) out << QStringLiteral("the port failed to open %1 time(s)").arg(r.failedOpens);
    if (!r.messages.isEmpty())
        out << QStringLiteral("the windows showed %1 message(s)").arg(r.messages.size());
    if (r.accepted == 0)
        out << QStringLiteral("no reply was accepted");
    else if (r.viewCalls == 0)
        out << QStringLiteral("no reply reached a view");
    const double growth = memoryGrowthPercent(r);
    if (growth > allowedGrowthPercent)
        out << QStringLiteral("resident memory grew %1 % (allowed %2 %)")
                   .arg(QString::number(growth, 'f', 1), QString::number(allowedGrowthPercent));
    return out;
}

QString formatReport(const SoakReport& r, double allowedGrowthPercent) {
    QStringList found;
    for (int n : r.foundPerScan)
        found << QString::number(n);
    const auto [fewest, most] =
        r.foundPerScan.isEmpty() ? std::pair{0, 0}
                                 : std::pair{*std::min_element(r.foundPerScan.begin(), r.foundPerScan.end()),
                                             *std::max_element(r.foundPerScan.begin(), r.foundPerScan.end())};
    const QStringList why = failures(r, allowedGrowthPercent);
    QStringList lines;
    lines
        << QStringLiteral("duration: %1 min").arg(r.minutes, 0, 'f', 1)
        << QStringLiteral("rounds: %1 (scans %2, diagnosis openings %3)")
               .arg(r.rounds)
               .arg(r.scans)
               .arg(r.diagnosisOpenings)
        << QStringLiteral("instruments found per scan: %1 to %2 (%3)")
               .arg(fewest)
               .arg(most)
               .arg(found.join(u' '))
        << QStringLiteral("requests sent: %1").arg(r.requests)
        << QStringLiteral("replies accepted: %1 (%2)").arg(r.accepted).arg(percentOf(r.accepted, r.requests))
        << QStringLiteral("replies rejected: %1 (%2)").arg(r.rejected).arg(percentOf(r.rejected, r.requests))
        << QStringLiteral("no complete reply: %1 (%2)")
               .arg(r.unanswered)
               .arg(percentOf(r.unanswered, r.requests))
        << QStringLiteral("view calls: %1").arg(r.viewCalls)
        << QStringLiteral("bytes received: %1").arg(r.bytesReceived)
        << QStringLiteral("resident memory: launch %1, after first round %2, end %3, peak %4, change %5 %")
               .arg(megabytes(r.residentAtLaunch), megabytes(r.residentAfterFirstRound),
                    megabytes(r.residentAtEnd), megabytes(r.residentPeak),
                    QString::number(memoryGrowthPercent(r), 'f', 1))
        << QStringLiteral("simulator ended unexpectedly: %1").arg(r.simulatorEnds)
        << QStringLiteral("port lost: %1, failed opens: %2, messages shown: %3")
               .arg(r.portsLost)
               .arg(r.failedOpens)
               .arg(r.messages.size());
    for (const QString& m : r.messages)
        lines << QStringLiteral("  message: ") + m;
    lines << (why.isEmpty() ? QStringLiteral("result: PASS")
                            : QStringLiteral("result: FAIL: ") + why.join(QStringLiteral("; ")));
    return lines.join(u'\n') + u'\n';
}

} // namespace soak
