#include "electronics/DisplayLines.h"

#include <algorithm>
#include <string_view>

#include "core/DisplayField.h"
#include "core/Format.h"

namespace loopsim {
namespace {

constexpr std::string_view kSevenSpaces = "       ";
constexpr std::string_view kMasterTitle = "      MASTER   ";
constexpr std::string_view kSlaveTitle = "       SLAVE   ";
constexpr std::string_view kSetpointGap = "        ";

// A reading past what the display can show keeps its field, as dashes.
void appendCellReading(std::string& out, double reading) {
    if (fitsField(reading, kCellReadingField))
        appendFixed(out, reading, 2);
    else
        out += kPastFieldText;
}

std::string titledReadings(std::string_view title, const CellValues& cellPO2) {
    std::string line;
    line.reserve(64);
    line += title;
    appendCellReadings(line, cellPO2, kSevenSpaces);
    return line;
}

}  // namespace

// The lines are drawn twice a second on both handsets: built in one string, not from
// temporaries.
void appendCellReadings(std::string& out, const CellValues& cellPO2, std::string_view separator) {
    appendCellReading(out, cellPO2[1]);
    out += separator;
    appendCellReading(out, cellPO2[2]);
    out += separator;
    appendCellReading(out, cellPO2[3]);
}

std::string cellReadings(const CellValues& cellPO2, const std::string& separator) {
    std::string text;
    appendCellReadings(text, cellPO2, separator);
    return text;
}

std::string mainLine(bool master, double activeSetpoint, const CellValues& cellPO2) {
    std::string line;
    line.reserve(64);
    line += master ? kMasterTitle : kSlaveTitle;
    appendFixed(line, activeSetpoint, 1);
    line += kSetpointGap;
    appendCellReadings(line, cellPO2, kSevenSpaces);
    return line;
}

MainLineText::ShownValues MainLineText::shownValues(double activeSetpoint,
                                                    const CellValues& cellPO2) {
    return {shownFixedUnits(activeSetpoint, 1), shownFixedUnits(cellPO2[1], 2),
            shownFixedUnits(cellPO2[2], 2), shownFixedUnits(cellPO2[3], 2)};
}

const std::string& MainLineText::operator()(bool master, double activeSetpoint,
                                            const CellValues& cellPO2) {
    const ShownValues shown = shownValues(activeSetpoint, cellPO2);
    const bool comparable = std::all_of(shown.begin(), shown.end(),
                                        [](const auto& value) { return value.has_value(); });
    if (drawn_ && comparable && master == master_ && shown == shown_)
        return text_;
    if (comparable) {
        // The counts just worked out are the line's digits: mainLine's text, written again
        // into the same string.
        text_.clear();
        text_ += master ? kMasterTitle : kSlaveTitle;
        appendShownUnits(text_, *shown[0], 1);
        text_ += kSetpointGap;
        for (std::size_t cell = 1; cell <= 3; ++cell) {
            if (cell > 1)
                text_ += kSevenSpaces;
            if (fitsField(cellPO2[cell], kCellReadingField))
                appendShownUnits(text_, *shown[cell], 2);
            else
                text_ += kPastFieldText;
        }
    } else {
        text_ = mainLine(master, activeSetpoint, cellPO2);
    }
    drawn_ = true;
    master_ = master;
    shown_ = shown;
    return text_;
}

std::string warningLine(int screen, const CellValues& cellPO2) {
    switch (screen) {
        case kCellWarningScreen:
            return titledReadings("    CELL WARNING            ", cellPO2);
        case kLowOxygenScreen:
            return titledReadings("      LOW OXYGEN         ", cellPO2);
        case kHighOxygenScreen:
            return titledReadings("      HIGH OXYGEN         ", cellPO2);
        default:
            return {};
    }
}

}  // namespace loopsim
