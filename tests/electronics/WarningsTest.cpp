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
    int leftScreenBefore;
    int rightScreenBefore;
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
    s.LeftHandset.Screen = c.leftScreenBefore;
    s.RightHandset.Screen = c.rightScreenBefore;
    if (c.rightScreenBefore == 0)
        s.RightHandset.UnitOn = 0;
    advanceTo(kWarningTick);

    EXPECT_EQ(statusAt(1), c.message);
    EXPECT_EQ(callsOn(3).size(), static_cast<std::size_t>(c.alarms));
    for (const SoundCall& call : callsOn(3))
        EXPECT_EQ(call, (SoundCall{kWarningTick, true, 3, "LowO2.wav"}));
    EXPECT_EQ(s.LeftHandset.Screen, c.leftScreen);
    EXPECT_EQ(s.RightHandset.Screen, c.rightScreen);
}

INSTANTIATE_TEST_SUITE_P(
    Warnings, WarningTick,
    ::testing::Values(
        WarningCase{"Quiet", 0.7, 0, 6.2, 6.2, 17, 5, "", 0, 17, 5},
        WarningCase{"LowAtBoundary", 0.4, 0, 6.2, 6.2, 17, 5, "Warning: Low O2", 1, 51, 5},
        WarningCase{"JustAboveLow", 0.40001, 0, 6.2, 6.2, 17, 5, "", 0, 17, 5},
        WarningCase{"HighAtBoundary", 1.6, 0, 6.2, 6.2, 17, 5, "Warning: High O2", 1, 52, 5},
        WarningCase{"JustBelowHigh", 1.59999, 0, 6.2, 6.2, 17, 5, "", 0, 17, 5},
        WarningCase{"SpreadAtBoundary", 0.7, 0.15, 6.2, 6.2, 17, 5, "", 0, 17, 5},
        WarningCase{"SpreadAbove", 0.7, 0.15001, 6.2, 6.2, 17, 5, "Warning: Cell Warning", 1, 50,
                    5},
        WarningCase{"LowAndCell", 0.3, 0.3, 6.2, 6.2, 17, 5, "Warning: Cell Warning", 2, 50, 5},
        WarningCase{"LowAndBattery", 0.3, 0, 5.2, 6.2, 17, 5, "Warning: Low Battery", 2, 54, 5},
        WarningCase{"BatteryAtBoundary", 0.7, 0, 5.3, 6.2, 17, 5, "Warning: Low Battery", 1, 54, 5},
        WarningCase{"BatteryJustAbove", 0.7, 0, 5.30001, 6.2, 17, 5, "", 0, 17, 5},
        WarningCase{"HighBeforeBattery", 1.7, 0, 5.2, 6.2, 17, 5, "Warning: High O2", 1, 52, 5},
        WarningCase{"CellBeforeBattery", 0.7, 0.2, 5.2, 6.2, 17, 5, "Warning: Cell Warning", 1, 50,
                    5},
        WarningCase{"LeftBatteryFirst", 0.7, 0, 5.2, 5.2, 17, 5, "Warning: Low Battery", 1, 54, 5},
        WarningCase{"SlaveBattery", 0.7, 0, 6.2, 5.3, 17, 5, "Warning: Low Battery", 1, 17, 54},
        WarningCase{"SwitchedOffBattery", 0.7, 0, 6.2, 5.0, 17, 0, "Warning: Low Battery", 1, 17,
                    54},
        WarningCase{"GoneWarningCleared", 0.7, 0, 6.2, 6.2, 51, 5, "", 0, 17, 5},
        WarningCase{"SlaveStaysOnItsWarning", 0.7, 0, 6.2, 6.2, 17, 54, "", 0, 17, 54},
        WarningCase{"NoMasterScreen", 0.3, 0.3, 5.0, 5.0, 42, 5, "", 0, 42, 5}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DivingUnit, WarningLineShowsTheMastersOwnReadings) {
    advanceTo(kWarningTick - 1);
    s.LoopPO2 = 0.3;
    s.LeftHandset.CellPO2 = {0, 0.31, 0.29, 0.3};
    advanceTo(kWarningTick);
    EXPECT_EQ(textOf("Label14"), "      LOW OXYGEN         0.31       0.29       0.30");
}

TEST_F(DivingUnit, RightMasterWarnsOnItsOwnDisplay) {
    std::swap(s.LeftHandset.IsMaster, s.RightHandset.IsMaster);
    std::swap(s.LeftHandset.Screen, s.RightHandset.Screen);
    advanceTo(kWarningTick - 1);
    s.LoopPO2 = 0.7;
    s.CellSpread = 0.5;
    s.RightHandset.CellPO2 = {0, 0.7, 0.71, 1.2};
    advanceTo(kWarningTick);
    EXPECT_EQ(s.RightHandset.Screen, kCellWarningScreen);
    EXPECT_EQ(textOf("Label15"), "    CELL WARNING            0.70       0.71       1.20");
    EXPECT_EQ(textOf("Label14").substr(0, 15), "       SLAVE   ");
}

TEST_F(DivingUnit, MasterMainLineIsRedrawnEverySecond) {
    advanceTo(kWarningTick - 1);
    s.LoopPO2 = 0.7;
    s.ActiveSetpoint = 1.3;
    s.LeftHandset.CellPO2 = {0, 0.7, 0.71, 0.72};
    advanceTo(kWarningTick);
    EXPECT_EQ(textOf("Label14"), "      MASTER   1.3        0.70       0.71       0.72");
}

TEST_F(DivingUnit, WithSoundOffWarningsStillShowAndAreRecorded) {
    s.SoundEnabled = 0;
    advanceTo(kWarningTick - 1);
    s.LoopPO2 = 1.7;
    advanceTo(kWarningTick);
    EXPECT_TRUE(callsOn(3).empty());
    EXPECT_EQ(statusAt(1), "Warning: High O2");
    EXPECT_EQ(s.LeftHandset.Screen, kHighOxygenScreen);
}

}  // namespace
}  // namespace loopsim::testing
