#pragma once
// The operator's lines about instruments that stop answering: one when an address goes quiet (or
// never answers), one when it answers again; nothing for the polls in between.
#include "mqtt/availability.h"

#include <QSet>
#include <QString>

namespace cli {

class AnswerReport {
public:
    // The same rule as the gateway's availability, so standard error and the status topics agree.
    explicit AnswerReport(int missesBeforeOffline) : m_availability(missesBeforeOffline) {}

    // The line to print for this sample, or empty text.
    QString update(const protocol::Sample& sample);

private:
    mqtt::Availability m_availability;
    QSet<int> m_answered;  // addresses that have answered at least once
    QSet<int> m_toldQuiet; // addresses reported as not answering, until they answer
};

} // namespace cli
