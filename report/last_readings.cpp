#include "report/last_readings.h"

namespace report {

void LastReadings::record(const Instrument& instrument, const protocol::Readings& readings,
                          const QDateTime& at) {
    if (readings.empty()) return;
    m_byAddress[instrument.address] = InstrumentReadings{instrument, at, readings};
}

std::vector<InstrumentReadings> LastReadings::all() const {
    std::vector<InstrumentReadings> out;
    out.reserve(m_byAddress.size());
    for (const auto& entry : m_byAddress)
        out.push_back(entry.second);
    return out;
}

} // namespace report
