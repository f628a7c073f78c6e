#pragma once

#include <string>
#include <vector>

#include "simulation/Simulation.h"

namespace loopsim {

// One state dump as a single line of JSON: the time, every field of the state record by
// name, the handsets, the cells, the timers, every window element with what it shows, the
// given sound calls, the open prompt and the open dialogs.
std::string stateDumpJson(const Simulation& simulation, const std::vector<SoundCall>& sounds);

}  // namespace loopsim
