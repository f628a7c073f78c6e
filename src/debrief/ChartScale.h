// The scales of a session's chart, in the results viewer and in the report: ranges held to
// what the unit can show, whatever the values (a runaway cell, a NaN), and a handful of round
// ticks. PO2 runs up from 0 and depth down from 0 over one shared grid of at most ten
// intervals: PO2 in steps of 0.2 bar while they are enough, then 0.5, then 1, and the depth in
// the round step that takes the deepest point. The unit's real PO2 stays below 5 bar (pure
// oxygen at its deepest 40 m), so the PO2 axis never goes past 6 bar and the depth axis past a
// few hundred metres: a runaway reading of millions does not flatten the rest of the dive into
// one line. A value past the end of its axis is drawn at that end.
#pragma once

#include <vector>

#include "core/SimClock.h"

namespace loopsim {

inline constexpr int kMostChartIntervals = 10;
inline constexpr double kHighestScaledPO2 = 5.0;    // bar
inline constexpr double kDeepestScaledDepth = 100;  // metres

struct VerticalScales {
    int intervals = 5;
    double po2Top = 1.0;        // bar
    double depthBottom = 10.0;  // metres, positive

    double po2Step() const { return po2Top / intervals; }
    double depthStep() const { return depthBottom / intervals; }
    bool operator==(const VerticalScales&) const = default;
};

// The scales for the highest PO2 and the deepest depth drawn; values that are not finite
// count as 0.
VerticalScales verticalScales(double highestPO2, double deepest);

// A step of 1, 2 or 5 times a power of ten giving about `ticks` intervals over span; a
// span that is not a positive finite number counts as 1.
double niceStep(double span, int ticks);

// A step a clock reads well (1, 2, 5, 10, 15 or 30 seconds or minutes, 1, 2, 3, 6 or 12
// hours, then whole hours) giving at most `mostTicks` intervals over span seconds.
double clockStep(double span, int mostTicks);

struct AxisScale {
    double lowest = 0;
    double highest = 1;
    std::vector<double> ticks;
};

// Time in seconds from 0 to the end, ticks at a clock step of at least ten seconds, at most
// about ten of them.
AxisScale timeScale(Millis end);

}  // namespace loopsim
