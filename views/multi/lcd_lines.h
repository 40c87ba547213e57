#pragma once
// Pieces the LCD-series views and layouts share: the LCD line style, the row of three LCD lamps,
// float fields laid end to end, and the channel lines.
#include "diagnosis/panel/panel_model.h"
#include "protocol/reading.h"
#include "views/view_helpers.h"

#include <QByteArray>
#include <array>
#include <cstddef>

namespace views::lcd {

// The labels of the four-line LCD layouts, top to bottom. The three-channel lines of the recorder
// and the two lines of the PID controller are the first of them.
constexpr std::array<int, 4> kLines = {0, 1, 4, 5};

// Layout: a visible line of black, left-aligned text.
void styleLine(panel::Label& label, int fontPoints, int left, int top);

// Layout: Image2(5) to Image2(7) shown side by side at `top`, in their design picture until the
// first reply.
void showLamps(panel::PanelModel& panel, int top);

// Image2(5) to Image2(7) from the three status bytes starting at `firstPos`, and each lamp's flag
// (1 when lit) into the three readings from `firstFlag`.
void applyLamps(panel::PanelModel& panel, const QByteArray& ntemp, int firstPos,
                protocol::Reading* firstFlag);

// `N` eight-digit floats laid end to end from `firstPos`.
template <std::size_t N> std::array<float, N> floatsFrom(const QByteArray& ntemp, int firstPos) {
    std::array<float, N> values{};
    for (std::size_t k = 0; k < N; ++k)
        values[k] = views::floatAt(ntemp, firstPos + 8 * static_cast<int>(k));
    return values;
}

// `prefix` followed by `value` with the pattern "0.0".
QString prefixed(const QString& prefix, double value);

// "1路    ", "2路    ", ... lines for the first `count` (at most 3) of `values`, written into the
// first `count` of kLines.
void writeChannelLines(panel::PanelModel& panel, const float* values, int count);

// `values` into the readings from `first`, one each.
void readValues(protocol::Reading* first, const float* values, int count);

// The four lines of kLines at once.
void writeLines(panel::PanelModel& panel, const std::array<QString, 4>& texts);

} // namespace views::lcd
