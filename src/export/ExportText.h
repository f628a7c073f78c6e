// The numbers of the exports as text: whole units printed with their decimal point put in,
// so no locale and no floating point rounding decides a digit.
#pragma once

#include <cstdio>
#include <string>

namespace loopsim {

// 130 centibar: "1.30"; 205 decimetres: "20.5".
inline void appendScaled(std::string& out, int value, int decimals) {
    char text[32];
    const int scale = decimals == 1 ? 10 : 100;
    std::snprintf(text, sizeof text, "%d.%0*d", value / scale, decimals, value % scale);
    out += text;
}

// "m:ss min", the minutes running on past an hour: "1:05 min", "300:00 min".
inline void appendMinutes(std::string& out, int seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%d:%02d min", seconds / 60, seconds % 60);
    out += text;
}

// "2024-05-01" and "10:00:00", joined by what the format puts between them.
inline std::string dateText(int year, int month, int day) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
    return text;
}

inline std::string clockText(int hour, int minute, int second) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", hour, minute, second);
    return text;
}

}  // namespace loopsim
