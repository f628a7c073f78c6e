// The number formats of the displays, panels and files, and the blanks around their words.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace loopsim {

// "0.00", "0.0": fixed decimals with a leading zero.
std::string formatFixed(double value, int decimals);
// The same, appended to out without a temporary string.
void appendFixed(std::string& out, double value, int decimals);
// What formatFixed(value, decimals) shows, as a signed count of units of its last decimal
// (-0.001 at two decimals is 0, as "0.00" shows): two values with the same count show the
// same text. Nothing for values that are not told apart so cheaply (very large, NaN).
std::optional<std::int64_t> shownFixedUnits(double value, int decimals);
// The text of such a count: appendFixed(out, value, decimals) for any value whose
// shownFixedUnits(value, decimals) is units.
void appendShownUnits(std::string& out, std::int64_t units, int decimals);
// "#.00": two decimals, no leading zero below 1 (0.5 gives .50, -0.5 gives -.50).
std::string formatNoLeadingZero(double value);
// The same, appended to out without a temporary string.
void appendNoLeadingZero(std::string& out, double value);
// "00": a whole number of at least two digits.
std::string formatTwoDigits(double value);
// A number as a person would write it: up to 15 significant digits, no exponent, no
// trailing zeros (3.013, 1.1, 1013).
std::string formatPlain(double value);
// The shortest text that reads back as exactly the same double, without an exponent.
std::string formatRoundTrip(double value);
// The same, appended to out without a temporary string.
void appendRoundTrip(std::string& out, double value);

// The whole text as a finite number (surrounding blanks allowed), or nothing.
std::optional<double> parseNumber(std::string_view text);

// The text without the spaces and tabs at either end.
std::string_view trimBlanks(std::string_view text);

// Rounds to the nearest whole number, halves to the even neighbour.
double roundHalfEven(double value);

}  // namespace loopsim
