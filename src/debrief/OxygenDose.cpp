#include "debrief/OxygenDose.h"

#include <array>
#include <cmath>

namespace loopsim {
namespace {

constexpr double kNoDoseBelow = 0.5;

struct LimitRow {
    double po2;
    double minutes;
};

constexpr std::array kLimits{
    LimitRow{0.6, 720}, LimitRow{0.7, 570}, LimitRow{0.8, 450}, LimitRow{0.9, 360},
    LimitRow{1.0, 300}, LimitRow{1.1, 240}, LimitRow{1.2, 210}, LimitRow{1.3, 180},
    LimitRow{1.4, 150}, LimitRow{1.5, 120}, LimitRow{1.6, 45},
};

}  // namespace

double cnsLimitMinutes(double po2) {
    if (!(po2 > kNoDoseBelow))
        return 0;
    if (po2 <= kLimits.front().po2)
        return kLimits.front().minutes;
    for (std::size_t i = 1; i < kLimits.size(); ++i) {
        if (po2 <= kLimits[i].po2) {
            const LimitRow& low = kLimits[i - 1];
            const LimitRow& high = kLimits[i];
            const double share = (po2 - low.po2) / (high.po2 - low.po2);
            return low.minutes + share * (high.minutes - low.minutes);
        }
    }
    return kLimits.back().minutes;
}

double cnsPercentPerMinute(double po2) {
    const double limit = cnsLimitMinutes(po2);
    return limit > 0 ? 100 / limit : 0;
}

double otuPerMinute(double po2) {
    if (!(po2 > kNoDoseBelow))
        return 0;
    return std::pow((po2 - kNoDoseBelow) / kNoDoseBelow, 5.0 / 6.0);
}

}  // namespace loopsim
