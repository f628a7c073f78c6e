// The chart's scales, shared by the results viewer and the report: bounded and round
// whatever a runaway session holds.
#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>
#include <limits>
#include <sstream>

#include "GoldenFile.h"
#include "debrief/ChartScale.h"

namespace loopsim::test {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::nan("");

// Every scale of the chart for values of a dive and runaway ones, against chart-scales.txt:
// PO2 in steps of 0.2 up to ten intervals, then 0.5, then 1, never above 6 bar; depth in the
// same number of round steps with room below the deepest point; round steps of 1, 2 or 5 times
// a power of ten, also for spans that are no span; steps a clock reads well, the fewest ticks
// within the most allowed; the report's time axis in steps of at least ten seconds.
TEST(ChartScale, ScalesOfDivesAndRunawayValues) {
    std::ostringstream said;
    said << std::setprecision(12);
    // Nothing, the surface, a short dive, a value on a grid line, past ten steps of 0.2, the
    // five-hour dive, pure oxygen at 40 m, a PO2 of 1000, runaway readings, the largest
    // numbers, and values that are not numbers, negative or tiny.
    const std::pair<double, double> diveValues[] = {
        {0, 0},       {0.5, 5},     {1.3, 21},  {1.8, 40},        {2.0, 0},
        {3.99, 30},   {5.0, 40},    {1000, 40}, {3.4e12, 3.4e12}, {1.7e308, 1.7e308},
        {kInf, kInf}, {kNaN, kNaN}, {-2, -10},  {1e-300, 1e-300}};
    for (const auto& [po2, depth] : diveValues) {
        const VerticalScales scales = verticalScales(po2, depth);
        said << "vertical scales of " << po2 << " bar and " << depth << " m: " << scales.intervals
             << " intervals of " << scales.po2Step() << " bar to " << scales.po2Top << " and of "
             << scales.depthStep() << " m to " << scales.depthBottom << "\n";
    }
    const std::pair<double, int> niceSpans[] = {{10, 5},    {18000, 8},  {1000, 8}, {1, 8},
                                                {0, 8},     {-5, 8},     {kNaN, 8}, {kInf, 8},
                                                {1e308, 1}, {1e-300, 1}, {7, 0}};
    for (const auto& [span, ticks] : niceSpans)
        said << "nice step over " << span << " in " << ticks << ": " << niceStep(span, ticks)
             << "\n";
    const std::pair<double, int> clockSpans[] = {
        {0, 8},    {kNaN, 8},  {8, 8},    {9, 8},     {50, 8},
        {100, 8},  {600, 8},   {3600, 8}, {18000, 8}, {43200 * 8 + 1, 8},
        {kInf, 8}, {1e300, 8}, {100, 0}};
    for (const auto& [span, ticks] : clockSpans)
        said << "clock step over " << span << " s in at most " << ticks << ": "
             << clockStep(span, ticks) << "\n";
    for (Millis end : {0, 45000, 630000, 18000000, 604800000}) {
        const AxisScale time = timeScale(end);
        said << "time axis to " << end << " ms, up to " << time.highest << " s:";
        for (double tick : time.ticks)
            said << " " << tick;
        said << "\n";
    }
    expectMatchesGoldenFile(said.str(), "chart-scales.txt");
}

TEST(ChartScale, VerticalScalesStayWithinAFewTicks) {
    for (double value = 1e-12; value < 1e308; value *= 1.7) {
        for (double sign : {1.0, -1.0}) {
            const VerticalScales scales = verticalScales(sign * value, sign * value);
            EXPECT_TRUE(scales.intervals >= 5 && scales.intervals <= kMostChartIntervals);
            EXPECT_TRUE(scales.po2Top <= 6 && scales.po2Top > std::min(sign * value, 5.0));
            EXPECT_TRUE(scales.depthBottom <= 250 &&
                        scales.depthBottom >= std::min(sign * value, 100.0) * 1.05);
        }
    }
}

}  // namespace
}  // namespace loopsim::test
