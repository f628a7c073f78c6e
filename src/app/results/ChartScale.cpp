#include "app/results/ChartScale.h"

#include <algorithm>
#include <cmath>

namespace loopsim {
namespace {

constexpr int kFewestIntervals = 5;
constexpr double kPO2Steps[] = {0.2, 0.5, 1.0};
// Room below a depth axis's end, so the deepest point never sits on it.
constexpr double kDepthRoom = 1.05;
constexpr double kShallowestScaledDepth = 8;

double finiteWithin(double value, double low, double high) {
    return std::isfinite(value) ? std::clamp(value, low, high) : low;
}

}  // namespace

VerticalScales verticalScales(double highestPO2, double deepest) {
    const double po2 = finiteWithin(highestPO2, 0, kHighestScaledPO2);
    VerticalScales scales;
    // The first step whose grid has room above the highest value within the most intervals;
    // the last step always has, as the value is at most kHighestScaledPO2. The tiny addition
    // keeps a value on a grid line (1.8 as 8.9999) from ending exactly at the top.
    for (double step : kPO2Steps) {
        const int intervals =
            std::max(kFewestIntervals, static_cast<int>(std::floor(po2 / step + 1e-9)) + 1);
        scales.intervals = intervals;
        scales.po2Top = intervals * step;
        if (intervals <= kMostChartIntervals)
            break;
    }
    const double depth =
        std::max(finiteWithin(deepest, 0, kDeepestScaledDepth), kShallowestScaledDepth);
    scales.depthBottom = scales.intervals * niceStep(depth * kDepthRoom, scales.intervals);
    return scales;
}

double niceStep(double span, int ticks) {
    if (!std::isfinite(span) || span <= 0)
        span = 1;
    const double raw = std::clamp(span / std::max(ticks, 1), 1e-9, 1e300);
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double factor : {1.0, 2.0, 5.0}) {
        if (raw <= factor * power)
            return factor * power;
    }
    return 10 * power;
}

bool clampValues(QList<QPointF>& points, double low, double high) {
    bool outside = false;
    for (QPointF& point : points) {
        const double y = std::isnan(point.y()) ? low : std::clamp(point.y(), low, high);
        if (!(y == point.y())) {
            point.setY(y);
            outside = true;
        }
    }
    return outside;
}

}  // namespace loopsim
