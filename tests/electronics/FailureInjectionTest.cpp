#include "DivingUnit.h"
#include "tools/OptionsDialog.h"

namespace loopsim::testing {
namespace {

struct DrawCase {
    double uniform;
    int cell;
};

class CellDraw : public ::testing::TestWithParam<DrawCase> {};

TEST_P(CellDraw, RoundsThreeAndAHalfTimesTheDraw) {
    EXPECT_EQ(drawnCellFor(GetParam().uniform), GetParam().cell);
}

INSTANTIATE_TEST_SUITE_P(FailureInjection, CellDraw,
                         ::testing::Values(DrawCase{0.0, 0}, DrawCase{0.14, 0}, DrawCase{0.15, 1},
                                           DrawCase{0.42, 1}, DrawCase{0.43, 2}, DrawCase{0.71, 2},
                                           DrawCase{0.72, 3}, DrawCase{0.9999, 3}));

struct Injection : DivingUnit {
    OptionsDialog& dialog() { return simulation.optionsDialog(); }
    void tick(int box, bool ticked = true) { dialog().setTicked(box, ticked); }

    // Confirms the options now and runs until the option tick has applied them (no delay).
    void applyNow() {
        act(Verb::Tap, "Options.Command1");
        advanceTo(simulation.now() + 10);
    }

