// The window layouts of the LCD-series models: black lines of text on the LCD front; the recorder
// and the PID controller add a row of three lamps under their lines.
#include "views/multi/lcd_lines.h"
#include "views/multi/multi_views.h"

namespace views {

void layoutPaperlessRecorder(panel::PanelModel& panel) {
    constexpr int tops[] = {2130, 2610, 3090};
    for (int k = 0; k < 3; ++k)
        lcd::styleLine(panel.label1[lcd::kLines[k]], 22, 1770, tops[k]);
    lcd::showLamps(panel, 3660);
}

void layoutLcdPid(panel::PanelModel& panel) {
    lcd::styleLine(panel.label1[0], 20, 1700, 2250);
    lcd::styleLine(panel.label1[1], 20, 1700, 2760);
    lcd::showLamps(panel, 3560);
}

void layoutTotalizerRecorder(panel::PanelModel& panel) {
    constexpr int tops[] = {2220, 2640, 3060, 3480};
    for (int k = 0; k < 4; ++k)
        lcd::styleLine(panel.label1[lcd::kLines[k]], 16, 1770, tops[k]);
}

void layoutLcdScanner(panel::PanelModel& panel) {
    for (int i = 0; i < 8; ++i)
        lcd::styleLine(panel.label1[i], 14, 1520, 2100 + 220 * i);
}

} // namespace views
