// Plays a drill headless on a fresh simulation, as fast as the processor allows: the start
// lines, then from the takeover the trainee's scenario, with the drill's checks once a
// second between its lines (before the lines of the same millisecond) and each injection
// applied at its check. The run ends at the drill's end, at the trainee's exit or end line,
// or at the optional last time, whichever comes first; writing files is left to the caller.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "drills/Drill.h"
#include "files/ScenarioPlay.h"

namespace loopsim {

class Simulation;

struct DrillRefusal {
    bool inDrill = false;  // a line of the drill's start, else of the trainee's scenario
    int lineNumber = 0;
    std::string message;
};

// The trainee's scenario may not act before the takeover: the line that does, if any.
std::optional<DrillRefusal> refusedTraineeScenario(const Drill& drill, const Scenario& trainee);

// Nothing when the drill played; else the line that could not be, and why. Every action
// goes to played, when given, just before it goes to the simulation: the start's, the
// trainee's and the injections (an instructor's actions).
std::optional<DrillRefusal> playDrill(Simulation& simulation, const Drill& drill,
                                      const Scenario& trainee, std::optional<Millis> until,
                                      const std::function<void()>& takeDump,
                                      const std::function<void(const Action&)>& played = nullptr);

}  // namespace loopsim
