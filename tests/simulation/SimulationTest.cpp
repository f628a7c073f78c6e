#include <gtest/gtest.h>

#include <limits>
#include <map>
#include <set>
#include <string>

#include "instructor/OptionsDialog.h"
#include "simulation/Simulation.h"

namespace loopsim {
namespace {

// What a hand-edited or damaged settings file may hold, given to all four settings. Not a
// number: the default; a number out of range: the nearer end of the range.
TEST(StoredSettings, BadTextsGiveTheDefaultAndNumbersAreHeldInRange) {
    struct Row {
        std::vector<std::string> stored;
        double scrubberMinutes;  // what "CO2" and "LeftTimer" give
        double batteryVolts;     // what "LeftBattery" and "RightBattery" give
    };
    const std::string huge = "1" + std::string(300, '0');  // 1e300 spelled out, finite
    const Row rows[] = {
        // not numbers, and a number beyond a double
        {{"", "   ", "abc", "6,5", "1e308", "1e400", "nan", "NaN", "inf", "-inf", "Infinity",
          "0x10", "\x01\xff", huge + std::string(100, '0')},
         14,
         6.2},
        // below, within and above the range
        {{"-5", "-0", "-" + huge}, 0, 0},
        {{"12"}, 12, 10},
        {{"99999999999", huge}, 1e7, 10},
        {{" 5.35 "}, 5.35, 5.35},
    };
    for (const Row& row : rows)
        for (const std::string& stored : row.stored) {
            SCOPED_TRACE("'" + stored + "'");
            MemorySettingsStore store;
            for (const char* key : {"CO2", "LeftTimer", "LeftBattery", "RightBattery"})
                store.values[key] = stored;
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

// The options window lists each of its boxes once.
TEST(OptionsWindow, ListsEveryBoxOnce) {
    std::set<int> numbers;
    for (const OptionBox& box : optionBoxes())
        EXPECT_TRUE(numbers.insert(box.number).second) << box.number;
    EXPECT_EQ(numbers.size(), static_cast<std::size_t>(OptionsDialog::kBoxCount));
    EXPECT_EQ(*numbers.rbegin(), OptionsDialog::kBoxCount);
}

}  // namespace
}  // namespace loopsim
