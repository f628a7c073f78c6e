#include <gtest/gtest.h>

#include <limits>

#include "core/Simulation.h"

namespace loopsim {
namespace {

struct BadSetting {
    const char* stored;
    double scrubberMinutes;  // what "CO2" gives
    double batteryVolts;     // what "LeftBattery" gives
};

// What a hand-edited or damaged settings file may hold. Not a number: the default;
// a number out of range: the nearer end of the range.
const BadSetting kBadSettings[] = {
    {"", 14, 6.2},
    {"   ", 14, 6.2},
    {"abc", 14, 6.2},
    {"6,5", 14, 6.2},
    {"1e308", 14, 6.2},
    {"1e400", 14, 6.2},
    {"nan", 14, 6.2},
    {"NaN", 14, 6.2},
    {"inf", 14, 6.2},
    {"-inf", 14, 6.2},
    {"Infinity", 14, 6.2},
    {"0x10", 14, 6.2},
    {"\x01\xff", 14, 6.2},
    {"-5", 0, 0},
    {"-0", 0, 0},
    {"12", 12, 10},
    {"99999999999", 1e7, 10},
    {" 5.35 ", 5.35, 5.35},
};

TEST(StoredSettings, BadTextsGiveTheDefaultAndNumbersAreHeldInRange) {
    for (const BadSetting& row : kBadSettings) {
        MemorySettingsStore store;
        store.values = {{"CO2", row.stored},
                        {"LeftTimer", row.stored},
                        {"LeftBattery", row.stored},
                        {"RightBattery", row.stored}};
        Simulation simulation(&store);
        const SimulationState& s = simulation.state();
        EXPECT_EQ(s.ScrubberMinutes, row.scrubberMinutes) << "'" << row.stored << "'";
        EXPECT_EQ(s.LeftHandset.OnMinutes, row.scrubberMinutes) << "'" << row.stored << "'";
        EXPECT_EQ(s.LeftHandset.BatteryVolts, row.batteryVolts) << "'" << row.stored << "'";
        EXPECT_EQ(s.RightHandset.BatteryVolts, row.batteryVolts) << "'" << row.stored << "'";
    }
}

TEST(StoredSettings, HugeNumbersSpelledOutAreHeldInRange) {
    MemorySettingsStore store;
    const std::string huge = "1" + std::string(300, '0');     // 1e300, finite
    const std::string tooHuge = "1" + std::string(400, '0');  // beyond a double
    store.values = {
        {"CO2", huge}, {"LeftTimer", "-" + huge}, {"LeftBattery", tooHuge}, {"RightBattery", huge}};
    Simulation simulation(&store);
    EXPECT_EQ(simulation.state().ScrubberMinutes, 1e7);
    EXPECT_EQ(simulation.state().LeftHandset.OnMinutes, 0);
    EXPECT_EQ(simulation.state().LeftHandset.BatteryVolts, 6.2);
    EXPECT_EQ(simulation.state().RightHandset.BatteryVolts, 10);
}

TEST(StoredSettings, WrittenBackAsPlainNumbersThatReadBackTheSame) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double infinity = std::numeric_limits<double>::infinity();
    Simulation simulation;
    SimulationState& s = simulation.state();
    s.ScrubberMinutes = nan;
    s.LeftHandset.OnMinutes = 2e7;
    s.LeftHandset.BatteryVolts = -infinity;
    s.RightHandset.BatteryVolts = -0.5;
    MemorySettingsStore store;
    simulation.saveSettings(store);
    EXPECT_EQ(store.values["CO2"], "14");
    EXPECT_EQ(store.values["LeftTimer"], "10000000");
    EXPECT_EQ(store.values["LeftBattery"], "6.2");
    EXPECT_EQ(store.values["RightBattery"], "0");

    Simulation next(&store);
    MemorySettingsStore again;
    next.saveSettings(again);
    EXPECT_EQ(again.values, store.values);
}

}  // namespace
}  // namespace loopsim
