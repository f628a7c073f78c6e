#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <string>

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

TEST(TwoLineDisplay, EveryFixedScreenTextShowsOnTwoLinesAsItsSpacesLayItOut) {
    const std::map<int, Layout> expected = {
        {1, {"  K.T.Varnel", "Calvendrite"}},
        {3, {"       DIVE NOW ?", "Confirm"}},
        {4, {"        SLAVE", "Waiting for Data"}},
        {6, {" BATTERY WARNING", "REPLACE"}},
        {7, {"        DIVE NOW?", "YES                      NO"}},
        {8, {"       LOW BATTERY", "REPLACE"}},
        {9, {"        NO DIVE", ""}},
        {12, {"", "NO DIVE"}},
        {13, {"     CHECK DILUENT!", "Confirm"}},
        {14, {"      CALIBRATE ?", "YES                     NO"}},
        {15, {"   MUST CALIBRATE!", "YES                     NO"}},
        {16, {"    OPEN O2 VALVE", "Confirm"}},
        {20, {"    Open Mouthpiece!", "Confirm"}},
        {21, {"     OPEN O2 VALVE!", "Confirm"}},
        {23, {"          NO OXYGEN", "Check Valve"}},
        {24, {"     NO CALIBRATION", ""}},
        {25, {"       NO DIVE", ""}},
        {26, {"      CELL STUCK", ""}},
        {28, {"      OUT OF RANGE", ""}},
        {30, {"      NO DIVE", ""}},
        {31, {"     NO CALIBRATION", ""}},
        {32, {"   CALIBRATING", ""}},
        {33, {"   CALIBRATING", ""}},
        {34, {"   CALIBRATING", ""}},
        {44, {"      RESET NOW", "Yes                         No"}},
        {53, {"  RESET OTHER UNIT", ""}},
        {54, {"    LOW BATTERY", ""}},
    };
    const auto screens = fixedHandsetScreens();
    for (int slot = 0; slot < kScreenCount; ++slot) {
        const std::string& text = screens[static_cast<std::size_t>(slot)];
        const auto row = expected.find(slot);
        if (row == expected.end()) {
            EXPECT_EQ(text, "") << "slot " << slot << " has a text this table does not know";
            continue;
        }
        EXPECT_EQ(wrapOnTwoLines(text), (TwoLines{row->second.first, row->second.second}))
            << "slot " << slot;
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

TEST(TwoLineDisplay, WidthDecidesWhereALineBreaks) {
    const std::string banner = "  K.T.Varnel    Calvendrite  ";
    EXPECT_EQ(wrapOnTwoLines(banner, 40), (TwoLines{"  K.T.Varnel    Calvendrite", ""}));
    EXPECT_EQ(wrapOnTwoLines(banner, 19), (TwoLines{"  K.T.Varnel", "Calvendrite"}));
    // A word never splits, even when it is wider than the line; spaces that fit before a
    // word that does not fit stay behind on their own line.
    EXPECT_EQ(wrapOnTwoLines(banner, 5), (TwoLines{"", "K.T.Varnel"}));
}

TEST(TwoLineDisplay, WhatWouldFollowTheSecondLineIsNotShown) {
    const std::string spaces(40, ' ');
    EXPECT_EQ(wrapOnTwoLines("ONE" + spaces + "TWO" + spaces + "THREE"), (TwoLines{"ONE", "TWO"}));
    EXPECT_EQ(wrapOnTwoLines(""), (TwoLines{"", ""}));
    EXPECT_EQ(wrapOnTwoLines(" "), (TwoLines{"", ""}));
}

}  // namespace
}  // namespace loopsim
