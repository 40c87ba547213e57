#pragma once
// The last readings of every instrument diagnosed in this run, kept as the diagnosis window polls,
// for the commissioning report.
#include "protocol/reading.h"
#include "search/instrument.h"

#include <QDateTime>
#include <map>
#include <vector>

namespace report {

struct InstrumentReadings {
    Instrument instrument;
    QDateTime readAt;
    protocol::Readings readings;
};

class LastReadings {
public:
    // Replaces what was kept for the instrument's address. Empty readings (no reply accepted yet)
    // keep the earlier ones.
    void record(const Instrument& instrument, const protocol::Readings& readings, const QDateTime& at);
    // By address, lowest first.
    std::vector<InstrumentReadings> all() const;
    bool isEmpty() const { return m_byAddress.empty(); }
    void clear() { m_byAddress.clear(); }

private:
    std::map<int, InstrumentReadings> m_byAddress;
};

} // namespace report
