// Any action the window could log, written as a session log line and parsed back: the same
// loggable action at the same time. The bytes choose the verb (first byte), an element of
// the simulation's own list (next two), the time (next four, up to the latest a scenario
// may have) and the value (the rest, any bytes at all).
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "files/LoggableAction.h"
#include "files/Scenario.h"
#include "simulation/Simulation.h"

namespace {

// Every element a scenario may name: those with handlers and those the window only shows.
std::vector<std::string> elementList() {
    const loopsim::Simulation simulation;
    std::set<std::string> names;
    for (const auto& [name, handlers] : simulation.input().elements())
        names.insert(name);
    for (const auto& [name, view] : simulation.view().elements())
        names.insert(name);
    return {names.begin(), names.end()};
}

std::uint64_t takeNumber(const std::uint8_t*& data, std::size_t& size, std::size_t bytes) {
    std::uint64_t number = 0;
    for (; bytes > 0 && size > 0; --bytes, --size)
        number = number << 8 | *data++;
    return number;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace loopsim;
    constexpr std::uint64_t kVerbCount = static_cast<std::uint64_t>(Verb::Speed) + 1;
    static const std::vector<std::string> kElements = elementList();

    Action action;
    action.verb = static_cast<Verb>(takeNumber(data, size, 1) % kVerbCount);
    action.element = kElements[takeNumber(data, size, 2) % kElements.size()];
    const auto time = static_cast<Millis>(takeNumber(data, size, 4) % (kLatestScenarioTime + 1));
    action.value.assign(reinterpret_cast<const char*>(data), size);

    const auto loggable = loggableAction(action);
    if (!loggable) {
        // Only a number verb's value can make an action of a listed element unloggable.
        if (action.verb != Verb::Hold && action.verb != Verb::Set && action.verb != Verb::Speed)
            std::abort();
        return 0;
    }
    const Scenario parsed = parseScenario(formatScenarioLine(time, *loggable), nullptr);
    if (parsed.error || parsed.lines.size() != 1)
        std::abort();
    const ScenarioLine& line = parsed.lines.front();
    if (line.time != time || line.action.verb != loggable->verb ||
        line.action.element != loggable->element || line.action.value != loggable->value)
        std::abort();
    return 0;
}
