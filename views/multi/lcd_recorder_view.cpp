// The LCD three-channel paperless recorder: three channel lines and their lamps.
#include "views/multi/lcd_lines.h"
#include "views/multi/multi_views.h"

namespace views {

void ShowLCDR(const QByteArray& ntemp, panel::PanelModel& panel, qint16& /*tn*/) {
    lcd::applyLamps(panel, ntemp, 34);
    lcd::writeChannelLines(panel, ntemp, 10, 3);
}

} // namespace views
