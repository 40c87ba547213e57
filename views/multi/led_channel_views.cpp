// The LED dual-channel controller and the LED scanner: fixed-point channel fields written with
// their own decimals, and the small round alarm lamps shown or hidden.
#include "protocol/fields.h"
#include "protocol/number_format.h"
#include "views/multi/multi_views.h"
#include "views/multi/paging.h"
#include "views/view_helpers.h"

namespace views {

namespace {

// The channel field at `pos` into `label`; decimals outside 0 to 3 leave the label as it was.
void writeChannel(panel::Label& label, const QByteArray& ntemp, int pos) {
    const FixedField channel = fixedFieldAt(ntemp, pos);
    writeWithDecimals(label, channel.value, channel.displayDecimals);
}

// Image2(0) .. Image2(count - 1) from consecutive status bytes starting at `firstPos`.
void applyAlarms(panel::PanelModel& panel, const QByteArray& ntemp, int firstPos, int count) {
    for (int i = 0; i < count; ++i)
        applyAlarm(panel.image2[i], protocol::hexByteAt(ntemp, firstPos + 2 * i));
}

constexpr int kFirstChannel = 10;
constexpr int kChannelWidth = 6;

constexpr int kDuoCallsPerChannel = 8;
constexpr int kDuoChannels = 16;
constexpr int kDuoFirstStatus = 82;

} // namespace

void ShowDouble(const QByteArray& ntemp, panel::PanelModel& panel, qint16& /*tn*/) {
    applyAlarms(panel, ntemp, 22, 4);
    for (int k = 0; k < 2; ++k)
        writeChannel(panel.label1[k], ntemp, kFirstChannel + kChannelWidth * k);
}

void ShowDuo(const QByteArray& ntemp, panel::PanelModel& panel, qint16& tn) {
    const int channel = advancePage(tn, kDuoCallsPerChannel, kDuoChannels);
    applyAlarms(panel, ntemp, kDuoFirstStatus, 2);
    panel.label1[1].caption = protocol::formatNumber(channel + 1, 0, 2);
    // The fields of the channels shown as 13 to 16 lie over the status bytes and beyond; they are
    // read at their positions all the same, and a field past the end of the reply reads 0.
    writeChannel(panel.label1[0], ntemp, kFirstChannel + kChannelWidth * channel);
}

} // namespace views
