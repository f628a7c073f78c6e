#include "export/ExportedDive.h"

#include <algorithm>
#include <cmath>

namespace loopsim {
namespace {

// Far past anything the unit shows, and small enough that the rounding stays exact.
constexpr double kLargestBar = 1000;
constexpr double kDeepestMetres = 10000;

int inSteps(double value, double steps, double largest) {
    if (!std::isfinite(value) || value <= 0)
        return 0;
    return static_cast<int>(std::lround(std::min(value, largest) * steps));
}

}  // namespace

int centibar(double bar) {
    return inSteps(bar, 100, kLargestBar);
}

int decimetres(double metres) {
    return inSteps(metres, 10, kDeepestMetres);
}

}  // namespace loopsim
