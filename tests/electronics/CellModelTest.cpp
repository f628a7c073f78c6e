#include <cmath>

#include "DivingUnit.h"
#include "electronics/HandsetReadings.h"

namespace loopsim::testing {
namespace {

constexpr Millis kCellTick = 502;

struct Cells : DivingUnit {
    // Three identical cells without offsets, so each ideal output is LoopPO2 × 50 mV/bar;
    // the oxygen valve is shut so that no firing moves the loop.
    void SetUp() override {
        DivingUnit::SetUp();
        s.OxygenValve = "OFF";
        for (std::size_t cell = 1; cell <= 3; ++cell) {
            s.OxygenCells[cell].AirMillivolts = 10.5;
            s.OxygenCells[cell].OffsetMillivolts = 0;
        }
    }
};

TEST_F(Cells, NormalCellClosesHalfTheGapEachTickAndSettlesInAir) {
    advanceTo(6 * kCellTick);
    // From 5 mV towards 10.5 mV: 5.5 mV / 2^6 is left after six ticks.
    EXPECT_NEAR(s.OxygenCells[1].Millivolts, 10.5 - 5.5 / 64, 1e-9);
    EXPECT_LT(std::abs(s.OxygenCells[1].Millivolts - 10.5), 0.1);
}

struct SlowCellCase {
    int slowCell;
    double startMillivolts;
    double expectedMillivolts;  // after one tick towards 21 mV
};

class SlowCellRates : public Cells, public ::testing::WithParamInterface<SlowCellCase> {};

TEST_P(SlowCellRates, OneTickOfCellTwo) {
    const SlowCellCase& c = GetParam();
    s.SlowCell = c.slowCell;
    s.LoopPO2 = 0.42;
    s.OxygenCells[2].Millivolts = c.startMillivolts;
    advanceTo(kCellTick);
    EXPECT_NEAR(s.OxygenCells[2].Millivolts, c.expectedMillivolts, 1e-9);
    // The other cells follow at half the gap.
    EXPECT_NEAR(s.OxygenCells[1].Millivolts, 13, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Cells, SlowCellRates,
                         ::testing::Values(SlowCellCase{2, 5, 9},     // up a quarter
                                           SlowCellCase{2, 25, 22},   // down three quarters
                                           SlowCellCase{0, 5, 13},    // no slow cell
                                           SlowCellCase{0, 25, 23},   //
                                           SlowCellCase{4, 5, 13},    // not a cell number
                                           SlowCellCase{3, 5, 13}));  // another cell is slow

TEST_F(Cells, CellHeldAtZeroNeitherFollowsNorDrifts) {
    s.OxygenCells[2].Millivolts = 0;
    s.CellDrift[2] = 0.01;
    s.LoopPO2 = 1.0;
    advanceTo(10 * kCellTick);
    EXPECT_EQ(s.OxygenCells[2].Millivolts, 0);
    EXPECT_EQ(s.CellDrift[2], 0.01);
    EXPECT_EQ(s.LeftHandset.CellPO2[2], 0);
}

struct DriftCase {
    Millis time;
    int cellTicks;
    int driftTicks;
    double roughly;  // the drift in mV, to two significant digits
};

class DriftGrowth : public Cells, public ::testing::WithParamInterface<DriftCase> {};

TEST_P(DriftGrowth, OnePercentATickAndDoubleAMinute) {
    const DriftCase& c = GetParam();
    s.CellDrift[1] = 0.01;
    advanceTo(c.time);
    const double expected = 0.01 * std::pow(1.01, c.cellTicks) * std::pow(2, c.driftTicks);
    EXPECT_NEAR(s.CellDrift[1], expected, expected * 1e-12);
    EXPECT_NEAR(s.CellDrift[1], c.roughly, c.roughly * 0.05);
    EXPECT_EQ(s.CellDrift[2], 0);
}

INSTANTIATE_TEST_SUITE_P(Cells, DriftGrowth,
                         ::testing::Values(DriftCase{60000, 119, 1, 0.065},
                                           DriftCase{120000, 239, 2, 0.43},
                                           DriftCase{180000, 358, 3, 2.8},
                                           DriftCase{240000, 478, 4, 19}));

TEST_F(Cells, DriftPullsTheOutputBelowZero) {
    s.CellDrift[1] = 0.01;
    advanceTo(245000);
    EXPECT_LT(s.OxygenCells[1].Millivolts, -5);
    EXPECT_EQ(textOf("Label17").front(), '-');
}

TEST_F(Cells, PanelShowsMillivoltsWithoutLeadingZero) {
    s.LoopPO2 = 0;  // every ideal output is 0, so each output halves
    s.OxygenCells[1].Millivolts = 1.0;
    s.OxygenCells[2].Millivolts = 20.4;
    s.OxygenCells[3].Millivolts = -1.0;
    advanceTo(kCellTick);
    EXPECT_EQ(textOf("Label17"), ".50   10.20   -.50");
}

TEST_F(Cells, ReadingsAreCappedAboveButNotBelowAndDrawnOnMainScreens) {
    s.LoopPO2 = 0.21;  // outputs go from 5 to 7.75 mV
    s.LeftHandset.CellFactor = {0, 1.0, -0.04, 0.12};
    s.RightHandset.CellFactor = {0, 0.08, 0.08, 0.08};
    advanceTo(kCellTick);
    EXPECT_EQ(s.LeftHandset.CellPO2[1], kReadingCap);
    EXPECT_NEAR(s.LeftHandset.CellPO2[2], -0.31, 1e-9);
    EXPECT_EQ(textOf("Label14"), "      MASTER   0.7        2.55       -0.31       0.93");
    EXPECT_EQ(textOf("Label15"), "       SLAVE   0.7        0.62       0.62       0.62");
}

TEST_F(Cells, OtherScreensKeepTheirTextButReadingsStillChange) {
    s.LeftHandset.Screen = 42;
    simulation.view().element("Label14").setText("menu");
    s.LeftHandset.CellFactor = {0, 0.1, 0.1, 0.1};
    advanceTo(kCellTick);
    EXPECT_EQ(textOf("Label14"), "menu");
    EXPECT_NEAR(s.LeftHandset.CellPO2[1], 0.775, 1e-9);
}

}  // namespace
}  // namespace loopsim::testing
