// The LCD multi-channel scanner: sixteen channels, two to a line, as whole numbers of fixed width.
#include "protocol/number_format.h"
#include "views/multi/lcd_captions.h"
#include "views/multi/lcd_lines.h"
#include "views/multi/multi_views.h"

namespace views {

namespace {

// Four characters for both signs below the pattern's limits: "0000" for 0 and up, "-000" below.
QString scannerValue(float value) {
    return protocol::formatNumber(value, 0, value >= 0 ? 4 : 3);
}

QString scannerChannel(int number, float value) {
    return captions::kChannelTag + protocol::formatNumber(number, 0, 2) + captions::kGap +
           scannerValue(value);
}

} // namespace

void ShowLCDDuo(const QByteArray& ntemp, panel::PanelModel& panel, qint16& /*tn*/) {
    const auto values = lcd::floatsFrom<16>(ntemp, 10);
    for (int i = 0; i < 8; ++i) {
        panel.label1[i].caption = scannerChannel(2 * i + 1, values[2 * i]) + captions::kGap +
                                  scannerChannel(2 * i + 2, values[2 * i + 1]);
    }
}

} // namespace views
