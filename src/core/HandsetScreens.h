#pragma once

#include <array>
#include <string>

#include "core/SimulationState.h"

namespace loopsim {

// The fixed texts of the handset displays, by screen number. Their runs of spaces decide
// where the two-line display wraps them, so every space belongs to the text.
std::array<std::string, kScreenCount> fixedHandsetScreens();

}  // namespace loopsim
