#include "views/multi/lcd_lines.h"

#include "protocol/fields.h"
#include "protocol/number_format.h"
#include "views/multi/lcd_captions.h"
#include "views/view_helpers.h"

namespace views::lcd {

const QString kPicture = QStringLiteral("picture/LCD80.BMP");

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

void applyLamps(panel::PanelModel& panel, const QByteArray& ntemp, int firstPos) {
    for (int k = 0; k < 3; ++k)
        applyLcdAlarm(panel.image2[kFirstLamp + k], protocol::hexByteAt(ntemp, firstPos + 2 * k));
}

QString prefixed(const QString& prefix, double value) {
    return prefix + protocol::formatNumber(value, 1);
}

void writeChannelLines(panel::PanelModel& panel, const QByteArray& ntemp, int firstPos, int count) {
    const auto values = floatsFrom<3>(ntemp, firstPos);
    for (int k = 0; k < count && k < 3; ++k)
        panel.label1[kLines[k]].caption = prefixed(captions::kChannel[k], values[k]);
}

void writeLines(panel::PanelModel& panel, const std::array<QString, 4>& texts) {
    for (std::size_t i = 0; i < kLines.size(); ++i)
        panel.label1[kLines[i]].caption = texts[i];
}

} // namespace views::lcd
