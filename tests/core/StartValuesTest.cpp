#include <gtest/gtest.h>

#include "core/HandsetScreens.h"
#include "core/Simulation.h"

namespace loopsim {
namespace {

TEST(StartValues, FreshStartWithoutStoredSettings) {
    Simulation simulation;
    const SimulationState& s = simulation.state();
    EXPECT_EQ(s.ScrubberMinutes, 14);
    EXPECT_EQ(s.LeftHandset.OnMinutes, 14);
    EXPECT_EQ(s.RightHandset.OnMinutes, 0);
    EXPECT_EQ(s.LeftHandset.BatteryVolts, 6.2);
    EXPECT_EQ(s.RightHandset.BatteryVolts, 6.2);
    EXPECT_EQ(s.LoopPO2, 0.21);
    EXPECT_EQ(s.CounterlungVolume, 20);
    EXPECT_EQ(s.LoopCapacity, 16);
    EXPECT_EQ(s.AmbientPressure, 1013);
    EXPECT_EQ(s.OxygenAnalysis, 100);
    EXPECT_EQ(s.OxygenValve, "OFF");
    EXPECT_EQ(s.Mouthpiece, "Closed");
    EXPECT_EQ(s.SolenoidState, "Normal");
    EXPECT_EQ(s.ActiveSetpoint, 0.7);
    EXPECT_EQ(s.DisplayColour, (Rgb{30, 100, 30}));
    EXPECT_EQ(s.LeftHandset.CellFactor[2], 0.01818);
    EXPECT_EQ(s.RightHandset.CellPO2[1], 0.2);
    EXPECT_EQ(s.CalPressure, 1000);
    EXPECT_FALSE(simulation.view().find("Label6")->isVisible());
}

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

TEST(StartValues, EverySimulationDrawsTheSameSequence) {
    Simulation first;
    Simulation second;
    for (int cell = 1; cell <= 3; ++cell) {
        EXPECT_EQ(first.state().OxygenCells[cell].AirMillivolts,
                  second.state().OxygenCells[cell].AirMillivolts);
        EXPECT_EQ(first.state().OxygenCells[cell].OffsetMillivolts,
                  second.state().OxygenCells[cell].OffsetMillivolts);
    }
}

TEST(StartValues, StoredSettingsAreReadAsNumbersWithDefaultsForNonsense) {
    MemorySettingsStore store;
    store.values = {
        {"CO2", "181"}, {"LeftTimer", "twelve"}, {"LeftBattery", " 5.35"}, {"RightBattery", ""}};
    Simulation simulation(&store);
    EXPECT_EQ(simulation.state().ScrubberMinutes, 181);
    EXPECT_EQ(simulation.state().LeftHandset.OnMinutes, 14);
    EXPECT_EQ(simulation.state().LeftHandset.BatteryVolts, 5.35);
    EXPECT_EQ(simulation.state().RightHandset.BatteryVolts, 6.2);
}

TEST(StartValues, SettingsAreWrittenBackAsPlainNumbers) {
    Simulation simulation;
    simulation.state().ScrubberMinutes = 15;
    simulation.state().LeftHandset.BatteryVolts = 6.2 - 0.00006;
    MemorySettingsStore store;
    simulation.saveSettings(store);
    EXPECT_EQ(store.values["CO2"], "15");
    EXPECT_EQ(store.values["LeftTimer"], "14");
    EXPECT_EQ(store.values["LeftBattery"], "6.19994");
    EXPECT_EQ(store.values["RightBattery"], "6.2");
}

TEST(HandsetScreens, FixedTextsKeepEverySpace) {
    const auto screens = fixedHandsetScreens();
    const std::pair<int, std::size_t> lengths[] = {
        {1, 29},  {3, 36},  {4, 43},  {6, 31},  {7, 49},  {8, 36},  {9, 19},  {12, 51}, {13, 36},
        {14, 50}, {15, 51}, {16, 26}, {20, 32}, {21, 34}, {23, 44}, {24, 22}, {25, 21}, {26, 23},
        {28, 23}, {30, 20}, {31, 23}, {32, 16}, {33, 16}, {34, 16}, {44, 52}, {53, 20}, {54, 19}};
    std::size_t filled = 0;
    for (const std::string& text : screens)
        filled += text.empty() ? 0 : 1;
    EXPECT_EQ(filled, std::size(lengths));
    for (auto [slot, length] : lengths)
        EXPECT_EQ(screens[slot].size(), length) << "slot " << slot;
}

TEST(HandsetState, SlotsAndNamesAreTheSameFields) {
    HandsetState handset;
    handset.setSlot(1, 1);
    handset.setSlot(4, 0.35);
    handset.setSlot(8, 0.02307);
    handset.setSlot(14, 17);
    handset.setSlot(2, 99);  // unused slot
    EXPECT_EQ(handset.UnitOn, 1);
    EXPECT_EQ(handset.CellPO2[2], 0.35);
    EXPECT_EQ(handset.CellFactor[3], 0.02307);
    EXPECT_EQ(handset.Screen, 17);
    handset.BatteryVolts = 5.3;
    handset.IsMaster = 1;
    EXPECT_EQ(handset.slot(16), 5.3);
    EXPECT_EQ(handset.slot(12), 1);
    EXPECT_EQ(handset.slot(2), 0);
    EXPECT_EQ(handset.slot(0), 0);
}

}  // namespace
}  // namespace loopsim
