#include <cmath>

#include "DivingUnit.h"

namespace loopsim::testing {
namespace {

constexpr Millis kCellTick = 502;

// Three identical cells without offsets, so each ideal output is LoopPO2 × 50 mV/bar; the
// oxygen valve is shut so that no firing moves the loop.
struct CellRig : UnitRig {
    CellRig() {
        s.OxygenValve = ValveState::Off;
        for (std::size_t cell = 1; cell <= 3; ++cell) {
            s.OxygenCells[cell].AirMillivolts = 10.5;
            s.OxygenCells[cell].OffsetMillivolts = 0;
        }
    }
};
struct Cells : ::testing::Test, CellRig {};

TEST_F(Cells, NormalCellClosesHalfTheGapEachTick) {
    at(6 * kCellTick);
    EXPECT_NEAR(s.OxygenCells[1].Millivolts, 10.5 - 5.5 / 64, 1e-9);
}

// The slow cell moves a quarter of the gap up and three quarters down; cell 1 and any cell
// that is not the slow one move half of it.
TEST(CellModel, SlowCellRates) {
    const std::tuple<int, double, double> rows[] = {
        {2, 5, 9}, {2, 25, 22}, {0, 5, 13}, {0, 25, 23}, {4, 5, 13}};
    for (const auto& [slowCell, startMillivolts, afterOneTick] : rows) {
        SCOPED_TRACE(std::to_string(slowCell) + " from " + std::to_string(startMillivolts));
        CellRig r;
        r.s.SlowCell = slowCell;
        r.s.LoopPO2 = 0.42;  // 21 mV
        r.s.OxygenCells[2].Millivolts = startMillivolts;
        r.at(kCellTick);
        EXPECT_NEAR(r.s.OxygenCells[2].Millivolts, afterOneTick, 1e-9);
        EXPECT_NEAR(r.s.OxygenCells[1].Millivolts, 13, 1e-9);
    }
}

TEST_F(Cells, CellHeldAtZeroNeitherFollowsNorDrifts) {
    s.OxygenCells[2].Millivolts = 0;
    s.CellDrift[2] = 0.01;
    s.LoopPO2 = 1.0;
    at(10 * kCellTick);
    EXPECT_EQ(s.OxygenCells[2].Millivolts, 0);
    EXPECT_EQ(s.CellDrift[2], 0.01);
}

// One per cent a cell tick and double a minute: about 0.065, 0.43, 2.8 and 19 mV.
TEST_F(Cells, DriftGrowsOnePercentATickAndDoubleAMinute) {
    s.CellDrift[1] = 0.01;
    for (const auto& [minutes, cellTicks] : {std::pair{1, 119}, {2, 239}, {3, 358}, {4, 478}}) {
        at(minutes * 60000);
        const double expected = 0.01 * std::pow(1.01, cellTicks) * std::pow(2, minutes);
        EXPECT_NEAR(s.CellDrift[1], expected, expected * 1e-12) << minutes;
    }
}

TEST_F(Cells, PanelAndMainLinesShowTheirFormats) {
    s.LoopPO2 = 0;  // every ideal output is 0, so each output halves
    s.OxygenCells[1].Millivolts = 1.0;
    s.OxygenCells[2].Millivolts = 20.4;
    s.OxygenCells[3].Millivolts = -1.0;
    s.LeftHandset.CellFactor = {0, 6.0, 0.1, 0.62};
    s.RightHandset.CellFactor = {0, 0.5, 0.05, 0.2};
    at(kCellTick);
    EXPECT_EQ(textOf("Label17"), ".50   10.20   -.50");
    // 3.0 is capped; a negative reading keeps its sign.
    EXPECT_EQ(textOf("Label14"), "      MASTER   0.7        2.55       1.02       -0.31");
    EXPECT_EQ(textOf("Label15"), "       SLAVE   0.7        0.25       0.51       -0.10");
}

}  // namespace
}  // namespace loopsim::testing
