#include "views/multi/lcd_lines.h"

#include "protocol/fields.h"
#include "protocol/number_format.h"
#include "views/multi/lcd_captions.h"
#include "views/view_helpers.h"

namespace views::lcd {

namespace {
constexpr std::array<int, 3> kLampLefts = {2250, 3030, 3810};
constexpr int kFirstLamp = 5;
} // namespace

void styleLine(panel::Label& label, int fontPoints, int left, int top) {
    label.color = panel::kBlack;
    label.align = panel::Align::Left;
    label.fontPoints = fontPoints;
    label.visible = true;
    place(label, left, top);
}

void showLamps(panel::PanelModel& panel, int top) {
    for (int k = 0; k < 3; ++k) {
        panel::Image& lamp = panel.image2[kFirstLamp + k];
        place(lamp, kLampLefts[k], top);
        lamp.visible = true;
    }
}

void applyLamps(panel::PanelModel& panel, const QByteArray& ntemp, int firstPos,
                protocol::Reading* firstFlag) {
    for (int k = 0; k < 3; ++k) {
        const int state = hexByteAt(ntemp, firstPos + 2 * k);
        applyLcdAlarm(panel.image2[kFirstLamp + k], state);
        firstFlag[k].value = alarmShown(state) ? 1.0 : 0.0;
    }
}

QString prefixed(const QString& prefix, double value) {
    return prefix + protocol::formatNumber(value, 1);
}

void writeChannelLines(panel::PanelModel& panel, const float* values, int count) {
    for (int k = 0; k < count && k < 3; ++k)
        panel.label1[kLines[k]].caption = prefixed(captions::kChannel[k], values[k]);
}

void readValues(protocol::Reading* first, const float* values, int count) {
    for (int k = 0; k < count; ++k)
        first[k].value = values[k];
}

void writeLines(panel::PanelModel& panel, const std::array<QString, 4>& texts) {
    for (std::size_t i = 0; i < kLines.size(); ++i)
        panel.label1[kLines[i]].caption = texts[i];
}

} // namespace views::lcd
