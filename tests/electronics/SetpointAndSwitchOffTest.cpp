#include "DivingUnit.h"

namespace loopsim::testing {
namespace {

struct HandsetTicks : DivingUnit {
    // The handset display ticks are left stopped, so that only these ticks enable them.
    void SetUp() override {
        DivingUnit::SetUp();
        s.LoopPO2 = 0.7;  // no warning screen in the way
        simulation.clock().timer("Timer8").setEnabled(false);
        simulation.clock().timer("Timer9").setEnabled(false);
        advanceTo(1000);  // the switch-off tick's first run at start has found nothing to do
    }

    void holdMiddleButton(const char* side) {
        s.SetpointSide = side;
        simulation.clock().timer("SetPointTimer").setEnabled(true);
        advanceTo(simulation.now() + 2000);
    }

    void holdTwoButtons(const char* side) {
        s.SwitchOffSide = side;
        simulation.clock().timer("SwitchOffTimer").setEnabled(true);
        advanceTo(simulation.now() + 1000);
    }
};

TEST_F(HandsetTicks, LowToHighWakesTheDisplayCycle) {
    holdMiddleButton("L");
    EXPECT_EQ(s.ActiveSetpoint, 1.3);
    EXPECT_TRUE(simulation.clock().timer("Timer8").enabled());
    EXPECT_FALSE(simulation.clock().timer("SetPointTimer").enabled());
}

TEST_F(HandsetTicks, HighToLowLeavesTheDisplayCycleAlone) {
    s.ActiveSetpoint = 1.3;
    holdMiddleButton("L");
    EXPECT_EQ(s.ActiveSetpoint, 0.7);
    EXPECT_FALSE(simulation.clock().timer("Timer8").enabled());
}

TEST_F(HandsetTicks, SetpointOfNeitherKindStays) {
    s.ActiveSetpoint = 1.0;
    holdMiddleButton("L");
    EXPECT_EQ(s.ActiveSetpoint, 1.0);
}

TEST_F(HandsetTicks, SlaveCannotChangeTheSetpoint) {
    holdMiddleButton("R");
    EXPECT_EQ(s.ActiveSetpoint, 0.7);
    EXPECT_FALSE(simulation.clock().timer("Timer9").enabled());
}

TEST_F(HandsetTicks, MasterSwitchedOffHandsOverToTheSlave) {
    simulation.view().element("Label14").setText("something");
    holdTwoButtons("Left");
    EXPECT_EQ(s.LeftHandset.UnitOn, 0);
    EXPECT_EQ(s.LeftHandset.Screen, 0);
    EXPECT_EQ(s.LeftHandset.IsMaster, 0);
    EXPECT_EQ(s.LeftHandset.SwitchOn, 1);
    EXPECT_EQ(textOf("Label14"), "");
    EXPECT_EQ(simulation.view().element("Image2").picture(), "\\HSOn.jpg");
    EXPECT_EQ(s.RightHandset.IsMaster, 1);
    EXPECT_EQ(s.RightHandset.Screen, kMasterMainScreen);
    EXPECT_EQ(callsOn(1), (std::vector<SoundCall>{{2000, true, 1, "lowo2.wav"}}));
    EXPECT_FALSE(simulation.clock().timer("SwitchOffTimer").enabled());
}

TEST_F(HandsetTicks, MasterSwitchedOffWithoutAWaitingSlaveStaysMaster) {
    s.RightHandset.Screen = 4;
    holdTwoButtons("Left");
    EXPECT_EQ(s.LeftHandset.UnitOn, 0);
    EXPECT_EQ(s.LeftHandset.IsMaster, 1);
    EXPECT_EQ(s.RightHandset.IsMaster, 0);
    EXPECT_TRUE(callsOn(1).empty());
}

TEST_F(HandsetTicks, SwitchOffNeedsTheHardwareSwitchOn) {
    s.RightHandset.SwitchOn = 0;
    holdTwoButtons("Right");
    EXPECT_EQ(s.RightHandset.UnitOn, 1);
    EXPECT_EQ(s.RightHandset.Screen, kSlaveMainScreen);
}

}  // namespace
}  // namespace loopsim::testing
