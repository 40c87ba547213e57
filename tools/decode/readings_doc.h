#pragma once
// What commtest-decode tells about the readings of the instrument types: one type's keys as a
// listing, and every type's as the readings table of the documentation (docs/readings.md).
#include "views/instrument_types.h"

#include <QString>

#include <optional>

namespace decode {

// A type code as the user writes it: one or two hexadecimal digits as the reply carries them,
// with or without "0x" ("96", "0x96", "8a"). Nothing for any other text.
std::optional<int> parseTypeCode(const QString& text);

// One line per reading, tab-separated: key, label, unit, decimals ("reply" when the reply gives
// them); a header line first.
QString readingsListing(const views::InstrumentType& type);

// The readings table of every type, as Markdown.
QString readingsMarkdown();

} // namespace decode
