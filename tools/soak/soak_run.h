#pragma once
// One soak: rounds of a scan followed by a diagnosis window for every instrument found, all with
// the program's own windows, timers and poll logic, over the real serial link to the simulator,
// until the time is up.
#include "tools/soak/soak_options.h"
#include "tools/soak/soak_report.h"

namespace soak {

// Runs the whole soak inside the application's event loop (the windows are modal). Needs a
// QApplication.
SoakReport runSoak(const SoakOptions& options, const QString& programDir);

} // namespace soak
