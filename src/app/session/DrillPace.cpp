#include "app/session/DrillPace.h"

#include "simulation/Simulation.h"

namespace loopsim {

DrillPace::DrillPace(Drill drill, Simulation& simulation)
    : drill_(std::move(drill)), simulation_(simulation), engine_(drill_, simulation) {}

bool DrillPace::running() const {
    return simulation_.dialogs().ending() == Ending::Running;
}

void DrillPace::playStart(const Apply& apply) {
    for (const ScenarioLine& line : drill_.start) {
        if (line.time > drill_.end)
            break;
        simulation_.advanceTo(line.time);
        if (!running())
            return;
        if (line.action.verb != Verb::Dump)
            apply(line.action);
    }
    advanceTo(drill_.takeover, apply);
}

void DrillPace::advanceTo(Millis time, const Apply& apply) {
    while (!over_ && running()) {
        const Millis check = engine_.nextCheck();
        if (check <= drill_.end && check <= time) {
            simulation_.advanceTo(check);
            if (!running())
                return;
            for (const Action& action : engine_.check())
                apply(action);
            continue;
        }
        if (time <= drill_.end)
            break;
        // The trainee may still act at the end's own millisecond; after it, the drill is over.
        simulation_.advanceTo(drill_.end);
        over_ = true;
        if (running())
            apply(Action{Verb::End, {}, {}});
        return;
    }
    if (!over_)
        simulation_.advanceTo(time);
}

Millis DrillPace::nextDue() const {
    if (over_)
        return kNever;
    return engine_.nextCheck() <= drill_.end ? engine_.nextCheck() : drill_.end + 1;
}

}  // namespace loopsim
