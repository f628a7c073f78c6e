// How the electronics read the two handsets: each handset's three cell readings from the
// cells' outputs and its own calibration factors, and which handset is the master (the
// left one when its flag says so, otherwise the right one).
#pragma once

#include "core/SimulationState.h"

namespace loopsim {

inline constexpr double kReadingCap = 2.55;  // the largest PO2 a handset can show

enum class ReadingLimit { Capped, Uncapped };

// CellPO2(k) = Millivolts(k) × CellFactor(k) for both handsets, left first.
void updateCellReadings(SimulationState& state, ReadingLimit limit);

HandsetState& masterHandset(SimulationState& state);
// Any master screen above 49 (a warning) goes back to the master main screen.
void returnMasterToMainScreen(SimulationState& state);
bool eitherOnMasterMainScreen(const SimulationState& state);

}  // namespace loopsim
