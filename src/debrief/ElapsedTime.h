// Times of a session as an instructor reads them: "mm:ss", "h:mm:ss" past an hour.
#pragma once

#include <cstdio>
#include <string>

#include "core/SimClock.h"

namespace loopsim {

inline std::string formatElapsed(Millis time) {
    const long long seconds = time < 0 ? 0 : time / 1000;
    char text[32];
    if (seconds >= 3600)
        std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", seconds / 3600, seconds / 60 % 60,
                      seconds % 60);
    else
        std::snprintf(text, sizeof text, "%02lld:%02lld", seconds / 60, seconds % 60);
    return text;
}

}  // namespace loopsim
