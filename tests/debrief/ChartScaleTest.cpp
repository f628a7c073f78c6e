// The chart's scales, shared by the results viewer and the report: bounded and round
// whatever a runaway session holds.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "debrief/ChartScale.h"

namespace loopsim::test {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::nan("");

// PO2 in steps of 0.2 up to ten intervals, then 0.5, then 1, never above 6 bar; depth in the
// same number of round steps with room below the deepest point, never much past 100 m.
TEST(ChartScale, VerticalScalesStayWithinAFewTicks) {
    struct Row {
        const char* what;
        double highestPO2, deepest;
        VerticalScales scales;
    };
    for (const Row& row : {
             Row{"nothing recorded", 0, 0, {5, 1.0, 10}},
             Row{"at the surface", 0.5, 5, {5, 1.0, 10}},
             Row{"a short dive", 1.3, 21, {7, 1.4, 35}},
             Row{"a value on a grid line", 1.8, 40, {10, 2.0, 50}},
             Row{"past ten steps of 0.2", 2.0, 0, {5, 2.5, 10}},
             Row{"the five-hour dive", 3.99, 30, {8, 4.0, 40}},
             Row{"pure oxygen at 40 m", 5.0, 40, {6, 6.0, 60}},
             Row{"a PO2 of 1000", 1000, 40, {6, 6.0, 60}},
             Row{"readings of 3.4e12", 3.4e12, 3.4e12, {6, 6.0, 120}},
             Row{"the largest numbers", 1.7e308, 1.7e308, {6, 6.0, 120}},
             Row{"infinite", kInf, kInf, {5, 1.0, 10}},
             Row{"not numbers", kNaN, kNaN, {5, 1.0, 10}},
             Row{"negative", -2, -10, {5, 1.0, 10}},
             Row{"tiny", 1e-300, 1e-300, {5, 1.0, 10}},
         }) {
        const VerticalScales scales = verticalScales(row.highestPO2, row.deepest);
        EXPECT_EQ(scales.intervals, row.scales.intervals) << row.what;
        EXPECT_DOUBLE_EQ(scales.po2Top, row.scales.po2Top) << row.what;
        EXPECT_DOUBLE_EQ(scales.depthBottom, row.scales.depthBottom) << row.what;
    }
    EXPECT_EQ(verticalScales(0, 0), VerticalScales{});
    EXPECT_DOUBLE_EQ(verticalScales(1.3, 21).po2Step(), 0.2);
    EXPECT_DOUBLE_EQ(verticalScales(1.3, 21).depthStep(), 5);
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

// Round steps of 1, 2 or 5 times a power of ten, also for spans that are no span.
TEST(ChartScale, NiceStepsAreRound) {
    struct Row {
        double span;
        int ticks;
        double step;
    };
    for (const Row& row : {
             Row{10, 5, 2},
             Row{18000, 8, 5000},
             Row{1000, 8, 200},
             Row{1, 8, 0.2},
             Row{0, 8, 0.2},
             Row{-5, 8, 0.2},
             Row{kNaN, 8, 0.2},
             Row{kInf, 8, 0.2},
             Row{1e308, 1, 1e300},
             Row{1e-300, 1, 1e-9},
             Row{7, 0, 10},
         })
        EXPECT_DOUBLE_EQ(niceStep(row.span, row.ticks), row.step) << row.span << " " << row.ticks;
}

// Steps a clock reads well, the fewest ticks within the most allowed; the report's time
// axis takes at least ten seconds.
TEST(ChartScale, TimeStepsAreWholeClockUnits) {
    struct Row {
        double span;
        int mostTicks;
        double step;
    };
    for (const Row& row : {
             Row{0, 8, 1},
             Row{kNaN, 8, 1},
             Row{8, 8, 1},
             Row{9, 8, 2},
             Row{100, 8, 15},
             Row{600, 8, 120},
             Row{3600, 8, 600},
             Row{18000, 8, 3600},
             Row{43200 * 8 + 1, 8, 13 * 3600},
             Row{kInf, 8, 1},
             Row{1e300, 8, std::ceil(1e12 / 8 / 3600) * 3600},
             Row{100, 0, 120},
         })
        EXPECT_DOUBLE_EQ(clockStep(row.span, row.mostTicks), row.step)
            << row.span << " " << row.mostTicks;

    struct TimeRow {
        Millis end;
        double step;
        double top;
    };
    for (const TimeRow& row :
         {TimeRow{0, 10, 10}, TimeRow{45000, 10, 45}, TimeRow{630000, 120, 630},
          TimeRow{18000000, 1800, 18000}, TimeRow{604800000, 17 * 3600, 604800}}) {
        const AxisScale time = timeScale(row.end);
        ASSERT_GE(time.ticks.size(), 2u) << row.end;
        EXPECT_EQ(time.ticks[1], row.step) << row.end;
        EXPECT_EQ(time.highest, row.top) << row.end;
        EXPECT_LE(time.ticks.size(), 11u) << row.end;
    }
}

}  // namespace
}  // namespace loopsim::test
