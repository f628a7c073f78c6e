#include "DiveScenarios.h"

#include <algorithm>
#include <vector>

#include "PreDiveRoutine.h"
#include "files/Scenario.h"
#include "simulation/Simulation.h"

namespace loopsim {
namespace {

constexpr Millis kSecond = 1000;
constexpr Millis kMinute = 60 * kSecond;

// Scenario lines in time order; lines at the same time keep the order they were added.
class ScenarioText {
  public:
    void add(Millis time, Verb verb, std::string element = {}, std::string value = {}) {
        lines_.push_back({time, Action{verb, std::move(element), std::move(value)}});
    }
    std::string text() {
        std::stable_sort(lines_.begin(), lines_.end(),
                         [](const Line& a, const Line& b) { return a.time < b.time; });
        std::string out;
        for (const Line& line : lines_)
            out += formatScenarioLine(line.time, line.action) + "\n";
        return out;
    }

  private:
    struct Line {
        Millis time;
        Action action;
    };
    std::vector<Line> lines_;
};

// The pre-dive routine's actions up to the oxygen valve's confirmation, without its dumps.
void addPreDive(ScenarioText& scenario) {
    for (const ScenarioLine& line : parseScenario(kPreDiveRoutine, nullptr).lines)
        if (line.time <= kFlushConfirmed && line.action.verb != Verb::Dump)
            scenario.add(line.time, line.action.verb, line.action.element, line.action.value);
}

// Moves one metre every six seconds from one depth to another.
void changeDepth(ScenarioText& scenario, Millis start, int from, int to) {
    Millis time = start;
    for (int depth = from; depth != to; depth += to > from ? 1 : -1) {
        scenario.add(time, Verb::Tap, to > from ? "Image10" : "Image9");
        time += 6 * kSecond;
    }
}

}  // namespace

std::string preDiveLines() {
    ScenarioText scenario;
    addPreDive(scenario);
    return scenario.text();
}

std::string fiveHourDiveScenario() {
    ScenarioText scenario;
    addPreDive(scenario);

    // The calibration is over within a minute; then the regulator goes in and the diver
    // breathes from the loop at a typed rate.
    scenario.add(60 * kSecond, Verb::Tap, "Image19");
    scenario.add(61 * kSecond, Verb::Tap, "Label4");
    scenario.add(61 * kSecond, Verb::Answer, {}, "1.3");

    // Down to 20 m, then a new depth every ten minutes, and up in the last minutes.
    constexpr int kDepths[] = {25, 15, 30, 20, 12, 28, 18};
    constexpr Millis kAscentStart = kFiveHours - 5 * kMinute;
    int depth = 0;
    changeDepth(scenario, 2 * kMinute, depth, 20);
    depth = 20;
    std::size_t next = 0;
    for (Millis time = 10 * kMinute; time < kAscentStart - 4 * kMinute; time += 10 * kMinute) {
        const int to = kDepths[next++ % std::size(kDepths)];
        changeDepth(scenario, time, depth, to);
        depth = to;
    }
    changeDepth(scenario, kAscentStart, depth, 0);

    // The master's middle button held past the setpoint tick: high, low, high, ...
    for (Millis time = 5 * kMinute; time < kAscentStart; time += 40 * kMinute)
        scenario.add(time + 30 * kSecond, Verb::Hold, "Label10", "2500");

    // Each half hour the instructor clears the last failure and sets the next one.
    int previous = 0;
    Millis time = 30 * kMinute;
    for (int option : kDiveFailureOptions) {
        const Millis at = time + 45 * kSecond;
        scenario.add(at, Verb::Tap, "Command2");
        if (previous != 0)
            scenario.add(at, Verb::Uncheck, "Options.Check" + std::to_string(previous));
        scenario.add(at, Verb::Check, "Options.Check" + std::to_string(option));
        scenario.add(at, Verb::Tap, "Options.Command1");
        previous = option;
        time += 30 * kMinute;
    }
    // The scrubber would be spent after three hours of breathing.
    scenario.add(150 * kMinute + 50 * kSecond, Verb::Tap, "Command2");
    scenario.add(150 * kMinute + 50 * kSecond, Verb::Tap, "Options.Command2");
    scenario.add(150 * kMinute + 50 * kSecond, Verb::Tap, "Options.Command1");

    scenario.add(kFiveHours, Verb::End);
    return scenario.text();
}

std::optional<std::string> playScenario(Simulation& simulation, std::string_view text) {
    const Scenario scenario = parseScenario(text, &simulation.input());
    if (scenario.error)
        return "line " + std::to_string(scenario.error->lineNumber) + ": " +
               scenario.error->message;
    for (const ScenarioLine& line : scenario.lines) {
        simulation.advanceTo(line.time);
        if (line.action.verb == Verb::Dump)
            continue;
        if (auto refused = simulation.apply(line.action))
            return "line " + std::to_string(line.lineNumber) + ": " + *refused;
        if (simulation.dialogs().ending() != Ending::Running)
            break;
    }
    return std::nullopt;
}

}  // namespace loopsim
