// Plays a parsed scenario on a simulation as fast as the processor allows: each line at its
// time, dumps taken once the input before them is applied, up to an exit, an end, the
// optional last time, or the last line. The run stops where the exit path would then be
// taken; writing the recording file is left to the caller.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "files/Scenario.h"

namespace loopsim {

class Simulation;

struct ScenarioRefusal {
    int lineNumber = 0;
    std::string message;
};

// Nothing when every line was played; else the line that could not be, and why. A dump
// line calls takeDump at its point in the run; every other line calls played, when one is
// given, just before it goes to the simulation.
std::optional<ScenarioRefusal> playScenario(
    Simulation& simulation, const Scenario& scenario, std::optional<Millis> until,
    const std::function<void()>& takeDump,
    const std::function<void(const Action&)>& played = nullptr);

}  // namespace loopsim
