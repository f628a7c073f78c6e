#include "core/Format.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>

namespace loopsim {

namespace {

// A long double with a 64-bit mantissa holds the product of a double (53 bits) and 5^4
// (10 bits) exactly, and the powers of two only move its exponent.
constexpr int kMaxExactDecimals = 4;
constexpr bool kExactProducts = std::numeric_limits<long double>::digits >= 64;

constexpr double kPowersOfTen[kMaxExactDecimals + 1] = {1, 10, 100, 1000, 10000};

// value * 10^decimals rounded half to even, as a count of units of the last decimal; nothing
// when the product could be inexact or too big for the count.
std::optional<std::uint64_t> exactScaledUnits(double value, int decimals) {
    if (!kExactProducts || decimals < 0 || decimals > kMaxExactDecimals ||
        !(std::fabs(value) < 1e14))
        return std::nullopt;
    // Below 10^12 the rounded product of doubles is within 10^-4 of the exact one, so unless
    // it lies near a half its nearest whole number is the exact product's.
    const double roughly = std::fabs(value) * kPowersOfTen[decimals];
    if (roughly < 1e12) {
        const auto whole = static_cast<std::uint64_t>(roughly);
        const double fraction = roughly - static_cast<double>(whole);
        if (std::fabs(fraction - 0.5) > 1e-3)
            return fraction > 0.5 ? whole + 1 : whole;
    }
    long double scaled = std::fabs(static_cast<long double>(value));
    for (int i = 0; i < decimals; ++i)
        scaled *= 10;
    auto units = static_cast<std::uint64_t>(scaled);
    const long double fraction = scaled - static_cast<long double>(units);
    if (fraction > 0.5L || (fraction == 0.5L && units % 2 == 1))
        ++units;
    return units;
}

// A count of units of the last decimal as fixed decimals, at least one whole digit (0.05).
void appendUnits(std::string& out, std::uint64_t units, int decimals, bool negative) {
    // Written from the last digit back.
    char buffer[32];
    char* const end = buffer + sizeof buffer;
    char* first = end;
    for (int i = 0; i < decimals; ++i, units /= 10)
        *--first = static_cast<char>('0' + units % 10);
    if (decimals > 0)
        *--first = '.';
    do {
        *--first = static_cast<char>('0' + units % 10);
        units /= 10;
    } while (units != 0);
    if (negative)
        *--first = '-';
    out.append(first, static_cast<std::size_t>(end - first));
}

// printf's "%.*f" appended to out: the digits of the exact binary value, rounded half to
// even. Worked out here from an exact product for the few decimals the displays use, which
// is many times cheaper than to_chars with a precision; to_chars for the rest, printf for
// NaN and the infinities, which keep printf's own spelling.
void appendPrintfFixed(std::string& out, double value, int decimals) {
    if (!std::isfinite(value)) {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
        out += buffer;
        return;
    }
    if (const auto units = exactScaledUnits(value, decimals)) {
        appendUnits(out, *units, decimals, std::signbit(value));
        return;
    }
    char buffer[400];
    auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (result.ec == std::errc()) {
        out.append(buffer, result.ptr);
        return;
    }
    std::string text(static_cast<std::size_t>(std::snprintf(nullptr, 0, "%.*f", decimals, value)),
                     '\0');
    std::snprintf(text.data(), text.size() + 1, "%.*f", decimals, value);
    out += text;
}

// The shortest text of a value that reads back from three decimals or fewer (a depth, a
// setpoint, a volume): the fewest decimals d for which the nearest count k of 10^-d reads
// back as the value, k / 10^d being exactly how the reading rounds. False for the rest.
bool appendFewDecimals(std::string& out, double value) {
    constexpr int kMostDecimals = 3;
    if (!(std::fabs(value) < 1e9))
        return false;
    for (int decimals = 0; decimals <= kMostDecimals; ++decimals) {
        const double count = std::nearbyint(value * kPowersOfTen[decimals]);
        if (count / kPowersOfTen[decimals] != value)
            continue;
        appendFixed(out, value, decimals);
        return true;
    }
    return false;
}

}  // namespace

std::string formatFixed(double value, int decimals) {
    std::string text;
    appendFixed(text, value, decimals);
    return text;
}

std::optional<std::int64_t> shownFixedUnits(double value, int decimals) {
    if (!std::isfinite(value))
        return std::nullopt;
    const auto units = exactScaledUnits(value, decimals);
    if (!units)
        return std::nullopt;
    const auto count = static_cast<std::int64_t>(*units);
    return std::signbit(value) ? -count : count;
}

void appendShownUnits(std::string& out, std::int64_t units, int decimals) {
    const auto magnitude =
        units < 0 ? 0 - static_cast<std::uint64_t>(units) : static_cast<std::uint64_t>(units);
    appendUnits(out, magnitude, decimals, units < 0);
}

void appendFixed(std::string& out, double value, int decimals) {
    const std::size_t start = out.size();
    appendPrintfFixed(out, value, decimals);
    // "-0.00" reads as 0.00 on a display.
    if (out[start] == '-' && out.find_first_not_of("-0.", start) == std::string::npos)
        out.erase(start, 1);
}

std::string formatNoLeadingZero(double value) {
    std::string text;
    appendNoLeadingZero(text, value);
    return text;
}

void appendNoLeadingZero(std::string& out, double value) {
    const std::size_t start = out.size();
    appendFixed(out, value, 2);
    const std::size_t zero = out[start] == '-' ? start + 1 : start;
    if (out.compare(zero, 2, "0.") == 0)
        out.erase(zero, 1);
}

std::string formatTwoDigits(double value) {
    // printf's "%02.0f": a single character is a lone digit, padded with a zero.
    std::string text;
    appendPrintfFixed(text, value, 0);
    if (text.size() < 2)
        text.insert(0, 1, '0');
    return text;
}

std::string formatPlain(double value) {
    if (!std::isfinite(value))
        return formatRoundTrip(value);
    // The shortest text of a double sits far closer to it than half a step of the 15th
    // digit, so when it has 15 significant digits or fewer, rounding to 15 gives it again.
    std::string shortest = formatRoundTrip(value);
    const std::size_t first = shortest.find_first_not_of("-0.");
    if (first == std::string::npos ||
        shortest.size() - first - (shortest.find('.', first) != std::string::npos) <= 15)
        return shortest;
    // Round to the 15 significant digits of printf's "%.15g", then write the result in
    // fixed notation.
    char buffer[64];
    auto written =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    double rounded = value;
    if (std::from_chars(buffer, written.ptr, rounded).ec != std::errc())
        rounded = value;
    return formatRoundTrip(rounded);
}

std::string formatRoundTrip(double value) {
    std::string text;
    appendRoundTrip(text, value);
    return text;
}

void appendRoundTrip(std::string& out, double value) {
    if (std::isnan(value)) {
        out += "NaN";
    } else if (std::isinf(value)) {
        out += value > 0 ? "Infinity" : "-Infinity";
    } else if (value == 0) {
        out += '0';
    } else if (!appendFewDecimals(out, value)) {
        char buffer[400];
        auto result =
            std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
        out.append(buffer, result.ptr);
    }
}

std::optional<double> parseNumber(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (text.empty())
        return std::nullopt;
    double value = 0;
    auto result =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size() ||
        !std::isfinite(value))
        return std::nullopt;
    return value;
}

double roundHalfEven(double value) {
    return std::nearbyint(value);
}

std::string_view trimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace loopsim
