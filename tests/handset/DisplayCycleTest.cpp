#include <gtest/gtest.h>

#include <string>

#include "HandsetFixture.h"

namespace loopsim {
namespace {

const std::string kUntouched = "(untouched)";

struct DisplayRig : HandsetRig {
    DisplayRig() {
        s.ScrubberMinutes = 75;
        left.OnMinutes = 130;
        s.FailedCell = 2;
        s.DrawnCell = 3;
        s.CalPressure = 990;
        s.CalOxygenPercent = 98;
        left.HighSetpoint = 1.25;
        left.LowSetpoint = 0.65;
        left.Brightness = 7;
        left.CellPO2 = {0, 0.21, 1.234, -0.5};
        left.IsMaster = 1;
        left.BatteryVolts = 6.2;
    }

    // One run of the left display tick on the given screen.
    void tickOn(int screen) {
        putOn(left, screen);
        sim.view().element("Label14").setText(kUntouched);
        runTimer("Timer8");
    }
};

struct DisplayCycleFixture : ::testing::Test, DisplayRig {};

TEST_F(DisplayCycleFixture, EachScreenShowsItsTextAndMovesOn) {
    const std::string scrubber = "     Elapsed ON Time     1 hrs 15 mins";
    const std::string onTime = "     Elapsed ON Time     2 hrs 10 mins";
    const std::string replaceCell2 = "      CELL 2 FAILURE      REPLACE";
    const std::string replaceCell3 = "      CELL 3 FAILURE      REPLACE";
    const std::string readings = "0.21       1.23       -0.50";
    struct Row {
        int screen;
        std::string text;  // "slot": the fixed text of the screen's own slot
        int next;
    };
    // Screens whose text is the fixed text of their own slot, with the screen each goes to.
    const std::pair<int, int> fixed[] = {{1, 2},   {3, 2},   {6, 7},   {7, 6},   {8, 9},   {9, 8},
                                         {12, 10}, {13, 13}, {14, 14}, {15, 15}, {16, 16}, {20, 20},
                                         {21, 21}, {23, 24}, {24, 25}, {25, 23}, {26, 26}, {28, 29},
                                         {30, 31}, {31, 27}, {44, 43}, {54, 54}};
    std::vector<Row> rows = {
        {0, "", 0},
        {2, scrubber, 3},
        {5, kUntouched, 5},
        {10, std::string(32, ' ') + "CELL 2 FAILURE", 11},
        {11, replaceCell2, 12},
        {17, kUntouched, 17},
        {18, "    Ambient Pressure      Down   990mb     Up ", 18},
        {19, "      OXYGEN %      Down    98%     Up ", 19},
        {27, replaceCell3, 28},
        {29, replaceCell3, 30},
        {40, "     HIGH SETPOINT       Down    1.25    UP  ", 40},
        {41, "     LOW SETPOINT        Down    0.65     UP  ", 41},
        {42, "      BRIGHTNESS       Down   7      UP  ", 42},
        {43, onTime, 44},
        {45, onTime, 17},
        {50, "    CELL WARNING            " + readings, 50},
        {51, "      LOW OXYGEN         " + readings, 51},
        {52, "      HIGH OXYGEN         " + readings, 52},
        {53, "", 53},
        {99, "", 99},
    };
    for (auto [screen, next] : fixed)
        rows.push_back({screen, "slot", next});
    for (const Row& row : rows) {
        DisplayRig fresh;
        fresh.tickOn(row.screen);
        const std::string expected =
            row.text == "slot" ? fresh.s.HandsetScreens[static_cast<std::size_t>(row.screen)]
                               : row.text;
        EXPECT_EQ(fresh.text("Label14"), expected) << "screen " << row.screen;
        EXPECT_EQ(fresh.left.Screen, row.next) << "screen " << row.screen;
    }
}

TEST_F(DisplayCycleFixture, StartupCheckLimits) {
    struct Row {
        double cell1, cell2, cell3, volts;
        int master;
        int screen;
        int failedCell;
    };
    const Row rows[] = {
        {11.1, 11.6, 9.5, 6.2, 1, 10, 1}, {11.0, 11.9, 9.5, 6.2, 1, 2, 0},
        {6.9, 11.6, 9.5, 6.2, 1, 10, 1},  {7.0, 11.6, 9.5, 6.2, 1, 2, 0},
        {10.5, 6.99, 9.5, 6.2, 1, 10, 2}, {10.5, 11.6, 6.9, 6.2, 1, 10, 3},
        {10.5, 30.0, 30.0, 6.2, 1, 2, 0}, {10.5, 11.6, 9.5, 5.09, 1, 8, 0},
        {10.5, 11.6, 9.5, 5.1, 1, 6, 0},  {10.5, 11.6, 9.5, 5.7, 1, 6, 0},
        {10.5, 11.6, 9.5, 5.71, 1, 2, 0}, {10.5, 11.6, 9.5, 5.71, 0, 4, 0},
        {11.1, 11.6, 9.5, 4.0, 1, 10, 1},
    };
    for (const Row& row : rows) {
        DisplayRig fresh;
        fresh.s.FailedCell = 0;
        fresh.s.OxygenCells[1].AirMillivolts = row.cell1;
        fresh.s.OxygenCells[2].AirMillivolts = row.cell2;
        fresh.s.OxygenCells[3].AirMillivolts = row.cell3;
        fresh.left.BatteryVolts = row.volts;
        fresh.left.IsMaster = row.master;
        fresh.right.UnitOn = 1;  // a slave's master is running
        fresh.tickOn(1);
        EXPECT_EQ(fresh.text("Label14"), "  K.T.Varnel    Calvendrite  ");
        EXPECT_EQ(fresh.left.Screen, row.screen)
            << row.cell1 << " " << row.cell2 << " " << row.cell3 << " mV, " << row.volts << " V";
        EXPECT_EQ(fresh.s.FailedCell, row.failedCell);
    }
}

TEST_F(DisplayCycleFixture, SlaveWhoseMasterIsOffTakesOver) {
    left.IsMaster = 0;
    tickOn(4);
    EXPECT_EQ(left.Screen, 17);
    EXPECT_EQ(left.IsMaster, 1);
    EXPECT_EQ(text("Label14"), kUntouched);
    EXPECT_EQ(sounds(), (std::vector<std::string>{"1:LowO2.wav"}));

    DisplayRig quiet;
    quiet.s.SoundEnabled = 0;
    quiet.left.IsMaster = 0;
    quiet.tickOn(4);
    EXPECT_EQ(quiet.left.Screen, 17);
    EXPECT_TRUE(quiet.sounds().empty());
}

TEST_F(DisplayCycleFixture, EachRunStartsItsOwnTimerAgainForThreeSecondsLater) {
    putOn(left, 2);
    runTimer("Timer8");
    EXPECT_EQ(sim.now(), 3000);
    EXPECT_TRUE(timer("Timer8").enabled());
    EXPECT_EQ(timer("Timer8").due(), 6000);
    // The other handset's timer keeps its own count.
    timer("Timer9").setEnabled(false);
    runTimer("Timer8");
    EXPECT_FALSE(timer("Timer9").enabled());
    EXPECT_EQ(left.Screen, 2);
}

}  // namespace
}  // namespace loopsim
