#include "drills/DrillPlay.h"

#include <algorithm>
#include <cstdlib>

#include "drills/DrillEngine.h"
#include "drills/Quantities.h"
#include "simulation/Simulation.h"

namespace loopsim {
namespace {

// Plays the drill's lines and checks in time order; stops at the first refusal.
class DrillPlayer {
  public:
    DrillPlayer(Simulation& simulation, const Drill& drill, const std::function<void()>& takeDump,
                const std::function<void(const Action&)>& played)
        : simulation_(simulation),
          drill_(drill),
          engine_(drill, simulation),
          takeDump_(takeDump),
          played_(played) {}

    std::optional<DrillRefusal> play(const Scenario& trainee, Millis end);

  private:
    // Advances the clock; input held back by a hold of the whole program may fail then.
    std::optional<DrillRefusal> advance(Millis time);
    // A line of the start or of the trainee's scenario; an exit or end line stops the run.
    std::optional<DrillRefusal> playLine(const ScenarioLine& line, bool inDrill);
    void check();
    bool running() const { return simulation_.dialogs().ending() == Ending::Running; }

    Simulation& simulation_;
    const Drill& drill_;
    DrillEngine engine_;
    const std::function<void()>& takeDump_;
    const std::function<void(const Action&)>& played_;
    bool stopped_ = false;  // by an exit or end line
};

std::optional<DrillRefusal> DrillPlayer::advance(Millis time) {
    simulation_.advanceTo(time);
    if (auto failed = simulation_.takeHeldInputError())
        return DrillRefusal{failed->origin < 0, std::abs(failed->origin), failed->message};
    return std::nullopt;
}

std::optional<DrillRefusal> DrillPlayer::playLine(const ScenarioLine& line, bool inDrill) {
    if (line.action.verb == Verb::Dump) {
        simulation_.atInputTime(takeDump_);
        return std::nullopt;
    }
    if (!inDrill)
        engine_.traineeAction(line.action);
    if (played_)
        played_(line.action);
    // Held input names its line: the drill's lines by their numbers below zero.
    const int origin = inDrill ? -line.lineNumber : line.lineNumber;
    if (auto refused = simulation_.apply(line.action, origin))
        return DrillRefusal{inDrill, line.lineNumber, *refused};
    if (line.action.verb == Verb::Exit || line.action.verb == Verb::End)
        stopped_ = true;
    return std::nullopt;
}

void DrillPlayer::check() {
    for (const Action& action : engine_.check()) {
        if (played_)
            played_(action);
        simulation_.apply(action);
    }
}

std::optional<DrillRefusal> DrillPlayer::play(const Scenario& trainee, Millis end) {
    for (const ScenarioLine& line : drill_.start) {
        if (line.time > end)
            break;
        if (auto refused = advance(line.time))
            return refused;
        if (!running())
            return std::nullopt;
        if (auto refused = playLine(line, true))
            return refused;
    }
    auto next = trainee.lines.begin();
    while (running() && !stopped_) {
        const bool checkFirst = next == trainee.lines.end() || engine_.nextCheck() <= next->time;
        const Millis time = checkFirst ? engine_.nextCheck() : next->time;
        if (time > end)
            break;
        if (auto refused = advance(time))
            return refused;
        if (!running())
            break;
        if (checkFirst) {
            check();
        } else if (auto refused = playLine(*next++, false)) {
            return refused;
        }
    }
    if (!running())
        return std::nullopt;
    // After an exit or end line, input still held by a hold is applied when the hold ends.
    Millis last = end;
    if (stopped_)
        last = simulation_.clock().holding() ? simulation_.clock().holdEnd() : simulation_.now();
    return advance(std::max(last, simulation_.now()));
}

}  // namespace

std::optional<DrillRefusal> refusedTraineeScenario(const Drill& drill, const Scenario& trainee) {
    for (const ScenarioLine& line : trainee.lines) {
        if (line.time < drill.takeover)
            return DrillRefusal{false, line.lineNumber,
                                "the time " + formatScenarioTime(line.time) +
                                    " s comes before the drill's takeover, at " +
                                    formatDrillTime(drill.takeover)};
    }
    return std::nullopt;
}

std::optional<DrillRefusal> playDrill(Simulation& simulation, const Drill& drill,
                                      const Scenario& trainee, std::optional<Millis> until,
                                      const std::function<void()>& takeDump,
                                      const std::function<void(const Action&)>& played) {
    const Millis end = until ? std::min(*until, drill.end) : drill.end;
    return DrillPlayer(simulation, drill, takeDump, played).play(trainee, end);
}

}  // namespace loopsim
