#pragma once
// The shape of every view routine and layout. A view reads the checked reply line `ntemp` (from its
// "@" through its CR) and writes the panel; paging views count their calls in `tn`, the diagnosis
// window's page counter. A layout prepares the panel once when the window opens.
#include "diagnosis/panel/panel_model.h"

#include <QByteArray>

namespace views {

using ViewRoutine = void (*)(const QByteArray& ntemp, panel::PanelModel& panel, qint16& tn);
using Layout = void (*)(panel::PanelModel& panel);

} // namespace views
