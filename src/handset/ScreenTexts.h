// The handset texts made up at run time, and the prompts the buttons write. Every space
// belongs to a text: the two-line display wraps at the runs of spaces, so they decide
// what stands on which line.
#pragma once

#include <string>

#include "core/HandsetState.h"

namespace loopsim {

// Prompts the buttons put on the display at once. Some differ by a space or two from the
// screen texts the display cycle shows for the same screen; both are the unit's own.
inline constexpr const char* kCheckDiluentPrompt = "     CHECK DILUENT!      Confirm    ";
inline constexpr const char* kCalibratePrompt = "     CALIBRATE ?      YES                     NO ";
inline constexpr const char* kMustCalibratePrompt =
    "   MUST CALIBRATE!      YES                     NO ";
inline constexpr const char* kOpenValvePrompt = "    OPEN O2 VALVE    Confirm";
inline constexpr const char* kOpenMouthpiecePrompt = "   Open Mouthpiece!       Confirm";
inline constexpr const char* kStartFlushPrompt = "     OPEN O2 VALVE!        Confirm";

// "     Elapsed ON Time     H hrs M mins" for a count of minutes.
std::string elapsedTimeText(double minutes);
// The start-up cell failure: the cell number on the second line.
std::string startupCellFailureText(int cell);
// "CELL n FAILURE" above "REPLACE".
std::string cellFailureText(int cell);

std::string ambientPressureText(int millibar);
std::string oxygenPercentText(int percent);
std::string highSetpointText(double bar);
std::string lowSetpointText(double bar);
std::string brightnessText(int brightness);

// What Confirm on the last calibration prompt shows: five spaces between the readings.
std::string flushPromptText(const CellValues& cellPO2);
// What the flush itself shows on every batch of passes: six spaces between the readings.
std::string flushingText(const CellValues& cellPO2);

}  // namespace loopsim
