#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/DisplayField.h"
#include "core/Format.h"

namespace loopsim {
namespace {

std::string hundredths(double value) {
    return formatFixed(value, 2);
}

TEST(DisplayField, AValuePastTheFieldShowsDashes) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double infinity = std::numeric_limits<double>::infinity();
    struct Row {
        double value;
        std::string cellReading, millivolts;
    };
    const Row rows[] = {{0.21, "0.21", ".21"},
                        {-0.5, "-0.50", "-.50"},
                        {9.99, "9.99", "9.99"},
                        {9.994, "9.99", "9.99"},
                        {9.996, "----", "10.00"},
                        {-9.994, "-9.99", "-9.99"},
                        {-9.996, "----", "-10.00"},
                        {-12.76, "----", "-12.76"},
                        {-99.994, "----", "-99.99"},
                        {-100.39, "----", "----"},
                        {999.99, "----", "999.99"},
                        {1000, "----", "----"},
                        {-std::pow(2.0, 330), "----", "----"},
                        {nan, "----", "----"},
                        {-infinity, "----", "----"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.value);
        EXPECT_EQ(fieldText(row.value, kCellReadingField, hundredths), row.cellReading);
        EXPECT_EQ(fieldText(row.value, kMillivoltField, formatNoLeadingZero), row.millivolts);
    }
}

// The loop PO2 and the nitrox mix readouts: what the loop can reach shows, a loop emptied by
// breathing shows dashes.
TEST(DisplayField, TheLoopReadoutsHoldTheirFields) {
    struct Row {
        double value;
        DisplayField field;
        std::string (*format)(double);
        std::string shown;
    };
    const Row rows[] = {{5.013, kLoopPO2Field, hundredths, "5.01"},
                        {-0.004, kLoopPO2Field, hundredths, "0.00"},
                        {-62.5, kLoopPO2Field, hundredths, "----"},
                        {100, kNitroxPercentField, formatTwoDigits, "100"},
                        {-99, kNitroxPercentField, formatTwoDigits, "-99"},
                        {-1250, kNitroxPercentField, formatTwoDigits, "----"}};
    for (const Row& row : rows)
        EXPECT_EQ(fieldText(row.value, row.field, row.format), row.shown) << row.value;
}

}  // namespace
}  // namespace loopsim
