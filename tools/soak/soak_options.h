#pragma once
// The soak's command line.
#include <QString>
#include <QStringList>
#include <optional>

namespace soak {

struct SoakOptions {
    double minutes = 30;
    int firstAddress = 1;
    int lastAddress = 20;
    int pollsPerInstrument = 5; // read requests per diagnosis window opening
    QString simulator;          // empty: commtest-sim beside this program
    // The line the simulator plays: a noisy half-duplex bus at 19200 baud with one instrument
    // (address 7) that answers once and then falls silent.
    QStringList simulatorArguments = {"--pty", "--baud", "19200", "--echo",    "--noise",  "--corrupt",
                                      "10",    "--drop", "10",    "--garbage", "--silent", "7"};
    double allowedMemoryGrowthPercent = 5;
};

struct OptionsResult {
    std::optional<SoakOptions> options; // nothing on an error or after --help
    QString message;                    // the error, or the help text
    bool help = false;
};

// `arguments` starts with the program name. Everything after "--" replaces the simulator's
// arguments.
OptionsResult parseOptions(const QStringList& arguments);

} // namespace soak
