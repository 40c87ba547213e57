#pragma once
// What a soak run found, and whether it passes.
#include <QList>
#include <QString>
#include <QStringList>

namespace soak {

struct SoakReport {
    double minutes = 0;
    int rounds = 0;
    int scans = 0;
    int diagnosisOpenings = 0;
    QList<int> foundPerScan;
    int requests = 0;
    int accepted = 0;
    int rejected = 0;
    int unanswered = 0;
    qint64 viewCalls = 0;
    qint64 bytesReceived = 0;
    qint64 residentAtLaunch = -1;
    qint64 residentAfterFirstRound = -1; // the reference: everything is loaded and cached by then
    qint64 residentAtEnd = -1;
    qint64 residentPeak = -1;
    int simulatorEnds = 0;
    int portsLost = 0;
    int failedOpens = 0;
    QStringList messages; // what the windows would have shown the operator
};

// Growth from after the first round to the end, in percent of the former; 0 when either is unknown.
double memoryGrowthPercent(const SoakReport& report);

// Why the run fails; empty when it passes.
QStringList failures(const SoakReport& report, double allowedGrowthPercent);

// The report as printed: one "name: value" line each.
QString formatReport(const SoakReport& report, double allowedGrowthPercent);

} // namespace soak
