// The LCD three-channel paperless recorder: three channel lines and their lamps.
#include "views/multi/lcd_lines.h"
#include "views/multi/multi_views.h"
#include "views/reading_table.h"

namespace views {

namespace {
constexpr int kChannels = 3;
constexpr int kFirstValue = 10;
constexpr int kFirstStatus = 34;
} // namespace

const ReadingTable& paperlessRecorderReadings() {
    static const ReadingTable table(joined({
        channelRows(kChannels, QStringLiteral("%1路"), 1, 1, QStringLiteral("channel %1")),
        alarmRows(kChannels, QStringLiteral("alarm of channel %1: 1 while its lamp is lit (state 1 or 2)")),
    }));
    return table;
}

void ShowLCDR(const QByteArray& ntemp, panel::PanelModel& panel, qint16& /*tn*/,
              protocol::Readings& readings) {
    paperlessRecorderReadings().reset(readings);
    const auto values = lcd::floatsFrom<kChannels>(ntemp, kFirstValue);
    lcd::readValues(&readings[0], values.data(), kChannels);
    lcd::applyLamps(panel, ntemp, kFirstStatus, &readings[kChannels]);
    lcd::writeChannelLines(panel, values.data(), kChannels);
}

} // namespace views
