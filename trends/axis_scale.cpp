#include "trends/axis_scale.h"

#include <algorithm>
#include <cmath>

namespace trends {

AxisScale niceScale(double lo, double hi, int maxTicks) {
    maxTicks = std::max(2, maxTicks);
    if (!std::isfinite(lo) || !std::isfinite(hi)) return {};
    if (hi < lo) std::swap(lo, hi);
    if (hi == lo) {
        const double pad = lo != 0 ? std::abs(lo) * 0.05 : 1.0;
        lo -= pad;
        hi += pad;
    }
    const double rough = (hi - lo) / (maxTicks - 1);
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double factor : {1.0, 2.0, 2.5, 5.0, 10.0, 20.0}) {
        const double step = factor * power;
        const double niceLo = std::floor(lo / step) * step;
        const double niceHi = std::ceil(hi / step) * step;
        const int ticks = int(std::lround((niceHi - niceLo) / step)) + 1;
        if (ticks > maxTicks) continue;
        const int decimals = std::max(0, int(-std::floor(std::log10(step) + 1e-9)) + (factor == 2.5 ? 1 : 0));
        return {niceLo, niceHi, ticks, decimals};
    }
    return {lo, hi, 2, 0};
}

} // namespace trends
