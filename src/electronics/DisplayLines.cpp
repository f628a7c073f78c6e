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

// The three readings with the separator between them: a reading the display can show as
// appendReading(cell) writes it, one past that keeping its field as dashes.
template <typename AppendReading>
void appendReadings(std::string& out, const CellValues& cellPO2, std::string_view separator,
                    AppendReading appendReading) {
    for (std::size_t cell = 1; cell <= 3; ++cell) {
        if (cell > 1)
            out += separator;
        if (fitsField(cellPO2[cell], kCellReadingField))
            appendReading(cell);
        else
            out += kPastFieldText;
    }
}

// The main line: the role, the setpoint (appendNumber(0)), eight spaces, the readings
// (appendNumber(cell)).
template <typename AppendNumber>
void appendMainLine(std::string& out, bool master, const CellValues& cellPO2,
                    AppendNumber appendNumber) {
    out += master ? kMasterTitle : kSlaveTitle;
    appendNumber(0);
    out += kSetpointGap;
    appendReadings(out, cellPO2, kSevenSpaces, appendNumber);
}

// The setpoint shows one decimal, a reading two.
constexpr int decimalsOf(std::size_t number) {
    return number == 0 ? 1 : 2;
}

}  // namespace

// The lines are drawn twice a second on both handsets: built in one string, not from
// temporaries.
void appendCellReadings(std::string& out, const CellValues& cellPO2, std::string_view separator) {
    appendReadings(out, cellPO2, separator,
                   [&](std::size_t cell) { appendFixed(out, cellPO2[cell], 2); });
}

std::string titledReadings(std::string_view title, const CellValues& cellPO2,
                           std::string_view separator) {
    std::string line;
    line.reserve(64);
    line += title;
    appendCellReadings(line, cellPO2, separator);
    return line;
}

std::string mainLine(bool master, double activeSetpoint, const CellValues& cellPO2) {
    std::string line;
    line.reserve(64);
    appendMainLine(line, master, cellPO2, [&](std::size_t number) {
        appendFixed(line, number == 0 ? activeSetpoint : cellPO2[number], decimalsOf(number));
    });
    return line;
}

MainLineText::ShownValues MainLineText::shownValues(double activeSetpoint,
                                                    const CellValues& cellPO2) {
    return {shownFixedUnits(activeSetpoint, decimalsOf(0)), shownFixedUnits(cellPO2[1], 2),
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
        // The counts just worked out are the line's digits: written again into the same string.
        text_.clear();
        appendMainLine(text_, master, cellPO2, [&](std::size_t number) {
            appendShownUnits(text_, *shown[number], decimalsOf(number));
        });
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
            return titledReadings("    CELL WARNING            ", cellPO2, kSevenSpaces);
        case kLowOxygenScreen:
            return titledReadings("      LOW OXYGEN         ", cellPO2, kSevenSpaces);
        case kHighOxygenScreen:
            return titledReadings("      HIGH OXYGEN         ", cellPO2, kSevenSpaces);
        default:
            return {};
    }
}

}  // namespace loopsim
