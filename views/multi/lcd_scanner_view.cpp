// The LCD multi-channel scanner: sixteen channels, two to a line, as whole numbers of fixed width.
#include "protocol/number_format.h"
#include "views/multi/lcd_captions.h"
#include "views/multi/lcd_lines.h"
#include "views/multi/multi_views.h"
#include "views/reading_table.h"

#include <array>

namespace views {

namespace {

constexpr int kChannels = 16;

// Four characters for both signs below the pattern's limits: "0000" for 0 and up, "-000" below.
QString scannerValue(float value) {
    return protocol::formatNumber(value, 0, value >= 0 ? 4 : 3);
}

// "CH01  " .. "CH16  ": the same on every call, so made once.
const std::array<QString, kChannels>& channelTags() {
    static const std::array<QString, kChannels> tags = [] {
        std::array<QString, kChannels> out;
        for (int c = 0; c < kChannels; ++c)
            out[c] = captions::kChannelTag + protocol::formatNumber(c + 1, 0, 2) + captions::kGap;
        return out;
    }();
    return tags;
}

} // namespace

const ReadingTable& lcdScannerReadings() {
    static const ReadingTable table(channelRows(kChannels, captions::kChannelTag + QStringLiteral("%1"), 2, 0,
                                                QStringLiteral("channel %1, shown as a whole number")));
    return table;
}

void ShowLCDDuo(const QByteArray& ntemp, panel::PanelModel& panel, qint16& /*tn*/,
                protocol::Readings& readings) {
    lcdScannerReadings().reset(readings);
    const auto values = lcd::floatsFrom<kChannels>(ntemp, 10);
    lcd::readValues(&readings[0], values.data(), kChannels);
    const auto& tags = channelTags();
    for (int i = 0; i < 8; ++i) {
        panel.label1[i].caption = tags[2 * i] + scannerValue(values[2 * i]) + captions::kGap +
                                  tags[2 * i + 1] + scannerValue(values[2 * i + 1]);
    }
}

} // namespace views
