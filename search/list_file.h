#pragma once
// The instrument list as a CSV file that spreadsheet programs open: UTF-8 with a byte-order mark,
// a header row, one instrument a line. Reading checks the whole file before anything is returned,
// so a damaged file never reaches the list.
#include "search/instrument.h"

#include <QString>
#include <vector>

namespace listfile {

// The file's text for these instruments.
QByteArray write(const std::vector<Instrument>& instruments);

struct ReadResult {
    std::vector<Instrument> instruments;
    QString problem; // empty when the file was a whole instrument list
    bool ok() const { return problem.isEmpty(); }
};
// The instruments of a file's text; on any fault, none and why (with the line number).
ReadResult read(const QByteArray& content);

// Saves through a temporary file, so a failed save leaves an earlier file whole. Returns the
// problem, empty on success.
QString save(const QString& path, const std::vector<Instrument>& instruments);
ReadResult load(const QString& path);

} // namespace listfile

class InstrumentList;
namespace listfile {
// The filled rows of the list, in order.
std::vector<Instrument> instrumentsOf(const InstrumentList& list);
// Replaces the list's rows with these, as a scan would have left them; the first row is current.
void fill(InstrumentList& list, const std::vector<Instrument>& instruments);
} // namespace listfile
