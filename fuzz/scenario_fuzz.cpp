// Any bytes as a scenario: parsed against the elements a simulation knows and, when they
// parse, played for at most ten minutes of simulated time. No crash, no sanitizer report.
#include <cstdint>
#include <string_view>

#include "files/Scenario.h"
#include "simulation/Simulation.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace loopsim;
    constexpr Millis kLongestPlay = 600'000;
    Simulation simulation;
    const Scenario scenario = parseScenario(
        std::string_view(reinterpret_cast<const char*>(data), size), &simulation.input());
    if (scenario.error)
        return 0;
    for (const ScenarioLine& line : scenario.lines) {
        if (line.time > kLongestPlay || simulation.dialogs().ending() != Ending::Running)
            break;
        simulation.advanceTo(line.time);
        simulation.apply(line.action);
    }
    return 0;
}
