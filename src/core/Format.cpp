#include "core/Format.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace loopsim {

namespace {

// printf's "%.*f": to_chars with a precision gives the same digits, without the cost of a
// format string and a locale. printf keeps its own spelling of NaN and the infinities.
std::string printfFixed(double value, int decimals) {
    if (!std::isfinite(value)) {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
        return buffer;
    }
    char buffer[400];
    auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (result.ec == std::errc())
        return std::string(buffer, result.ptr);
    std::string text(static_cast<std::size_t>(std::snprintf(nullptr, 0, "%.*f", decimals, value)),
                     '\0');
    std::snprintf(text.data(), text.size() + 1, "%.*f", decimals, value);
    return text;
}

}  // namespace

std::string formatFixed(double value, int decimals) {
    std::string text = printfFixed(value, decimals);
    // "-0.00" reads as 0.00 on a display.
    if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos)
        text.erase(0, 1);
    return text;
}

std::string formatNoLeadingZero(double value) {
    std::string text = formatFixed(value, 2);
    const auto zero = text.front() == '-' ? 1u : 0u;
    if (text.compare(zero, 2, "0.") == 0)
        text.erase(zero, 1);
    return text;
}

std::string formatTwoDigits(double value) {
    // printf's "%02.0f": a single character is a lone digit, padded with a zero.
    std::string text = printfFixed(value, 0);
    if (text.size() < 2)
        text.insert(0, 1, '0');
    return text;
}

std::string formatPlain(double value) {
    if (!std::isfinite(value))
        return formatRoundTrip(value);
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
    } else {
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
