#pragma once
// The fixed table of instrument types: type code -> model name, view routine and picture.
#include <QString>
#include <vector>

namespace protocol {

struct CatalogueEntry {
    int code;          // type code, characters 8-9 of a reply
    QString modelName; // what the instrument list shows
    QString view;      // name of the view routine, e.g. "ShowDX"
    QString picture;   // relative to the program's directory, e.g. "picture/C80.BMP"
};

// All 18 entries, in code order.
const std::vector<CatalogueEntry>& catalogue();

// Exact lookups; nullptr for an unlisted code or name.
const CatalogueEntry* entryForCode(int code);
const CatalogueEntry* entryForModel(const QString& modelName);

// Convenience: empty text when nothing is listed.
QString modelNameOf(int code);
QString viewOf(int code);
QString pictureOfModel(const QString& modelName);

// The 13 view routine names in the order the diagnosis window declares them.
const QStringList& viewRoutineNames();

} // namespace protocol
