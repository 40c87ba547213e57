#pragma once
// Which readings a type of instrument gives: key, label, unit and decimals of each, in a fixed
// order, with a line on what it means. A view fills the values of one reply into a copy of its
// table's blank readings, so the keys and their order never depend on the reply.
#include "protocol/reading.h"

#include <QString>
#include <initializer_list>
#include <vector>

namespace views {

// Decimals that the reply itself gives (the fixed-point fields): what the panel writes the value
// with when the reply's count selects a pattern, otherwise the reply's count (at most 6).
constexpr int kDecimalsFromReply = -1;

struct ReadingRow {
    QString key;   // ASCII, stable: what files, topics and scripts name the quantity by
    QString label; // the caption the panel uses for it, or the plain Chinese name where it uses none
    QString unit;  // only where the panel shows one
    int decimals = 0;
    QString meaning; // one line for the readings table of the documentation
};

class ReadingTable {
public:
    explicit ReadingTable(std::vector<ReadingRow> rows);

    const std::vector<ReadingRow>& rows() const { return m_rows; }

    // `readings` as this table's keys in order, every value 0 and reply decimals 0. The texts are
    // shared with the table, so this copies numbers and counts references, and allocates nothing
    // when `readings` has room.
    void reset(protocol::Readings& readings) const;

private:
    std::vector<ReadingRow> m_rows;
    protocol::Readings m_blank;
};

// Rows of several runs, one after the other.
std::vector<ReadingRow> joined(std::initializer_list<std::vector<ReadingRow>> parts);

// Builders for the rows that come in numbered runs.
// "AL1" .. "ALn", labelled "报警1" ..: 1 while the view lights the lamp, else 0.
std::vector<ReadingRow> alarmRows(int count, const QString& meaning);
// "CH01" .. "CHnn", labelled `labelPattern` with %1 the channel number as `labelDigits` digits.
std::vector<ReadingRow> channelRows(int count, const QString& labelPattern, int labelDigits, int decimals,
                                    const QString& meaning);

// The decimals of a fixed-point value: its display decimals when they select a pattern, otherwise
// the same count kept to what a single-precision value can carry.
int replyDecimals(int displayDecimals);

// A flag reading: 1 or 0.
inline void setFlag(protocol::Reading& reading, bool on) {
    reading.value = on ? 1.0 : 0.0;
}

} // namespace views
