#include "DivingUnit.h"

namespace loopsim::testing {
namespace {

// The warning tick runs at 1000 ms, right after the recording tick has opened row 1.
constexpr Millis kWarningTick = 1000;

// Low and high oxygen, cell spread and low battery, in that order of precedence; the
// master shows the warning screen, a slave only its own low battery.
TEST(Warnings, ThresholdsAndPrecedence) {
    struct Row {
        const char* name;
        double loopPO2;
        double cellSpread;
        double leftVolts;
        double rightVolts;
        const char* message;
        int alarms;
        int leftScreen;
        int rightScreen;
    };
    const Row rows[] = {
        {"quiet", 0.7, 0, 6.2, 6.2, "", 0, 17, 5},
        {"low at 0.4", 0.4, 0, 6.2, 6.2, "Warning: Low O2", 1, 51, 5},
        {"just above low", 0.40001, 0, 6.2, 6.2, "", 0, 17, 5},
        {"high at 1.6", 1.6, 0, 6.2, 6.2, "Warning: High O2", 1, 52, 5},
        {"just below high", 1.59999, 0, 6.2, 6.2, "", 0, 17, 5},
        {"spread at 0.15", 0.7, 0.15, 6.2, 6.2, "", 0, 17, 5},
        {"spread above 0.15", 0.7, 0.15001, 6.2, 6.2, "Warning: Cell Warning", 1, 50, 5},
        {"low and cell", 0.3, 0.3, 6.2, 6.2, "Warning: Cell Warning", 2, 50, 5},
        {"battery at 5.3", 0.7, 0, 5.3, 6.2, "Warning: Low Battery", 1, 54, 5},
        {"battery just above", 0.7, 0, 5.30001, 6.2, "", 0, 17, 5},
        {"high before battery", 1.7, 0, 5.2, 6.2, "Warning: High O2", 1, 52, 5},
        {"left battery first", 0.7, 0, 5.2, 5.2, "Warning: Low Battery", 1, 54, 5},
        {"slave battery", 0.7, 0, 6.2, 5.3, "Warning: Low Battery", 1, 17, 54}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        UnitRig r;
        r.at(kWarningTick - 1);
        r.s.LoopPO2 = row.loopPO2;
        r.s.CellSpread = row.cellSpread;
        r.s.LeftHandset.BatteryVolts = row.leftVolts;
        r.s.RightHandset.BatteryVolts = row.rightVolts;
        r.s.LeftHandset.CellPO2 = {0, 0.31, 0.29, 0.3};
        r.at(kWarningTick);
        EXPECT_EQ(r.statusAt(1), row.message);
        EXPECT_EQ(r.callsOn(3).size(), static_cast<std::size_t>(row.alarms));
        EXPECT_EQ(r.s.LeftHandset.Screen, row.leftScreen);
        EXPECT_EQ(r.s.RightHandset.Screen, row.rightScreen);
        const bool warning =
            row.leftScreen >= kCellWarningScreen && row.leftScreen <= kHighOxygenScreen;
        EXPECT_EQ(r.textOf("Label14"),
                  warning ? warningLine(row.leftScreen, r.s.LeftHandset.CellPO2)
                          : "      MASTER   0.7        0.31       0.29       0.30");
    }
}

TEST_F(DivingUnit, NoWarningWithoutAMasterMainScreen) {
    s.LeftHandset.Screen = 42;
    at(kWarningTick - 1);
    s.LoopPO2 = 0.3;
    at(kWarningTick);
    EXPECT_EQ(statusAt(1), "");
    EXPECT_EQ(s.LeftHandset.Screen, 42);
}

// The setpoint and switch-off ticks, started by hand once the start-up run has passed.
struct HandsetTicks : DivingUnit {
    void SetUp() override {
        s.LoopPO2 = 0.7;  // no warning screen in the way
        sim.clock().timer("Timer8").setEnabled(false);
        at(1000);  // the switch-off tick's run at start has found nothing to do
    }
};

TEST_F(HandsetTicks, SetpointGoesLowToHighAndWakesTheDisplayCycle) {
    s.SetpointSide = "L";
    sim.clock().timer("SetPointTimer").setEnabled(true);
    at(3000);
    EXPECT_EQ(s.ActiveSetpoint, 1.3);
    EXPECT_TRUE(timer("Timer8").enabled());
    EXPECT_FALSE(timer("SetPointTimer").enabled());
}

TEST_F(HandsetTicks, MasterSwitchedOffHandsOverToTheSlave) {
    s.SwitchOffSide = "Left";
    sim.clock().timer("SwitchOffTimer").setEnabled(true);
    at(2000);
    EXPECT_EQ(s.LeftHandset.UnitOn + s.LeftHandset.Screen + s.LeftHandset.IsMaster, 0);
    EXPECT_EQ(textOf("Label14"), "");
    EXPECT_EQ(element("Image2").picture(), "\\HSOn.jpg");
    EXPECT_EQ(s.RightHandset.IsMaster, 1);
    EXPECT_EQ(s.RightHandset.Screen, kMasterMainScreen);
    EXPECT_EQ(callsOn(1), (std::vector<SoundCall>{{2000, true, 1, "lowo2.wav"}}));
}

}  // namespace
}  // namespace loopsim::testing
