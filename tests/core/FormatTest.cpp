#include <gtest/gtest.h>

#include "core/Format.h"

namespace loopsim {
namespace {

TEST(Format, DisplayFormats) {
    struct Row {
        double value;
        std::string fixed2, fixed1, noLeadingZero, twoDigits, plain;
    };
    const Row rows[] = {
        {0.5, "0.50", "0.5", ".50", "00", "0.5"},
        {10.2, "10.20", "10.2", "10.20", "10", "10.2"},
        {-0.5, "-0.50", "-0.5", "-.50", "-0", "-0.5"},
        {0, "0.00", "0.0", ".00", "00", "0"},
        {32.4, "32.40", "32.4", "32.40", "32", "32.4"},
        {5, "5.00", "5.0", "5.00", "05", "5"},
        {1.0 + 0.1 + 0.1, "1.20", "1.2", "1.20", "01", "1.2"},
        {1013 / 1000.0 + 2.0, "3.01", "3.0", "3.01", "03", "3.013"},
        {-0.001, "0.00", "0.0", ".00", "-0", "-0.001"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.value);
        EXPECT_EQ(formatFixed(row.value, 2), row.fixed2);
        EXPECT_EQ(formatFixed(row.value, 1), row.fixed1);
        EXPECT_EQ(formatNoLeadingZero(row.value), row.noLeadingZero);
        EXPECT_EQ(formatTwoDigits(row.value), row.twoDigits);
        EXPECT_EQ(formatPlain(row.value), row.plain);
    }
}

TEST(Format, ParseNumberAcceptsOnlyWholeFiniteNumbers) {
    EXPECT_EQ(parseNumber(" 6.2 "), 6.2);
    EXPECT_EQ(parseNumber("+14"), 14);
    EXPECT_EQ(parseNumber("-3"), -3);
    for (const char* bad : {"", " ", "abc", "6.2v", "1e400", "nan", "inf", "1,5", "--1"})
        EXPECT_FALSE(parseNumber(bad).has_value()) << bad;
}

TEST(Format, RoundHalfEven) {
    for (auto [value, rounded] :
         {std::pair{0.5, 0}, {1.5, 2}, {2.5, 2}, {4615.3846, 4615}, {2307.5, 2308}})
        EXPECT_EQ(roundHalfEven(value), rounded) << value;
}

}  // namespace
}  // namespace loopsim
