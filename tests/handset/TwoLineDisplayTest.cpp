#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <string>
#include <tuple>

#include "core/HandsetScreens.h"
#include "electronics/DisplayLines.h"
#include "handset/ScreenTexts.h"
#include "handset/TwoLineDisplay.h"

namespace loopsim {
namespace {}  // namespace

void PrintTo(const TwoLines& lines, std::ostream* out) {
    *out << "[\"" << lines.first << "\", \"" << lines.second << "\"]";
}

namespace {

struct Layout {
    const char* first;
    const char* second;
};

// Each fixed text with its length, every space kept, and the two lines it shows as.
TEST(TwoLineDisplay, EveryFixedScreenTextShowsOnTwoLinesAsItsSpacesLayItOut) {
    const std::map<int, std::pair<std::size_t, Layout>> expected = {
        {1, {29, {"  K.T.Varnel", "Calvendrite"}}},
        {3, {36, {"       DIVE NOW ?", "Confirm"}}},
        {4, {43, {"        SLAVE", "Waiting for Data"}}},
        {6, {31, {" BATTERY WARNING", "REPLACE"}}},
        {7, {49, {"        DIVE NOW?", "YES                      NO"}}},
        {8, {36, {"       LOW BATTERY", "REPLACE"}}},
        {9, {19, {"        NO DIVE", ""}}},
        {12, {51, {"", "NO DIVE"}}},
        {13, {36, {"     CHECK DILUENT!", "Confirm"}}},
        {14, {50, {"      CALIBRATE ?", "YES                     NO"}}},
        {15, {51, {"   MUST CALIBRATE!", "YES                     NO"}}},
        {16, {26, {"    OPEN O2 VALVE", "Confirm"}}},
        {20, {32, {"    Open Mouthpiece!", "Confirm"}}},
        {21, {34, {"     OPEN O2 VALVE!", "Confirm"}}},
        {23, {44, {"          NO OXYGEN", "Check Valve"}}},
        {24, {22, {"     NO CALIBRATION", ""}}},
        {25, {21, {"       NO DIVE", ""}}},
        {26, {23, {"      CELL STUCK", ""}}},
        {28, {23, {"      OUT OF RANGE", ""}}},
        {30, {20, {"      NO DIVE", ""}}},
        {31, {23, {"     NO CALIBRATION", ""}}},
        {32, {16, {"   CALIBRATING", ""}}},
        {33, {16, {"   CALIBRATING", ""}}},
        {34, {16, {"   CALIBRATING", ""}}},
        {44, {52, {"      RESET NOW", "Yes                         No"}}},
        {53, {20, {"  RESET OTHER UNIT", ""}}},
        {54, {19, {"    LOW BATTERY", ""}}},
    };
    const auto screens = fixedHandsetScreens();
    for (int slot = 0; slot < kScreenCount; ++slot) {
        const std::string& text = screens[static_cast<std::size_t>(slot)];
        const auto row = expected.find(slot);
        if (row == expected.end()) {
            EXPECT_EQ(text, "") << "slot " << slot << " has a text this table does not know";
            continue;
        }
        const auto& [length, layout] = row->second;
        EXPECT_EQ(text.size(), length) << "slot " << slot;
        EXPECT_EQ(wrapOnTwoLines(text), (TwoLines{layout.first, layout.second})) << "slot " << slot;
    }
}

TEST(TwoLineDisplay, TextsMadeUpAtRunTimeKeepTheirLinesAtTheirWidestValues) {
    const CellValues wide{0, -2.55, 2.55, -0.05};
    const std::pair<std::string, Layout> rows[] = {
        {elapsedTimeText(0), {"     Elapsed ON Time", "0 hrs 0 mins"}},
        {elapsedTimeText(5999), {"     Elapsed ON Time", "99 hrs 59 mins"}},
        {startupCellFailureText(3), {"", "CELL 3 FAILURE"}},
        {cellFailureText(2), {"      CELL 2 FAILURE", "REPLACE"}},
        {warningLine(kCellWarningScreen, wide),
         {"    CELL WARNING", "-2.55       2.55       -0.05"}},
        {warningLine(kLowOxygenScreen, wide), {"      LOW OXYGEN", "-2.55       2.55       -0.05"}},
        {warningLine(kHighOxygenScreen, wide),
         {"      HIGH OXYGEN", "-2.55       2.55       -0.05"}},
        {ambientPressureText(1050), {"    Ambient Pressure", "Down   1050mb     Up"}},
        {oxygenPercentText(100), {"      OXYGEN %", "Down    100%     Up"}},
        {highSetpointText(1.5), {"     HIGH SETPOINT", "Down    1.50    UP"}},
        {lowSetpointText(0.5), {"     LOW SETPOINT", "Down    0.50     UP"}},
        {brightnessText(99), {"      BRIGHTNESS", "Down   99      UP"}},
        {kCalibratePrompt, {"     CALIBRATE ?", "YES                     NO"}},
        {kOpenValvePrompt, {"    OPEN O2 VALVE", "Confirm"}},
        {kOpenMouthpiecePrompt, {"   Open Mouthpiece!", "Confirm"}},
        {flushPromptText(wide), {"   FLUSHING BAG", "-2.55     2.55     -0.05"}},
        {flushingText(wide), {"   FLUSHING BAG", "-2.55      2.55      -0.05"}},
        {mainLine(true, 1.5, wide), {"      MASTER   1.5", "-2.55       2.55       -0.05"}},
        {mainLine(false, 0.5, wide), {"       SLAVE   0.5", "-2.55       2.55       -0.05"}},
    };
    for (const auto& [text, layout] : rows)
        EXPECT_EQ(wrapOnTwoLines(text), (TwoLines{layout.first, layout.second})) << text;
}

TEST(TwoLineDisplay, WidthDecidesWhereALineBreaksAndAThirdLineIsNotShown) {
    const std::string banner = "  K.T.Varnel    Calvendrite  ";
    const std::string spaces(40, ' ');
    const std::tuple<std::string, int, Layout> rows[] = {
        {banner, 40, {"  K.T.Varnel    Calvendrite", ""}},
        {banner, 19, {"  K.T.Varnel", "Calvendrite"}},
        // A word never splits, even when it is wider than the line; spaces that fit before a
        // word that does not fit stay behind on their own line.
        {banner, 5, {"", "K.T.Varnel"}},
        {"ONE" + spaces + "TWO" + spaces + "THREE", kDisplayColumns, {"ONE", "TWO"}},
        {"", kDisplayColumns, {"", ""}},
        {" ", kDisplayColumns, {"", ""}},
    };
    for (const auto& [text, width, layout] : rows)
        EXPECT_EQ(wrapOnTwoLines(text, width), (TwoLines{layout.first, layout.second}))
            << "'" << text << "' at " << width;
}

}  // namespace
}  // namespace loopsim
