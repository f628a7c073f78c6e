#include "debrief/SessionReplay.h"

#include "debrief/SessionObserver.h"
#include "files/LostSession.h"
#include "files/ScenarioPlay.h"
#include "simulation/Simulation.h"

namespace loopsim {

ReplayedSession replaySessionLog(std::string_view logText) {
    const std::string_view lines = completeLogLines(logText);
    const MemorySettingsStore settings = settingsNotedInLog(lines);
    Simulation simulation(&settings);
    const Scenario scenario = parseScenario(lines, &simulation.input());
    if (scenario.error)
        return {
            "line " + std::to_string(scenario.error->lineNumber) + ": " + scenario.error->message,
            {}};

    SessionObserver observer(simulation);
    const auto refused = playScenario(
        simulation, scenario, std::nullopt, [] {},
        [&observer](const Action& action) { observer.actionApplied(action); });
    if (refused)
        return {"line " + std::to_string(refused->lineNumber) + ": " + refused->message, {}};
    return {std::nullopt, observer.finish()};
}

}  // namespace loopsim
