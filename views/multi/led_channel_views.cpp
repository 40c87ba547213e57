// The LED dual-channel controller and the LED scanner: fixed-point channel fields written with
// their own decimals, and the small round alarm lamps shown or hidden.
#include "protocol/fields.h"
#include "protocol/number_format.h"
#include "views/multi/multi_views.h"
#include "views/multi/paging.h"
#include "views/reading_table.h"
#include "views/view_helpers.h"

#include <array>

namespace views {

namespace {

// The channel field at `pos` into `label`; decimals outside 0 to 3 leave the label as it was.
void writeChannel(panel::Label& label, const FixedField& channel) {
    writeWithDecimals(label, channel.value, channel.displayDecimals);
}

void readChannel(protocol::Reading& reading, const FixedField& channel) {
    reading.value = channel.value;
    reading.decimals = replyDecimals(channel.displayDecimals);
}

// Image2(0) .. Image2(count - 1) from consecutive status bytes starting at `firstPos`, and their
// flags into the readings from `firstReading`.
void applyAlarms(panel::PanelModel& panel, const QByteArray& ntemp, int firstPos, int count,
                 protocol::Reading* firstReading) {
    for (int i = 0; i < count; ++i) {
        const int state = hexByteAt(ntemp, firstPos + 2 * i);
        applyAlarm(panel.image2[i], state);
        setFlag(firstReading[i], alarmShown(state));
    }
}

constexpr int kFirstChannel = 10;
constexpr int kChannelWidth = 6;

constexpr int kDoubleChannels = 2;
constexpr int kDoubleAlarms = 4;
constexpr int kDoubleFirstStatus = 22;

constexpr int kDuoCallsPerChannel = 8;
constexpr int kDuoChannels = 16;
constexpr int kDuoAlarms = 2;
constexpr int kDuoFirstStatus = 82;

const QString kAlarmMeaning = QStringLiteral("alarm %1: 1 while its lamp is lit (state 1 or 2)");

FixedField channelAt(const QByteArray& ntemp, int channel) {
    return fixedFieldAt(ntemp, kFirstChannel + kChannelWidth * channel);
}

} // namespace

const ReadingTable& dualChannelReadings() {
    static const ReadingTable table(joined({
        channelRows(kDoubleChannels, QStringLiteral("%1路"), 1, kDecimalsFromReply,
                    QStringLiteral("channel %1, in the large display of its number (1 upper, 2 lower)")),
        alarmRows(kDoubleAlarms, kAlarmMeaning),
    }));
    return table;
}

const ReadingTable& ledScannerReadings() {
    static const ReadingTable table = [] {
        std::vector<ReadingRow> channels =
            channelRows(kDuoChannels, QStringLiteral("%1路"), 1, kDecimalsFromReply,
                        QStringLiteral("channel %1, shown in turn with its number"));
        // Where the panel reads them too: channel 13 over the alarm states, 14 to 16 behind them.
        channels[12].meaning += QStringLiteral("; read over the alarm states");
        for (int k = 13; k < kDuoChannels; ++k)
            channels[k].meaning += QStringLiteral("; read behind the alarm states");
        return ReadingTable(joined({channels, alarmRows(kDuoAlarms, kAlarmMeaning)}));
    }();
    return table;
}

void ShowDouble(const QByteArray& ntemp, panel::PanelModel& panel, qint16& /*tn*/,
                protocol::Readings& readings) {
    dualChannelReadings().reset(readings);
    applyAlarms(panel, ntemp, kDoubleFirstStatus, kDoubleAlarms, &readings[kDoubleChannels]);
    for (int k = 0; k < kDoubleChannels; ++k) {
        const FixedField channel = channelAt(ntemp, k);
        readChannel(readings[k], channel);
        writeChannel(panel.label1[k], channel);
    }
}

void ShowDuo(const QByteArray& ntemp, panel::PanelModel& panel, qint16& tn, protocol::Readings& readings) {
    ledScannerReadings().reset(readings);
    const int shown = advancePage(tn, kDuoCallsPerChannel, kDuoChannels);
    applyAlarms(panel, ntemp, kDuoFirstStatus, kDuoAlarms, &readings[kDuoChannels]);
    // The fields of the channels 13 to 16 lie over the status bytes and beyond; they are read at
    // their positions all the same, and a field past the end of the reply reads 0.
    std::array<FixedField, kDuoChannels> channels{};
    for (int k = 0; k < kDuoChannels; ++k) {
        channels[k] = channelAt(ntemp, k);
        readChannel(readings[k], channels[k]);
    }
    panel.label1[1].caption = protocol::formatNumber(shown + 1, 0, 2);
    writeChannel(panel.label1[0], channels[shown]);
}

} // namespace views
