#pragma once
// The commissioning report as HTML that QTextDocument lays out: when, which port and rate, the
// instrument list, and the last readings of every instrument diagnosed in this run.
#include "report/last_readings.h"

#include <QString>

namespace report {

struct ReportContent {
    QDateTime printedAt;
    int portNumber = 1;
    int baudRate = 0;
    std::vector<Instrument> instruments;
    std::vector<InstrumentReadings> readings;
};

QString reportHtml(const ReportContent& content);

// A reading's value as the report writes it: with the decimals the panel uses.
QString readingText(const protocol::Reading& reading);

} // namespace report
