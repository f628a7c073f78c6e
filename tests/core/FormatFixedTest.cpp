// The displays' fixed decimals are worked out without printf; they must spell every value
// exactly as printf's "%.*f" does, ties and values just beside them included.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "core/Format.h"

namespace loopsim {
namespace {

std::string printed(double value, int decimals) {
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
}

// Values that print as a negative zero ("-0.00") are the one place the formats differ.
bool printsNegativeZero(const std::string& text) {
    return text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos;
}

// The same text again from the count of last-decimal units a changed line is written from.
void expectSameAsPrintf(double value) {
    for (int decimals = 0; decimals <= 6; ++decimals) {
        const std::string expected = printed(value, decimals);
        if (printsNegativeZero(expected))
            EXPECT_EQ(formatFixed(value, decimals), expected.substr(1)) << expected;
        else
            EXPECT_EQ(formatFixed(value, decimals), expected) << decimals;
        if (const auto units = shownFixedUnits(value, decimals)) {
            std::string fromUnits;
            appendShownUnits(fromUnits, *units, decimals);
            EXPECT_EQ(fromUnits, formatFixed(value, decimals)) << decimals;
        }
    }
}

TEST(FormatFixed, TiesAndTheirNeighboursAsPrintf) {
    // Exact binary ties go to the even digit; decimal "ties" such as 0.015 are not exact and
    // go by the value actually stored. Then thirds, values at a carry, the largest and the
    // tiniest, zeros and negative values.
    const std::vector<double> groups[] = {
        {0.125, 0.375, 2.5, 3.5, 0.5, 1.5},
        {0.015, 0.025, 1.005, 2.675, 0.045, 4.35, 1.45, 0.95},
        {1.0 / 3, 2.0 / 3, 9.995, 9.9949999999999992, 99.995, 0.00005, 0.00015},
        {12345678901234.5, 99999999999999.99, 1e14, 1e15, 1e20, 1e-300},
        {0.0, -0.0, -0.004, -0.005, -0.006, -2.5, -9.995},
    };
    for (const std::vector<double>& group : groups)
        for (double value : group) {
            SCOPED_TRACE(value);
            expectSameAsPrintf(value);
            expectSameAsPrintf(std::nextafter(value, 1e300));
            expectSameAsPrintf(std::nextafter(value, -1e300));
        }
}

TEST(FormatFixed, ManyReadingsAsPrintf) {
    std::mt19937_64 generator(20);
    std::uniform_real_distribution<double> reading(-20.0, 20.0);
    std::uniform_int_distribution<int> hundredths(-2000, 2000);
    for (int i = 0; i < 20000; ++i) {
        const double value = i % 2 == 0 ? reading(generator) : hundredths(generator) / 100.0;
        SCOPED_TRACE(value);
        expectSameAsPrintf(value);
    }
}

// The recording's numbers: the shortest text that reads back, as to_chars writes it, whether
// worked out from a few decimals or not.
TEST(FormatRoundTrip, ShortestTextAsToChars) {
    std::mt19937_64 generator(3);
    std::uniform_int_distribution<int> count(-2000000, 2000000);
    std::uniform_int_distribution<int> decimals(0, 5);
    std::uniform_real_distribution<double> anything(-1e10, 1e10);
    for (int i = 0; i < 40000; ++i) {
        const double value = i % 4 == 0 ? anything(generator)
                                        : count(generator) / std::pow(10.0, decimals(generator));
        char buffer[400];
        const auto written =
            std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
        const std::string expected = value == 0 ? "0" : std::string(buffer, written.ptr);
        EXPECT_EQ(formatRoundTrip(value), expected);
    }
}

// A person's number: printf's 15 significant digits, read back and written as the shortest
// text of the double it reads as.
TEST(FormatPlain, FifteenSignificantDigitsAsPrintf) {
    std::mt19937_64 generator(15);
    std::uniform_real_distribution<double> fraction(0.0, 1.0);
    std::uniform_int_distribution<int> exponent(-12, 16);
    for (int i = 0; i < 20000; ++i) {
        double value = fraction(generator) * std::pow(10.0, exponent(generator));
        if (i % 3 == 0)
            value = std::round(value * 1000) / 1000;
        if (i % 2 == 1)
            value = -value;
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.15g", value);
        SCOPED_TRACE(buffer);
        EXPECT_EQ(formatPlain(value), formatRoundTrip(std::strtod(buffer, nullptr)));
    }
}

}  // namespace
}  // namespace loopsim
