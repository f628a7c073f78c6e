// Axes a chart of a session can always draw: ranges held to what the unit can show,
// whatever the values (a runaway cell, a NaN), and a handful of round ticks.
#pragma once

#include <vector>

#include "core/SimClock.h"

namespace loopsim {

struct AxisScale {
    double lowest = 0;
    double highest = 1;
    std::vector<double> ticks;
};

// PO2 from 0 to at least 2 bar, up to the highest value in half bars, never past 4 bar:
// a value above the top is drawn at the top.
AxisScale po2Scale(double highestPO2);
// Depth from 0 (the surface) down to the deepest point in steps of 10 m, at least 10 m.
AxisScale depthScale(double deepest);
// Time from 0 to the end, ticks at a round number of seconds or minutes, at most about ten.
AxisScale timeScale(Millis end);

}  // namespace loopsim
