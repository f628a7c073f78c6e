#include <cmath>

#include "DivingUnit.h"

namespace loopsim::testing {
namespace {

constexpr Millis kCellTick = 502;

// Three identical cells without offsets, so each ideal output is LoopPO2 × 50 mV/bar; the
// oxygen valve is shut so that no firing moves the loop.
struct Cells : DivingUnit {
    void SetUp() override {
        DivingUnit::SetUp();
        s.OxygenValve = "OFF";
        for (std::size_t cell = 1; cell <= 3; ++cell) {
            s.OxygenCells[cell].AirMillivolts = 10.5;
            s.OxygenCells[cell].OffsetMillivolts = 0;
        }
    }
};

TEST_F(Cells, NormalCellClosesHalfTheGapEachTick) {
    advanceTo(6 * kCellTick);
    EXPECT_NEAR(s.OxygenCells[1].Millivolts, 10.5 - 5.5 / 64, 1e-9);
}

struct SlowCellCase {
    int slowCell;
    double startMillivolts;
    double expectedMillivolts;  // cell 2 after one tick towards 21 mV
};

class SlowCellRates : public Cells, public ::testing::WithParamInterface<SlowCellCase> {};

TEST_P(SlowCellRates, OneTickOfCellTwo) {
    s.SlowCell = GetParam().slowCell;
    s.LoopPO2 = 0.42;
    s.OxygenCells[2].Millivolts = GetParam().startMillivolts;
    advanceTo(kCellTick);
    EXPECT_NEAR(s.OxygenCells[2].Millivolts, GetParam().expectedMillivolts, 1e-9);
    EXPECT_NEAR(s.OxygenCells[1].Millivolts, 13, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Cells, SlowCellRates,
                         ::testing::Values(SlowCellCase{2, 5, 9},     // up a quarter
                                           SlowCellCase{2, 25, 22},   // down three quarters
                                           SlowCellCase{0, 5, 13},    // no slow cell
                                           SlowCellCase{0, 25, 23},   //
                                           SlowCellCase{4, 5, 13}));  // not a cell number

TEST_F(Cells, CellHeldAtZeroNeitherFollowsNorDrifts) {
    s.OxygenCells[2].Millivolts = 0;
    s.CellDrift[2] = 0.01;
    s.LoopPO2 = 1.0;
    advanceTo(10 * kCellTick);
    EXPECT_EQ(s.OxygenCells[2].Millivolts, 0);
    EXPECT_EQ(s.CellDrift[2], 0.01);
}

struct DriftCase {
    Millis time;
    int cellTicks;
    int minutes;
};

class DriftGrowth : public Cells, public ::testing::WithParamInterface<DriftCase> {};

TEST_P(DriftGrowth, OnePercentATickAndDoubleAMinute) {
    const DriftCase& c = GetParam();
    s.CellDrift[1] = 0.01;
    advanceTo(c.time);
    const double expected = 0.01 * std::pow(1.01, c.cellTicks) * std::pow(2, c.minutes);
    EXPECT_NEAR(s.CellDrift[1], expected, expected * 1e-12);
}

// About 0.065, 0.43, 2.8 and 19 mV.
INSTANTIATE_TEST_SUITE_P(Cells, DriftGrowth,
                         ::testing::Values(DriftCase{60000, 119, 1}, DriftCase{120000, 239, 2},
                                           DriftCase{180000, 358, 3}, DriftCase{240000, 478, 4}));

TEST_F(Cells, PanelAndMainLinesShowTheirFormats) {
    s.LoopPO2 = 0;  // every ideal output is 0, so each output halves
    s.OxygenCells[1].Millivolts = 1.0;
    s.OxygenCells[2].Millivolts = 20.4;
    s.OxygenCells[3].Millivolts = -1.0;
    s.LeftHandset.CellFactor = {0, 6.0, 0.1, 0.62};
    s.RightHandset.CellFactor = {0, 0.5, 0.05, 0.2};
    advanceTo(kCellTick);
    EXPECT_EQ(textOf("Label17"), ".50   10.20   -.50");
    // 3.0 is capped; a negative reading keeps its sign.
    EXPECT_EQ(textOf("Label14"), "      MASTER   0.7        2.55       1.02       -0.31");
    EXPECT_EQ(textOf("Label15"), "       SLAVE   0.7        0.25       0.51       -0.10");
}

}  // namespace
}  // namespace loopsim::testing
