#include "handset/ScreenTexts.h"

#include "core/Format.h"
#include "electronics/DisplayLines.h"

namespace loopsim {

std::string elapsedTimeText(double minutes) {
    // The unit counts whole minutes: a fraction goes to the nearest minute, halves to even.
    const auto whole = static_cast<long long>(roundHalfEven(minutes));
    return "     Elapsed ON Time     " + std::to_string(whole / 60) + " hrs " +
           std::to_string(whole % 60) + " mins";
}

std::string startupCellFailureText(int cell) {
    return "                                CELL " + std::to_string(cell) + " FAILURE";
}

std::string cellFailureText(int cell) {
    return "      CELL " + std::to_string(cell) + " FAILURE      REPLACE";
}

std::string ambientPressureText(int millibar) {
    return "    Ambient Pressure      Down   " + std::to_string(millibar) + "mb     Up ";
}

std::string oxygenPercentText(int percent) {
    return "      OXYGEN %      Down    " + std::to_string(percent) + "%     Up ";
}

std::string highSetpointText(double bar) {
    return "     HIGH SETPOINT       Down    " + formatFixed(bar, 2) + "    UP  ";
}

std::string lowSetpointText(double bar) {
    return "     LOW SETPOINT        Down    " + formatFixed(bar, 2) + "     UP  ";
}

std::string brightnessText(int brightness) {
    return "      BRIGHTNESS       Down   " + std::to_string(brightness) + "      UP  ";
}

std::string flushPromptText(const CellValues& cellPO2) {
    return titledReadings("   FLUSHING BAG  ", cellPO2, "     ");
}

std::string flushingText(const CellValues& cellPO2) {
    return titledReadings("   FLUSHING BAG  ", cellPO2, "      ");
}

}  // namespace loopsim
