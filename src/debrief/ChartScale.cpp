#include "debrief/ChartScale.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace loopsim {
namespace {

constexpr int kFewestIntervals = 5;
constexpr double kPO2Steps[] = {0.2, 0.5, 1.0};
// Room below a depth axis's end, so the deepest point never sits on it.
constexpr double kDepthRoom = 1.05;
constexpr double kShallowestScaledDepth = 8;
constexpr int kMostTimeTicks = 10;
constexpr double kLeastTimeStep = 10;

double finiteWithin(double value, double low, double high) {
    return std::isfinite(value) ? std::clamp(value, low, high) : low;
}

std::vector<double> ticksEvery(double step, double highest) {
    std::vector<double> ticks;
    for (int i = 0; i * step <= highest + step * 1e-9; ++i)
        ticks.push_back(i * step);
    return ticks;
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

double clockStep(double span, int mostTicks) {
    constexpr std::array<double, 17> kSteps{1,   2,   5,    10,   15,   30,    60,    120,  300,
                                            600, 900, 1800, 3600, 7200, 10800, 21600, 43200};
    const double seconds = std::isfinite(span) ? std::max(span, 1.0) : 1.0;
    mostTicks = std::max(mostTicks, 1);
    for (double step : kSteps) {
        if (seconds / step <= mostTicks)
            return step;
    }
    // Past the longest step the ticks grow with the session, in whole hours.
    return std::ceil(std::min(seconds, 1e12) / mostTicks / 3600) * 3600;
}

AxisScale timeScale(Millis end) {
    const double seconds = std::max<double>(1, static_cast<double>(end) / 1000);
    const double step = std::max(kLeastTimeStep, clockStep(seconds, kMostTimeTicks));
    const double top = std::max(seconds, step);
    return {0, top, ticksEvery(step, top)};
}

}  // namespace loopsim
