#include "debrief/ChartScale.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace loopsim {
namespace {

constexpr double kLeastPO2Top = 2.0;
constexpr double kMostPO2Top = 4.0;
constexpr double kMostDepth = 100;
constexpr int kMostTicks = 10;

std::vector<double> ticksEvery(double step, double highest) {
    std::vector<double> ticks;
    for (int i = 0; i * step <= highest + step * 1e-9; ++i)
        ticks.push_back(i * step);
    return ticks;
}

// The top rounded up to a step, held between least and most; NaN gives the least.
double roundedTop(double value, double step, double least, double most) {
    if (!(value > least))
        return least;
    return std::min(most, std::ceil(value / step) * step);
}

}  // namespace

AxisScale po2Scale(double highestPO2) {
    const double top = roundedTop(highestPO2, 0.5, kLeastPO2Top, kMostPO2Top);
    return {0, top, ticksEvery(0.5, top)};
}

AxisScale depthScale(double deepest) {
    const double bottom = roundedTop(deepest, 10, 10, kMostDepth);
    return {0, bottom, ticksEvery(10, bottom)};
}

AxisScale timeScale(Millis end) {
    const double seconds = std::max<double>(1, static_cast<double>(end) / 1000);
    constexpr std::array<double, 14> kSteps{10,  15,   30,   60,   120,   300,   600,
                                            900, 1800, 3600, 7200, 10800, 21600, 43200};
    double step = kSteps.back();
    for (double candidate : kSteps) {
        if (seconds / candidate <= kMostTicks) {
            step = candidate;
            break;
        }
    }
    // Past the longest step the ticks grow with the session, ten of them at most.
    if (seconds / step > kMostTicks)
        step = std::ceil(seconds / kMostTicks / 3600) * 3600;
    const double top = std::max(seconds, step);
    return {0, top, ticksEvery(step, top)};
}

}  // namespace loopsim
