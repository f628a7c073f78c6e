#include "DivingUnit.h"
#include "instructor/OptionsDialog.h"

namespace loopsim::testing {
namespace {

// The option tick applies the ticked boxes; a two-minute delay is played in FailureDrillTest.
struct Injection : DivingUnit {
    void tick(int box, bool ticked = true) { sim.optionsDialog().setTicked(box, ticked); }
    void steer(const std::vector<int>& cells) { steerCellDraws(sim.context().random, cells); }
    // Confirms with no delay and runs until the option tick has applied the options.
    void applyNow() {
        act(Verb::Tap, "Options.Command1");
        at(sim.now() + 10);
    }
};

TEST_F(Injection, CellDriftActsAloneAndTwiceLeavesTwoCellsDrifting) {
    tick(4);
    steer({2});
    applyNow();
    EXPECT_EQ(s.CellDrift, (CellValues{0, 0, 0.01, 0}));
    steer({3});
    applyNow();
    EXPECT_EQ(s.CellDrift, (CellValues{0, 0, 0.01, 0.01}));
    tick(4, false);
    applyNow();
    EXPECT_EQ(s.CellDrift, (CellValues{0, 0, 0, 0}));
}

TEST_F(Injection, ConcurrentDriftWrapsFromCellThreeAndFromNoCellDriftsCellOne) {
    tick(5);
    steer({3});
    applyNow();
    EXPECT_EQ(s.CellDrift, (CellValues{0, 0.01, 0, 0.01}));
    s.CellDrift = {};
    steer({0});
    applyNow();
    EXPECT_EQ(s.CellDrift, (CellValues{0.01, 0.01, 0, 0}));
}

TEST_F(Injection, ClearedCellFailureRestoresTheLastDrawnCellNotTheFailedOne) {
    tick(6);
    steer({1});
    applyNow();
    EXPECT_EQ(s.OxygenCells[1].Millivolts, 0);
    tick(6, false);
    tick(3);
    steer({2});
    applyNow();
    EXPECT_EQ(s.SlowCell, 2);
    EXPECT_EQ(s.OxygenCells[2].Millivolts, 10);
    EXPECT_EQ(s.OxygenCells[1].Millivolts, 0);
}

TEST_F(Injection, StuckOpenWinsAndLowBatteryIsWarnedWithinASecond) {
    tick(8);
    tick(11);  // both, as only a direct write can leave them
    tick(9);
    at(2500);
    applyNow();
    EXPECT_EQ(s.SolenoidState, SolenoidCondition::StuckOpen);
    EXPECT_EQ(s.LeftHandset.BatteryVolts, 5.3);
    at(3000);
    EXPECT_EQ(s.LeftHandset.Screen, kLowBatteryScreen);
    EXPECT_EQ(statusAt(3), "Warning: Low Battery");
}

TEST_F(Injection, KnockedOffMasterHandsOverOnceAndItsBoxClears) {
    tick(19);
    applyNow();
    EXPECT_EQ(s.LeftHandset.UnitOn + s.LeftHandset.Screen + s.LeftHandset.IsMaster, 0);
    EXPECT_EQ(s.LeftHandset.SwitchOn, 1);
    EXPECT_EQ(s.RightHandset.IsMaster, 1);
    EXPECT_EQ(s.RightHandset.Screen, kMasterMainScreen);
    EXPECT_EQ(callsOn(1), (std::vector<SoundCall>{{10, true, 1, "lowo2.wav"}}));
    EXPECT_FALSE(sim.optionsDialog().isTicked(19));
    applyNow();
    EXPECT_EQ(s.RightHandset.IsMaster, 1);
}

TEST_F(Injection, KnockedOffMasterWithTheSlaveStillStartingLeavesNoMaster) {
    s.RightHandset.Screen = 4;
    tick(19);
    applyNow();
    EXPECT_EQ(s.LeftHandset.IsMaster + s.RightHandset.IsMaster, 0);
    EXPECT_TRUE(callsOn(1).empty());
}

}  // namespace
}  // namespace loopsim::testing
