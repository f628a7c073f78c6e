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
    const Row rows[] = {
        {0.21, "0.21", ".21"},
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
        {-infinity, "----", "----"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.value);
        EXPECT_EQ(fieldText(row.value, kCellReadingField, hundredths), row.cellReading);
        EXPECT_EQ(fieldText(row.value, kMillivoltField, formatNoLeadingZero), row.millivolts);
    }
}

}  // namespace
}  // namespace loopsim
