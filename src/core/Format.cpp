#include "core/Format.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace loopsim {

std::string formatFixed(double value, int decimals) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    std::string text = buffer;
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
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%02.0f", value);
    return buffer;
}

std::string formatPlain(double value) {
    if (!std::isfinite(value))
        return formatRoundTrip(value);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    // Reformat in fixed notation with the digits %.15g kept.
    const double rounded = std::strtod(buffer, nullptr);
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

}  // namespace loopsim
