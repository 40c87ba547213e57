#pragma once
// The simulator's command line.
#include "tools/sim/fault_logic.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace sim {

struct Instrument {
    int address = 0;       // 0 to 255
    int typeCode = 0;      // 00 to FF; codes outside the catalogue answer with no data fields
    int turnaroundMs = -1; // from the end of a request to the reply; -1: the bus's --delay
    bool operator==(const Instrument& o) const {
        return address == o.address && typeCode == o.typeCode && turnaroundMs == o.turnaroundMs;
    }
};

struct SimOptions {
    QString port; // empty: a pseudo-terminal
    int baud = 9600;
    QList<Instrument> instruments;
    bool fixed = false;
    int delayMs = 20;        // turnaround of every instrument that names none of its own
    bool halfDuplex = false; // requests and replies share one pair of wires
    Faults faults;
    std::optional<quint32> seed;
    bool verbose = false;
};

// One instrument of each catalogue type, at addresses 1 to 18 in catalogue order.
QList<Instrument> defaultInstruments();

// The turnaround of `instrument` on a bus with these options.
inline int turnaroundOf(const Instrument& instrument, const SimOptions& options) {
    return instrument.turnaroundMs >= 0 ? instrument.turnaroundMs : options.delayMs;
}

// "ADDR:CODE[:TURNAROUND_MS]", ADDR decimal 0 to 255, CODE two hexadecimal digits, the turnaround
// decimal 0 to 10000.
std::optional<Instrument> parseInstrument(const QString& text);

struct ParseResult {
    std::optional<SimOptions> options; // nothing when the command line is wrong or asks for help
    QString error;                     // why it is wrong
    QString help;                      // the help text, when --help was given
};

// `arguments` includes the program name first, as QCoreApplication::arguments() gives it.
ParseResult parseOptions(const QStringList& arguments);

} // namespace sim
