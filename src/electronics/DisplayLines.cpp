#include "electronics/DisplayLines.h"

#include "core/DisplayField.h"
#include "core/Format.h"

namespace loopsim {
namespace {
const std::string kSevenSpaces(7, ' ');

std::string shownReading(double reading) {
    return fieldText(reading, kCellReadingField,
                     [](double value) { return formatFixed(value, 2); });
}
}  // namespace

std::string cellReadings(const CellValues& cellPO2, const std::string& separator) {
    return shownReading(cellPO2[1]) + separator + shownReading(cellPO2[2]) + separator +
           shownReading(cellPO2[3]);
}

std::string mainLine(bool master, double activeSetpoint, const CellValues& cellPO2) {
    const char* role = master ? "      MASTER   " : "       SLAVE   ";
    return role + formatFixed(activeSetpoint, 1) + "        " + cellReadings(cellPO2, kSevenSpaces);
}

std::string warningLine(int screen, const CellValues& cellPO2) {
    std::string title;
    switch (screen) {
        case kCellWarningScreen:
            title = std::string("    CELL WARNING    ") + "        ";
            break;
        case kLowOxygenScreen:
            title = std::string("      LOW OXYGEN    ") + "     ";
            break;
        case kHighOxygenScreen:
            title = std::string("      HIGH OXYGEN    ") + "     ";
            break;
        default:
            return {};
    }
    return title + cellReadings(cellPO2, kSevenSpaces);
}

}  // namespace loopsim
