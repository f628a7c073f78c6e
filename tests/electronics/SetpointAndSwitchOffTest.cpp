#include "DivingUnit.h"

namespace loopsim::testing {
namespace {

struct HandsetTicks : DivingUnit {
    void SetUp() override {
        DivingUnit::SetUp();
        s.LoopPO2 = 0.7;  // no warning screen in the way
        simulation.clock().timer("Timer8").setEnabled(false);
        advanceTo(1000);  // the switch-off tick's run at start has found nothing to do
    }
};

TEST_F(HandsetTicks, SetpointGoesLowToHighAndWakesTheDisplayCycle) {
    s.SetpointSide = "L";
    simulation.clock().timer("SetPointTimer").setEnabled(true);
    advanceTo(3000);
    EXPECT_EQ(s.ActiveSetpoint, 1.3);
    EXPECT_TRUE(simulation.clock().timer("Timer8").enabled());
    EXPECT_FALSE(simulation.clock().timer("SetPointTimer").enabled());
}

TEST_F(HandsetTicks, MasterSwitchedOffHandsOverToTheSlave) {
    s.SwitchOffSide = "Left";
    simulation.clock().timer("SwitchOffTimer").setEnabled(true);
    advanceTo(2000);
    EXPECT_EQ(s.LeftHandset.UnitOn + s.LeftHandset.Screen + s.LeftHandset.IsMaster, 0);
    EXPECT_EQ(textOf("Label14"), "");
    EXPECT_EQ(simulation.view().element("Image2").picture(), "\\HSOn.jpg");
    EXPECT_EQ(s.RightHandset.IsMaster, 1);
    EXPECT_EQ(s.RightHandset.Screen, kMasterMainScreen);
    EXPECT_EQ(callsOn(1), (std::vector<SoundCall>{{2000, true, 1, "lowo2.wav"}}));
}

}  // namespace
}  // namespace loopsim::testing
