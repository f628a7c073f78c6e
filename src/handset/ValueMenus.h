// The five menus whose value the outer buttons step: ambient pressure and oxygen
// percentage for calibration, high and low setpoint and brightness for setup. A step is
// applied first and the result then held within the menu's bounds.
#pragma once

#include <optional>
#include <string>

#include "core/SimulationState.h"

namespace loopsim {

enum class MenuStep { Down, Up };

// The text of the value menu on that screen with its present value; nothing when the
// screen is not a value menu.
std::optional<std::string> valueMenuText(const SimulationState& state, const HandsetState& handset,
                                         int screen);

// Steps the value of the menu on that screen and returns the menu's new text; nothing
// (and no change) when the screen is not a value menu.
std::optional<std::string> stepValueMenu(SimulationState& state, HandsetState& handset, int screen,
                                         MenuStep step);

}  // namespace loopsim
