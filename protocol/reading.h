#pragma once
// The instrument's data as named numbers: what a view decodes from a reply besides the captions it
// writes. Trends, history, CSV, the command line and MQTT work on these and never parse captions.
#include <QString>
#include <vector>

namespace protocol {

struct Reading {
    QString key;      // stable ASCII key: "PV", "SV", "AL1", "CH01", "UA", "TOTAL"
    QString label;    // the Chinese label the panel uses for it
    QString unit;     // empty where the panel shows none
    int decimals = 0; // decimals the panel writes it with
    double value = 0; // before any display rounding; flags are 0 or 1
};

using Readings = std::vector<Reading>;

// One poll of one instrument: the readings of an accepted reply, or the verdict why there were none.
struct Sample {
    qint64 epochMs = 0; // when the request went out, milliseconds since the epoch
    int address = -1;
    int typeCode = -1; // -1 when no reply was accepted
    QString model;     // catalogue model name; empty for an unlisted code
    Readings readings; // empty when no reply was accepted
    QString verdict;   // empty when accepted; otherwise "no reply", "bad check", ...
    bool accepted() const { return verdict.isEmpty(); }
};

} // namespace protocol
