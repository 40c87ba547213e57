#pragma once
// Ties the catalogue's names to code: view routine by name (and so by type code), layout by model
// name.
#include "views/view_routine.h"

#include <QString>

namespace views {

// The routine called `name` ("ShowDX"), or nullptr.
ViewRoutine viewRoutine(const QString& name);

// The routine for a reply's type code, or nullptr for an unlisted code.
ViewRoutine viewForCode(int typeCode);

// Lays the panel out for a catalogue model name: the family's picture into Image1 and its labels
// and lamps placed. Returns false, leaving the panel untouched, for a name the catalogue lacks.
bool layoutForModel(const QString& modelName, panel::PanelModel& panel);

} // namespace views
