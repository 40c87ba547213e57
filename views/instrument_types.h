#pragma once
// The one table of instrument types. A reply's type code (characters 8-9) gives the model name
// that the instrument list shows, the front picture and layout of the diagnosis window, the view
// routine that decodes the reply, and the readings that routine gives.
#include "views/view_routine.h"

#include <QString>
#include <vector>

namespace views {

class ReadingTable;

struct InstrumentType {
    int code;
    QString model;    // as the instrument list shows it; the layout is chosen by this text
    QString picture;  // front picture, relative to the program's directory
    QString viewName; // the routine's name, as commtest-decode reports it ("ShowDX")
    ViewRoutine view;
    Layout layout;
    const ReadingTable& (*readings)();
};

// All 18 types, in code order.
const std::vector<InstrumentType>& instrumentTypes();

// Exact lookups, by number and by the whole model name; nullptr when the type is not listed.
const InstrumentType* typeForCode(int code);
const InstrumentType* typeForModel(const QString& model);

// The model name of a code; empty for an unlisted code.
QString modelNameOf(int code);

// The routine for a reply's type code, or nullptr for an unlisted code.
ViewRoutine viewForCode(int code);

// Lays the panel out for a model name: the type's picture into Image1, then its labels and lamps
// placed. Returns false, leaving the panel untouched, for a name the table lacks.
bool layoutForModel(const QString& model, panel::PanelModel& panel);

} // namespace views
