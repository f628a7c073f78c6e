#include "DivingUnit.h"

namespace loopsim::testing {
namespace {

// The warning tick runs at 1000 ms, right after the recording tick has opened row 1.
constexpr Millis kWarningTick = 1000;

struct WarningCase {
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

class WarningTick : public DivingUnit, public ::testing::WithParamInterface<WarningCase> {};

TEST_P(WarningTick, ThresholdsAndPrecedence) {
    const WarningCase& c = GetParam();
    advanceTo(kWarningTick - 1);
    s.LoopPO2 = c.loopPO2;
    s.CellSpread = c.cellSpread;
    s.LeftHandset.BatteryVolts = c.leftVolts;
    s.RightHandset.BatteryVolts = c.rightVolts;
    s.LeftHandset.CellPO2 = {0, 0.31, 0.29, 0.3};
    advanceTo(kWarningTick);

    EXPECT_EQ(statusAt(1), c.message);
    EXPECT_EQ(callsOn(3).size(), static_cast<std::size_t>(c.alarms));
    EXPECT_EQ(s.LeftHandset.Screen, c.leftScreen);
    EXPECT_EQ(s.RightHandset.Screen, c.rightScreen);
    if (c.leftScreen >= kCellWarningScreen && c.leftScreen <= kHighOxygenScreen)
        EXPECT_EQ(textOf("Label14"), warningLine(c.leftScreen, s.LeftHandset.CellPO2));
    else
        EXPECT_EQ(textOf("Label14"), "      MASTER   0.7        0.31       0.29       0.30");
}

INSTANTIATE_TEST_SUITE_P(
    Warnings, WarningTick,
    ::testing::Values(
        WarningCase{"Quiet", 0.7, 0, 6.2, 6.2, "", 0, 17, 5},
        WarningCase{"LowAt04", 0.4, 0, 6.2, 6.2, "Warning: Low O2", 1, 51, 5},
        WarningCase{"JustAboveLow", 0.40001, 0, 6.2, 6.2, "", 0, 17, 5},
        WarningCase{"HighAt16", 1.6, 0, 6.2, 6.2, "Warning: High O2", 1, 52, 5},
        WarningCase{"JustBelowHigh", 1.59999, 0, 6.2, 6.2, "", 0, 17, 5},
        WarningCase{"SpreadAt015", 0.7, 0.15, 6.2, 6.2, "", 0, 17, 5},
        WarningCase{"SpreadAbove015", 0.7, 0.15001, 6.2, 6.2, "Warning: Cell Warning", 1, 50, 5},
        WarningCase{"LowAndCell", 0.3, 0.3, 6.2, 6.2, "Warning: Cell Warning", 2, 50, 5},
        WarningCase{"BatteryAt53", 0.7, 0, 5.3, 6.2, "Warning: Low Battery", 1, 54, 5},
        WarningCase{"BatteryJustAbove", 0.7, 0, 5.30001, 6.2, "", 0, 17, 5},
        WarningCase{"HighBeforeBattery", 1.7, 0, 5.2, 6.2, "Warning: High O2", 1, 52, 5},
        WarningCase{"LeftBatteryFirst", 0.7, 0, 5.2, 5.2, "Warning: Low Battery", 1, 54, 5},
        WarningCase{"SlaveBattery", 0.7, 0, 6.2, 5.3, "Warning: Low Battery", 1, 17, 54}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DivingUnit, NoWarningWithoutAMasterMainScreen) {
    s.LeftHandset.Screen = 42;
    advanceTo(kWarningTick - 1);
    s.LoopPO2 = 0.3;
    advanceTo(kWarningTick);
    EXPECT_EQ(statusAt(1), "");
    EXPECT_EQ(s.LeftHandset.Screen, 42);
}

}  // namespace
}  // namespace loopsim::testing
