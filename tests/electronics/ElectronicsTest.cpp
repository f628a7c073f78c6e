// The electronics at their edges, where the golden replays only pass by: the vote, the
// controller's firing lengths, the warning thresholds, the slow cell and the readout
// formats. Both handsets run as in a dive, set directly.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

#include "SimulationRig.h"
#include "core/Format.h"
#include "electronics/FailureInjection.h"
#include "electronics/PO2Controller.h"

namespace loopsim::test {
namespace {

// The closer pair of the sorted readings is averaged and the larger gap is the spread.
TEST(PO2Controller, VoteDiscardsTheOddReading) {
    const std::tuple<CellValues, double, double> rows[] = {
        {{0, 0.70, 0.72, 1.20}, 0.71, 0.48},
        {{0, 1.20, 0.72, 0.70}, 0.71, 0.48},
        {{0, 0.50, 1.00, 1.50}, 0.75, 0.5},  // a tie keeps the lower pair
        {{0, 0.30, 1.00, 1.02}, 1.01, 0.7},
        {{0, -0.20, 0.90, 1.00}, 0.95, 1.1}};
    for (const auto& [readings, meanPO2, spread] : rows) {
        const CellVote vote = voteCells(readings);
        EXPECT_NEAR(vote.meanPO2, meanPO2, 1e-12) << readings[1];
        EXPECT_NEAR(vote.cellSpread, spread, 1e-12) << readings[1];
    }
}

// The first controller tick falls at 6001 ms: one step at once and one at each further
// second, 0.2 litres into the counterlung with the mouthpiece closed, into the 3.2 litres
// of oxygen with it open; the sound lasts the firing's own length.
TEST(PO2Controller, FiringLengthFollowsTheGapToTheSetpoint) {
    const std::tuple<double, double, bool, int, int> rows[] = {
        {1.3, 1.2, false, 800, 1},   {1.3, 1.0, true, 3400, 4},    {1.3, 0.7, false, 7300, 8},
        {1.3, 0.1, true, 15000, 15}, {1.3, 0.0, false, 15000, 15}, {0.7, 0.68, true, 100, 1}};
    for (const auto& [setpoint, reading, open, soundMs, steps] : rows) {
        SCOPED_TRACE(::testing::Message() << reading << " to " << setpoint);
        Rig r;
        r.diving();
        if (open)
            r.tap("Image18");
        r.at(6000);
        r.s.ActiveSetpoint = setpoint;
        r.left.CellPO2 = {0, reading, reading, reading};
        r.sounds();
        r.at(6001);
        EXPECT_EQ(r.s.HandsetPO2, formatFixed(reading, 2));
        // Shut now, the valve keeps the tick due when this firing ends from firing again.
        r.tap("Image7");
        const Millis end = 6001 + 1000 * steps;
        r.at(end - 1);
        EXPECT_NEAR(open ? r.s.LoopPO2 - 0.21 : r.s.CounterlungVolume - 20,
                    (open ? 0.0625 : 1.25) * steps, 1e-9);
        r.at(end);
        const std::vector<std::string> sounds = r.sounds();
        EXPECT_EQ(sounds.front(), "6001 7:injectorshort.wav");
        EXPECT_NE(std::find(sounds.begin(), sounds.end(), std::to_string(6001 + soundMs) + " -7"),
                  sounds.end());
    }
}

// Low and high oxygen, cell spread and low battery, in that order of precedence; the
// master shows the warning screen, a slave only its own low battery. The warning tick runs
// at 1000 ms.
TEST(Warnings, ThresholdsAndPrecedence) {
    struct Row {
        double loopPO2, cellSpread, leftVolts, rightVolts;
        const char* message;
        int leftScreen, rightScreen;
    };
    const Row rows[] = {{0.7, 0, 6.2, 6.2, "", 17, 5},
                        {0.4, 0, 6.2, 6.2, "Warning: Low O2", 51, 5},
                        {0.40001, 0, 6.2, 6.2, "", 17, 5},
                        {1.6, 0, 6.2, 6.2, "Warning: High O2", 52, 5},
                        {1.59999, 0, 6.2, 6.2, "", 17, 5},
                        {0.7, 0.15, 6.2, 6.2, "", 17, 5},
                        {0.7, 0.15001, 6.2, 6.2, "Warning: Cell Warning", 50, 5},
                        {0.3, 0.3, 6.2, 6.2, "Warning: Cell Warning", 50, 5},
                        {0.7, 0, 5.3, 6.2, "Warning: Low Battery", 54, 5},
                        {0.7, 0, 5.30001, 6.2, "", 17, 5},
                        {1.7, 0, 5.2, 6.2, "Warning: High O2", 52, 5},
                        {0.7, 0, 5.2, 5.2, "Warning: Low Battery", 54, 5},
                        {0.7, 0, 6.2, 5.3, "Warning: Low Battery", 17, 54}};
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << row.loopPO2 << " " << row.cellSpread << " "
                                          << row.leftVolts << " " << row.rightVolts);
        Rig r;
        r.diving();
        r.at(999);
        r.s.LoopPO2 = row.loopPO2;
        r.s.CellSpread = row.cellSpread;
        r.left.BatteryVolts = row.leftVolts;
        r.right.BatteryVolts = row.rightVolts;
        r.left.CellPO2 = {0, 0.31, 0.29, 0.3};
        r.at(1000);
        EXPECT_EQ(r.status(1), row.message);
        EXPECT_EQ(r.left.Screen, row.leftScreen);
        EXPECT_EQ(r.right.Screen, row.rightScreen);
        EXPECT_EQ(r.text("Label14"),
                  row.leftScreen == 50 || row.leftScreen == 51 || row.leftScreen == 52
                      ? warningLine(row.leftScreen, r.left.CellPO2)
                      : "      MASTER   0.7        0.31       0.29       0.30");
    }
}

