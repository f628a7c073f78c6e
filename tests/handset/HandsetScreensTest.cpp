#include <gtest/gtest.h>

#include "GoldenFile.h"
#include "SimulationRig.h"
#include "handset/PromptLine.h"
#include "handset/ScreenTexts.h"
#include "handset/Screens.h"
#include "handset/TwoLineDisplay.h"

namespace loopsim::test {
namespace {

// The left handset running as the master, with values of its own in every field a screen
// shows, and cells whose in-air outputs pass the start-up check.
struct DisplayRig : Rig {
    explicit DisplayRig(int screen) {
        s.OxygenCells[1].AirMillivolts = 10.5;
        s.OxygenCells[2].AirMillivolts = 11.6;
        s.OxygenCells[3].AirMillivolts = 9.5;
        s.ScrubberMinutes = 75;
        s.FailedCell = 2;
        s.DrawnCell = 3;
        s.CalPressure = 990;
        s.CalOxygenPercent = 98;
        left.OnMinutes = 130;
        left.HighSetpoint = 1.25;
        left.LowSetpoint = 0.65;
        left.Brightness = 7;
        left.CellPO2 = {0, 0.21, 1.234, -0.5};
        putOn(left, screen, true);
        element("Label14").setText("(untouched)");
        // Only the handset's own ticks change what it shows.
        for (const char* other : {"CellMillivoltTimer", "ComputerTimer", "WarningTimer"})
            timer(other).setEnabled(false);
    }
};

std::string quoted(const std::string& text) {
    return "\"" + text + "\"";
}

std::string withLines(const std::string& text) {
    const TwoLines lines = wrapOnTwoLines(text);
    return quoted(text) + " shows " + quoted(lines.first) + " over " + quoted(lines.second) + "\n";
}

// One run of the display cycle on every screen number: the screen after it, the text it
// shows and the two lines the display makes of it, and what it plays; then the texts the
// buttons write and the texts made up at run time at their widest values. Compared with
// handset-screens.txt.
TEST(HandsetScreens, EachShowsItsTextOnTwoLinesAndMovesOn) {
    std::string table;
    for (int screen = 0; screen < kScreenCount; ++screen) {
        DisplayRig rig(screen);
        rig.sounds();
        rig.runTimer("Timer8");
        table += std::to_string(screen) + " -> " + std::to_string(rig.left.Screen) + ": " +
                 withLines(rig.text("Label14"));
        for (const std::string& sound : rig.sounds())
            table += "    plays " + sound + "\n";
    }
    const CellValues wide{0, -2.55, 2.55, -0.05};
    // The prompts, then the texts made up at run time.
    const std::vector<std::string> texts[] = {
        {kCheckDiluentPrompt, kCalibratePrompt, kMustCalibratePrompt, kOpenValvePrompt},
        {kOpenMouthpiecePrompt, kStartFlushPrompt, elapsedTimeText(5999)},
        {startupCellFailureText(3), ambientPressureText(1050), oxygenPercentText(100)},
        {highSetpointText(1.5), lowSetpointText(0.5), brightnessText(99)},
        {flushPromptText(wide), flushingText(wide), mainLine(true, 1.5, wide)},
        {mainLine(false, 0.5, wide), warningLine(kCellWarningScreen, wide)},
        {warningLine(kLowOxygenScreen, wide), warningLine(kHighOxygenScreen, wide)},
    };
    for (const std::vector<std::string>& group : texts)
        for (const std::string& text : group)
            table += withLines(text);
    expectMatchesGoldenFile(table, "handset-screens.txt");
}

// However far the two drifting cells run, the line keeps its three fields: the title over the
// three readings, a runaway one in dashes; the cell tick's main line, written from its
// rounded counts, reads the same. (Only three readings below zero at once, a loop with no
// oxygen left, are wider than the unit's line.)
TEST(HandsetScreens, EveryReadingStaysOnTheDisplayHoweverFarItRuns) {
    struct Row {
        CellValues cells;
        std::string readings;
    };
    const Row rows[] = {
        {{0, -9.99, 9.99, -9.99}, "-9.99       9.99       -9.99"},
        {{0, 0.21, -12.76, 0.2}, "0.21       ----       0.20"},
        {{0, -1e100, 2.55, -1e300}, "----       2.55       ----"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(MainLineText()(false, 0.7, row.cells), mainLine(false, 0.7, row.cells));
        for (const std::string& text :
             {mainLine(true, 1.3, row.cells), mainLine(false, 0.7, row.cells),
              warningLine(kCellWarningScreen, row.cells), warningLine(kLowOxygenScreen, row.cells),
              warningLine(kHighOxygenScreen, row.cells)}) {
            const TwoLines lines = wrapOnTwoLines(text);
            EXPECT_EQ(lines.second, row.readings) << text;
        }
    }
}

TEST(HandsetScreens, StartupCheckLimits) {
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
        SCOPED_TRACE(::testing::Message() << row.cell1 << " " << row.cell2 << " " << row.cell3
                                          << " mV, " << row.volts << " V");
        DisplayRig rig(kBannerScreen);
        rig.s.FailedCell = 0;
        rig.s.OxygenCells[1].AirMillivolts = row.cell1;
        rig.s.OxygenCells[2].AirMillivolts = row.cell2;
        rig.s.OxygenCells[3].AirMillivolts = row.cell3;
        rig.left.BatteryVolts = row.volts;
        rig.left.IsMaster = row.master;
        rig.right.UnitOn = 1;  // a slave's master is running
        rig.runTimer("Timer8");
        EXPECT_EQ(rig.left.Screen, row.screen);
        EXPECT_EQ(rig.s.FailedCell, row.failedCell);
    }
}

TEST(TwoLineDisplay, WidthDecidesWhereALineBreaksAndAThirdLineIsNotShown) {
    const std::string banner = "  K.T.Varnel    Calvendrite  ";
    const std::string spaces(40, ' ');
    const std::tuple<std::string, int, TwoLines> rows[] = {
        {banner, 40, {"  K.T.Varnel    Calvendrite", ""}},
        {banner, 19, {"  K.T.Varnel", "Calvendrite"}},
        // A word never splits, even when it is wider than the line; spaces that fit before a
        // word that does not fit stay behind on their own line.
        {banner, 5, {"", "K.T.Varnel"}},
        {"ONE" + spaces + "TWO" + spaces + "THREE", kDisplayColumns, {"ONE", "TWO"}},
        {"5 !", 2, {"5 !", ""}},  // a digit, a space and a '!' fill two digits' width exactly
        {" ", kDisplayColumns, {"", ""}},
    };
    for (const auto& [text, width, lines] : rows)
        EXPECT_TRUE(wrapOnTwoLines(text, width) == lines) << "'" << text << "' at " << width;
}

}  // namespace
}  // namespace loopsim::test

namespace loopsim::test {
namespace {

// Each prompt's words stand over the buttons that answer them; other lines are drawn as
// they are.
TEST(PromptLine, EachWordStandsOverItsButton) {
    const std::pair<std::string, std::optional<PromptWords>> rows[] = {
        {"Confirm", PromptWords{"", "Confirm", ""}},
        {"YES                     NO", PromptWords{"YES", "", "NO"}},
        {"Yes                         No", PromptWords{"Yes", "", "No"}},
        {"Down   990mb     Up", PromptWords{"Down", "990mb", "Up"}},
        {"Down    1.25    UP", PromptWords{"Down", "1.25", "UP"}},
        {"Check Valve", std::nullopt},
        {"0.21       0.20       0.21", std::nullopt},
        {"       DIVE NOW ?", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& [line, words] : rows)
        EXPECT_EQ(promptWords(line), words) << line;
}

}  // namespace
}  // namespace loopsim::test
