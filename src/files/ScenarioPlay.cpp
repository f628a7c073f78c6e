#include "files/ScenarioPlay.h"

#include <algorithm>

#include "simulation/Simulation.h"

namespace loopsim {
namespace {

// Advances the clock; input held back by a hold of the whole program may fail then.
std::optional<ScenarioRefusal> advance(Simulation& simulation, Millis time) {
    simulation.advanceTo(time);
    if (auto failed = simulation.takeHeldInputError())
        return ScenarioRefusal{failed->origin, failed->message};
    return std::nullopt;
}

}  // namespace

std::optional<ScenarioRefusal> playScenario(Simulation& simulation, const Scenario& scenario,
                                            std::optional<Millis> until,
                                            const std::function<void()>& takeDump,
                                            const std::function<void(const Action&)>& played) {
    for (const ScenarioLine& line : scenario.lines) {
        // A run that has ended (the bail-out window's exit) goes no further in time either.
        if (simulation.dialogs().ending() != Ending::Running)
            return std::nullopt;
        if (until && line.time > *until)
            break;
        if (auto refused = advance(simulation, line.time))
            return refused;
        if (simulation.dialogs().ending() != Ending::Running)
            return std::nullopt;
        if (line.action.verb == Verb::Dump) {
            // Taken once the lines before it have been applied, even inside a hold.
            simulation.atInputTime(takeDump);
            continue;
        }
        if (played)
            played(line.action);
        if (auto refused = simulation.apply(line.action, line.lineNumber))
            return ScenarioRefusal{line.lineNumber, *refused};
        if (line.action.verb == Verb::Exit || line.action.verb == Verb::End)
            break;
    }
    if (simulation.dialogs().ending() != Ending::Running)
        return std::nullopt;
    // The run ends at the last time given or after the last line; lines held back by a hold
    // that is still on are applied when it ends.
    Millis end = simulation.now();
    if (simulation.clock().holding())
        end = simulation.clock().holdEnd();
    if (until && !scenario.lines.empty() && scenario.lines.back().time > *until)
        end = *until;
    return advance(simulation, std::max(end, simulation.now()));
}

}  // namespace loopsim