// The slow cell moves a quarter of the gap up and three quarters down; any other cell half
// of it. Cells without offsets at 10.5 mV in air read LoopPO2 × 50 mV/bar.
TEST(CellModel, SlowCellRatesAndTheReadoutFormats) {
    const std::tuple<int, double, double> rows[] = {
        {2, 5, 9}, {2, 25, 22}, {0, 5, 13}, {0, 25, 23}, {4, 5, 13}};
    for (const auto& [slowCell, startMillivolts, afterOneTick] : rows) {
        Rig r;
        for (std::size_t cell = 1; cell <= 3; ++cell)
            r.s.OxygenCells[cell] = {10.5, 21, 0};
        r.s.SlowCell = slowCell;
        r.s.LoopPO2 = 0.42;  // 21 mV
        r.s.OxygenCells[2].Millivolts = startMillivolts;
        r.at(502);
        EXPECT_NEAR(r.s.OxygenCells[2].Millivolts, afterOneTick, 1e-9) << slowCell;
        EXPECT_NEAR(r.s.OxygenCells[1].Millivolts, 21, 1e-9);
    }
    // Every ideal output 0: each output halves. 3.0 bar is the most a reading shows; a
    // negative reading keeps its sign.
    Rig r;
    r.diving();
    for (std::size_t cell = 1; cell <= 3; ++cell)
        r.s.OxygenCells[cell] = {10.5, 0, 0};
    r.s.LoopPO2 = 0;
    r.s.OxygenCells[1].Millivolts = 1.0;
    r.s.OxygenCells[2].Millivolts = 20.4;
    r.s.OxygenCells[3].Millivolts = -1.0;
    r.left.CellFactor = {0, 6.0, 0.1, 0.62};
    r.right.CellFactor = {0, 0.5, 0.05, 0.2};
    r.at(502);
    EXPECT_EQ(r.text("Label17"), ".50   10.20   -.50");
    EXPECT_EQ(r.text("Label14"), "      MASTER   0.7        2.55       1.02       -0.31");
    EXPECT_EQ(r.text("Label15"), "       SLAVE   0.7        0.25       0.51       -0.10");
}

// Held for its tick's two seconds on the master's main screen, the middle button switches
// the low setpoint to the high one, once, and wakes the display cycle.
TEST_F(RigTest, SetpointTickSwitchesLowToHighOnceAndWakesTheDisplayCycle) {
    diving();
    s.LoopPO2 = 0.7;  // no warning screen in the way
    at(1000);
    timer("Timer8").setEnabled(false);
    press("Label10");
    at(3000);
    EXPECT_EQ(s.ActiveSetpoint, 1.3);
    EXPECT_TRUE(timer("Timer8").enabled());
    at(5000);
    EXPECT_EQ(s.ActiveSetpoint, 1.3);
}

// The drift boxes applied one after the other, each with the cell it draws: which cells
// drift afterwards. Two cells drift together as the drawn cell and the next, cell 3
// followed by cell 1. Ticking one box unticks the other.
TEST(FailureInjection, DriftBoxesAppliedInTurnLeaveTheirOwnDrifts) {
    struct Step {
        const char* verb;
        const char* box;  // of the options window
        int drawn;
    };
    struct Case {
        std::vector<Step> steps;
        std::array<bool, 4> drifting;
    };
    const std::vector<Case> cases = {
        {{{"check", "Check5", 3}}, {false, true, false, true}},
        {{{"check", "Check5", 1}}, {false, true, true, false}},
        {{{"check", "Check4", 1}, {"check", "Check4", 2}}, {false, true, true, false}},
        {{{"check", "Check4", 1}, {"check", "Check5", 2}}, {false, false, true, true}},
        {{{"check", "Check5", 3}, {"check", "Check5", 1}}, {false, true, true, false}},
        {{{"check", "Check5", 1}, {"check", "Check4", 3}}, {false, true, true, true}},
        {{{"check", "Check4", 1}, {"uncheck", "Check4", 2}}, {false, false, false, false}},
        {{{"check", "Check5", 1}, {"uncheck", "Check5", 2}}, {false, false, false, false}},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        Rig r;
        Random& random = r.sim.context().random;
        for (const Step& step : cases[i].steps) {
            while (drawnCellFor(Random(random).next()) != step.drawn)
                random.next();
            r.act(*verbFromName(step.verb), std::string("Options.") + step.box);
            r.tap("Options.Command1");
            r.runFor(10);
        }
        for (std::size_t cell = 1; cell <= 3; ++cell)
            EXPECT_EQ(r.s.CellDrift[cell], cases[i].drifting[cell] ? 0.01 : 0)
                << i << " cell " << cell;
    }
}

}  // namespace
}  // namespace loopsim::test
