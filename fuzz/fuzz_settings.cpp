// The link settings file reader on arbitrary file contents. Whatever it accepts must be settings
// the port can take, and must survive being written and read back unchanged; settings given with a
// problem have kept the port and fallen back to 9600.
#include "link/settings_file.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray content(reinterpret_cast<const char*>(data), static_cast<int>(size));
    const serial::ReadResult read = serial::parseSettings(content);
    if (!read.settings) {
        // A refusal always says why, for the operator.
        if (read.problem.isEmpty()) std::abort();
        return 0;
    }
    const serial::LinkSettings& s = *read.settings;
    const int rate = serial::rateOf(s.settings);
    if (s.portNumber < 1 || !serial::acceptedRates().contains(rate)) std::abort();
    if (!read.problem.isEmpty() && rate != 9600) std::abort();
    if (!s.settings.endsWith(QStringLiteral(",n,8,1"))) std::abort();

    const serial::ReadResult again = serial::parseSettings(serial::formatSettings(s));
    if (!again.settings || again.settings->portNumber != s.portNumber ||
        serial::rateOf(again.settings->settings) != rate)
        std::abort();
    return 0;
}
