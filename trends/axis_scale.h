#pragma once
// A value axis' range on round numbers: ticks at 1, 2, 2.5 or 5 times a power of ten.
#include <QtGlobal>

namespace trends {

struct AxisScale {
    double lo = 0;
    double hi = 1;
    int ticks = 2;    // tick marks from lo to hi, both included
    int decimals = 0; // enough to tell the ticks apart
};

// The smallest such range holding lo..hi with at most maxTicks ticks (at least 2).
AxisScale niceScale(double lo, double hi, int maxTicks);

} // namespace trends