    int optionsChangedRows() const {
        int rows = 0;
        for (int row = 0; row <= s.RecordIndex; ++row)
            rows += statusAt(row) == "Options Changed" ? 1 : 0;
        return rows;
    }
};

TEST_F(Injection, TwoMinuteDelayNotesTheChangeThirteenTimes) {
    tick(2);
    act(Verb::Set, "Options.Slider1", "2");
    advanceTo(5000);
    act(Verb::Tap, "Options.Command1");
    // Ticks at 5010, 15010, ... 125010: the last one is the first at least 120 s on.
    advanceTo(115010);
    EXPECT_EQ(s.DarkAtDepth, 0);
    EXPECT_EQ(optionsChangedRows(), 12);
    advanceTo(125010);
    EXPECT_EQ(s.DarkAtDepth, 1);
    EXPECT_FALSE(simulation.clock().timer("OptionTimer").enabled());
    advanceTo(200000);
    EXPECT_EQ(optionsChangedRows(), 13);
}

TEST_F(Injection, NoDelayAppliesOnTheFirstTick) {
    tick(2);
    advanceTo(3000);
    act(Verb::Tap, "Options.Command1");
    advanceTo(3009);
    EXPECT_EQ(s.DarkAtDepth, 0);
    advanceTo(3010);
    EXPECT_EQ(s.DarkAtDepth, 1);
    EXPECT_EQ(statusAt(3), "Options Changed");
    advanceTo(60000);
    EXPECT_EQ(optionsChangedRows(), 1);
}

TEST_F(Injection, ConfirmingAgainRestartsTheDelay) {
    tick(2);
    act(Verb::Set, "Options.Slider1", "1");
    act(Verb::Tap, "Options.Command1");
    advanceTo(30000);
    act(Verb::Tap, "Options.Command1");
    advanceTo(80000);
    EXPECT_EQ(s.DarkAtDepth, 0);
    advanceTo(90010);
    EXPECT_EQ(s.DarkAtDepth, 1);
}

TEST_F(Injection, CellDriftActsAndTwoApplicationsLeaveTwoCellsDrifting) {
    tick(4);
    steerCellDraws(simulation.context().random, {2});
    applyNow();
    EXPECT_EQ(s.CellDrift, (CellValues{0, 0, 0.01, 0}));
    advanceTo(2000);
    steerCellDraws(simulation.context().random, {3});
    applyNow();
    EXPECT_GT(s.CellDrift[2], 0.01);
    EXPECT_EQ(s.CellDrift[3], 0.01);
    EXPECT_EQ(s.CellDrift[1], 0);

    tick(4, false);
    applyNow();
    EXPECT_EQ(s.CellDrift[1] + s.CellDrift[2] + s.CellDrift[3], 0);
}

TEST_F(Injection, ConcurrentDriftFromCellThreeWrapsToCellOne) {
    tick(5);
    steerCellDraws(simulation.context().random, {3});
    applyNow();
    EXPECT_EQ(s.CellDrift, (CellValues{0, 0.01, 0, 0.01}));
}

TEST_F(Injection, ConcurrentDriftDrawingNoCellDriftsOnlyCellOne) {
    tick(5);
    steerCellDraws(simulation.context().random, {0});
    applyNow();
    EXPECT_EQ(s.CellDrift, (CellValues{0.01, 0.01, 0, 0}));
}

TEST_F(Injection, ClearedCellFailureRestoresTheLastDrawnCellNotTheFailedOne) {
    tick(6);
    steerCellDraws(simulation.context().random, {1});
    applyNow();
    EXPECT_EQ(s.OxygenCells[1].Millivolts, 0);

    tick(6, false);
    tick(3);
    steerCellDraws(simulation.context().random, {2});
    applyNow();
    EXPECT_EQ(s.SlowCell, 2);
    EXPECT_EQ(s.OxygenCells[2].Millivolts, 10);
    EXPECT_EQ(s.OxygenCells[1].Millivolts, 0);
}

struct SolenoidCase {
    bool stuckClosed;
    bool stuckOpen;
    const char* state;
};

class SolenoidOption : public Injection, public ::testing::WithParamInterface<SolenoidCase> {};

TEST_P(SolenoidOption, OpenWinsOverClosed) {
    tick(8, GetParam().stuckClosed);
    tick(11, GetParam().stuckOpen);
    applyNow();
    EXPECT_EQ(s.SolenoidState, GetParam().state);
}

INSTANTIATE_TEST_SUITE_P(FailureInjection, SolenoidOption,
                         ::testing::Values(SolenoidCase{false, false, "Normal"},
                                           SolenoidCase{true, false, "Closed"},
                                           SolenoidCase{false, true, "Open"},
                                           SolenoidCase{true, true, "Open"}));

struct BatteryCase {
    bool low;
    bool exhausted;
    bool rightIsMaster;
    double leftVolts;
    double rightVolts;
};

class BatteryOption : public Injection, public ::testing::WithParamInterface<BatteryCase> {};

TEST_P(BatteryOption, SetsTheMastersBattery) {
    const BatteryCase& c = GetParam();
    if (c.rightIsMaster)
        std::swap(s.LeftHandset.IsMaster, s.RightHandset.IsMaster);
    tick(9, c.low);
    tick(10, c.exhausted);
    applyNow();
    EXPECT_EQ(s.LeftHandset.BatteryVolts, c.leftVolts);
    EXPECT_EQ(s.RightHandset.BatteryVolts, c.rightVolts);
}

INSTANTIATE_TEST_SUITE_P(FailureInjection, BatteryOption,
                         ::testing::Values(BatteryCase{false, false, false, 6.2, 6.2},
                                           BatteryCase{true, false, false, 5.3, 6.2},
                                           BatteryCase{false, true, false, 4.9, 6.2},
                                           BatteryCase{true, true, false, 5.3, 6.2},
                                           BatteryCase{true, false, true, 6.2, 5.3}));

TEST_F(Injection, LowMasterBatteryIsWarnedWithinASecond) {
    tick(9);
    advanceTo(2500);
    applyNow();
    advanceTo(3000);
    EXPECT_EQ(s.LeftHandset.Screen, kLowBatteryScreen);
    EXPECT_EQ(statusAt(3), "Warning: Low Battery");
}

TEST_F(Injection, FlagsFollowTheirBoxes) {
    const std::pair<int, int SimulationState::*> flags[] = {
        {12, &SimulationState::AdvFailed},
        {13, &SimulationState::AdvFreeFlow},
        {14, &SimulationState::OxygenInjectorFailed},
        {15, &SimulationState::OxygenInjectorStuckOn},
        {16, &SimulationState::DiluentInjectorStuckOn},
        {17, &SimulationState::DiluentInjectorFailed},
        {21, &SimulationState::OxygenButtonMissing},
        {22, &SimulationState::DumpValveFailed},
        {23, &SimulationState::DiluentButtonMissing},
    };
    for (const auto& [box, field] : flags) {
        tick(box);
        applyNow();
        EXPECT_EQ(s.*field, 1) << box;
        for (const auto& [other, otherField] : flags) {
            if (other != box) {
                EXPECT_EQ(s.*otherField, 0) << box << " set " << other;
            }
        }
        tick(box, false);
    }
    applyNow();
    for (const auto& [box, field] : flags)
        EXPECT_EQ(s.*field, 0) << box;
}

TEST_F(Injection, PhysicalFailuresChangeThePictures) {
    tick(21);
    tick(22);
    tick(23);
    applyNow();
    EXPECT_EQ(simulation.view().element("Image8").picture(), "\\DumpFail.jpg");
    EXPECT_EQ(simulation.view().element("Image6").picture(), "\\ManualAddMissing.jpg");
    EXPECT_EQ(simulation.view().element("Image5").picture(), "\\ManualAddMissing.jpg");
    tick(21, false);
    tick(22, false);
    tick(23, false);
    applyNow();
    EXPECT_EQ(simulation.view().element("Image8").picture(), "\\Dump.jpg");
    EXPECT_EQ(simulation.view().element("Image6").picture(), "\\O2Butt.jpg");
    EXPECT_EQ(simulation.view().element("Image5").picture(), "\\DiluentButt.jpg");
}

TEST_F(Injection, HandsetFloodStartsAndStopsTheFloodTick) {
    tick(20);
    applyNow();
    EXPECT_TRUE(simulation.clock().timer("FloodTimer").enabled());
    tick(20, false);
    applyNow();
    EXPECT_FALSE(simulation.clock().timer("FloodTimer").enabled());
}

TEST_F(Injection, MasterKnockedOffHandsOverToTheWaitingSlave) {
    tick(19);
    applyNow();
    EXPECT_EQ(s.LeftHandset.UnitOn, 0);
    EXPECT_EQ(s.LeftHandset.Screen, 0);
    EXPECT_EQ(s.LeftHandset.IsMaster, 0);
    EXPECT_EQ(s.LeftHandset.SwitchOn, 1);
    EXPECT_EQ(s.RightHandset.IsMaster, 1);
    EXPECT_EQ(s.RightHandset.Screen, kMasterMainScreen);
    EXPECT_EQ(callsOn(1), (std::vector<SoundCall>{{10, true, 1, "lowo2.wav"}}));
    EXPECT_FALSE(dialog().isTicked(19));
}

TEST_F(Injection, MasterKnockedOffWithTheSlaveStillStartingLeavesNoMaster) {
    s.RightHandset.Screen = 4;
    tick(19);
    applyNow();
    EXPECT_EQ(s.LeftHandset.IsMaster, 0);
    EXPECT_EQ(s.RightHandset.IsMaster, 0);
    EXPECT_EQ(s.RightHandset.Screen, 4);
    EXPECT_TRUE(callsOn(1).empty());
    EXPECT_FALSE(dialog().isTicked(19));
}

TEST_F(Injection, SlaveKnockedOffOnceOnly) {
    tick(18);
    applyNow();
    EXPECT_EQ(s.RightHandset.UnitOn, 0);
    EXPECT_EQ(s.RightHandset.Screen, 0);
    EXPECT_EQ(s.LeftHandset.UnitOn, 1);
    EXPECT_FALSE(dialog().isTicked(18));
    s.RightHandset.UnitOn = 1;
    s.RightHandset.Screen = kSlaveMainScreen;
    applyNow();
    EXPECT_EQ(s.RightHandset.UnitOn, 1);
}

TEST_F(Injection, NothingTickedPutsEveryOptionInItsClearedState) {
    s.DarkAtDepth = 1;
    s.SlowCell = 2;
    s.CellDrift = {0, 0.5, 0.5, 0.5};
    s.SolenoidState = "Closed";
    s.AdvFreeFlow = 1;
    applyNow();
    EXPECT_EQ(s.DarkAtDepth, 0);
    EXPECT_EQ(s.SlowCell, 0);
    EXPECT_EQ(s.CellDrift, (CellValues{0, 0, 0, 0}));
    EXPECT_EQ(s.SolenoidState, "Normal");
    EXPECT_EQ(s.AdvFreeFlow, 0);
    EXPECT_EQ(s.LeftHandset.BatteryVolts, 6.2);
}

}  // namespace
}  // namespace loopsim::testing
