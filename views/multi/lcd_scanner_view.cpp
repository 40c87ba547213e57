// The LCD multi-channel scanner: sixteen channels, two to a line, as whole numbers of fixed width.
#include "protocol/number_format.h"
#include "views/multi/lcd_captions.h"
#include "views/multi/lcd_lines.h"
#include "views/multi/multi_views.h"
#include "views/reading_table.h"

namespace views {

namespace {

constexpr int kChannels = 16;

// Four characters for both signs below the pattern's limits: "0000" for 0 and up, "-000" below.
QString scannerValue(float value) {
    return protocol::formatNumber(value, 0, value >= 0 ? 4 : 3);
}

QString scannerChannel(int number, float value) {
    return captions::kChannelTag + protocol::formatNumber(number, 0, 2) + captions::kGap +
           scannerValue(value);
}

} // namespace

const ReadingTable& lcdScannerReadings() {
    static const ReadingTable table(channelSpecs(kChannels, captions::kChannelTag + QStringLiteral("%1"), 2,
                                                 0, QStringLiteral("channel %1, shown as a whole number")));
    return table;
}

void ShowLCDDuo(const QByteArray& ntemp, panel::PanelModel& panel, qint16& /*tn*/,
                protocol::Readings& readings) {
    lcdScannerReadings().reset(readings);
    const auto values = lcd::floatsFrom<kChannels>(ntemp, 10);
    lcd::readValues(&readings[0], values.data(), kChannels);
    for (int i = 0; i < 8; ++i) {
        panel.label1[i].caption = scannerChannel(2 * i + 1, values[2 * i]) + captions::kGap +
                                  scannerChannel(2 * i + 2, values[2 * i + 1]);
    }
}

} // namespace views
