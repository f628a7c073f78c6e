#include <gtest/gtest.h>

#include <limits>
#include <map>
#include <string>

#include "simulation/Simulation.h"

namespace loopsim {
namespace {

// The start values the pre-dive scenario's first dump does not pin (it opens the valves and
// has the handsets read their cells before it is taken).
TEST(StartValues, FreshStartWithoutStoredSettings) {
    Simulation simulation;
    const SimulationState& s = simulation.state();
    EXPECT_EQ(s.LoopPO2, 0.21);
    EXPECT_EQ(s.CounterlungVolume, 20);
    EXPECT_EQ(s.OxygenValve, ValveState::Off);
    EXPECT_EQ(s.RightHandset.CellPO2[1], 0.2);
    EXPECT_FALSE(simulation.view().find("Label6")->isVisible());
}

// Their exact values, the same in every simulation, are pinned by the golden dumps.
TEST(StartValues, CellsTakeTheirRandomPartsInRange) {
    Simulation simulation;
    const auto& cells = simulation.state().OxygenCells;
    const double base[] = {0, 10.2, 11.0, 9.1};
    for (int cell = 1; cell <= 3; ++cell) {
        EXPECT_GE(cells[cell].AirMillivolts, base[cell]);
        EXPECT_LT(cells[cell].AirMillivolts, base[cell] + 1);
        EXPECT_EQ(cells[cell].Millivolts, 5);
        EXPECT_GT(cells[cell].OffsetMillivolts, -1);
        EXPECT_LT(cells[cell].OffsetMillivolts, 1);
        // The offset is kept in single precision.
        EXPECT_EQ(cells[cell].OffsetMillivolts, static_cast<float>(cells[cell].OffsetMillivolts));
    }
}

// What a hand-edited or damaged settings file may hold, given to all four settings. Not a
// number: the default; a number out of range: the nearer end of the range.
TEST(StoredSettings, BadTextsGiveTheDefaultAndNumbersAreHeldInRange) {
    struct Row {
        std::string stored;
        double scrubberMinutes;  // what "CO2" and "LeftTimer" give
        double batteryVolts;     // what "LeftBattery" and "RightBattery" give
    };
    const std::string huge = "1" + std::string(300, '0');  // 1e300 spelled out, finite
    const Row rows[] = {
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
        {huge + std::string(100, '0'), 14, 6.2},  // beyond a double
        {"-5", 0, 0},
        {"-0", 0, 0},
        {"-" + huge, 0, 0},
        {"12", 12, 10},
        {"99999999999", 1e7, 10},
        {huge, 1e7, 10},
        {" 5.35 ", 5.35, 5.35},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("'" + row.stored + "'");
        MemorySettingsStore store;
        store.values = {{"CO2", row.stored},
                        {"LeftTimer", row.stored},
                        {"LeftBattery", row.stored},
                        {"RightBattery", row.stored}};
        Simulation simulation(&store);
        const SimulationState& s = simulation.state();
        EXPECT_EQ(s.ScrubberMinutes, row.scrubberMinutes);
        EXPECT_EQ(s.LeftHandset.OnMinutes, row.scrubberMinutes);
        EXPECT_EQ(s.LeftHandset.BatteryVolts, row.batteryVolts);
        EXPECT_EQ(s.RightHandset.BatteryVolts, row.batteryVolts);
    }
}

TEST(StoredSettings, WrittenBackAsPlainNumbersThatReadBackTheSame) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double infinity = std::numeric_limits<double>::infinity();
    struct Row {
        double scrubber, onTime, left, right;
        std::map<std::string, std::string> written;
    };
    const Row rows[] = {
        {15,
         14,
         6.2 - 0.00006,
         6.2,
         {{"CO2", "15"}, {"LeftTimer", "14"}, {"LeftBattery", "6.19994"}, {"RightBattery", "6.2"}}},
        {nan,
         2e7,
         -infinity,
         -0.5,
         {{"CO2", "14"}, {"LeftTimer", "10000000"}, {"LeftBattery", "6.2"}, {"RightBattery", "0"}}},
    };
    for (const Row& row : rows) {
        Simulation simulation;
        SimulationState& s = simulation.state();
        s.ScrubberMinutes = row.scrubber;
        s.LeftHandset.OnMinutes = row.onTime;
        s.LeftHandset.BatteryVolts = row.left;
        s.RightHandset.BatteryVolts = row.right;
        MemorySettingsStore store;
        simulation.saveSettings(store);
        EXPECT_EQ(store.values, row.written);

        Simulation next(&store);
        MemorySettingsStore again;
        next.saveSettings(again);
        EXPECT_EQ(again.values, store.values);
    }
}

// Scenario files and session logs may hold numbers no pointer gives; each is held within
// what its field can take before it is converted (found by the random soak).
TEST(SimulationInput, SliderValuesBeyondAnIntegerAreHeldAtTheSlidersEnds) {
    const std::pair<const char*, int> moves[] = {
        {"99999999999", 15},
        {"-99999999999", 0},
        {"4294967296", 15},
        {"3.99", 3},
    };
    Simulation simulation;
    for (const auto& [value, minutes] : moves) {
        ASSERT_EQ(simulation.apply({Verb::Set, "Options.Slider1", value}), std::nullopt);
        EXPECT_EQ(simulation.view().find("Options.Slider1")->value(), minutes) << value;
    }
}

TEST(SimulationInput, HoldLongerThanAnyRunKeepsTheButtonPressed) {
    Simulation simulation;
    ASSERT_EQ(simulation.apply({Verb::Tap, "LHOO", {}}), std::nullopt);
    const std::string huge = "1" + std::string(300, '0');
    ASSERT_EQ(simulation.apply({Verb::Hold, "Label8", huge}), std::nullopt);
    simulation.advanceTo(3600 * 1000);
    EXPECT_EQ(simulation.view().find("Image2")->picture(), "\\HSLeft.jpg");
    EXPECT_EQ(simulation.state().LeftHandset.UnitOn, 0);  // the click never came
}

}  // namespace
}  // namespace loopsim
