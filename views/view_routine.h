#pragma once
// The shape of every view routine and layout. A view reads the checked reply line `ntemp` (from its
// "@" through its CR), writes the panel, and gives the reply's readings: every quantity and flag
// it decodes, whether or not the panel shows it at this call, under the keys of its type's reading
// table. Paging views count their calls in `tn`, the diagnosis window's page counter. A layout
// prepares the panel once when the window opens.
#include "diagnosis/panel/panel_model.h"
#include "protocol/reading.h"

#include <QByteArray>

namespace views {

using ViewRoutine = void (*)(const QByteArray& ntemp, panel::PanelModel& panel, qint16& tn,
                             protocol::Readings& readings);
using Layout = void (*)(panel::PanelModel& panel);

} // namespace views
