#include "drills/DrillEngine.h"

#include "core/Elements.h"
#include "debrief/FailureResponses.h"
#include "instructor/OptionsDialog.h"
#include "simulation/Simulation.h"

namespace loopsim {
namespace {

constexpr Millis kCheckInterval = 1000;

}  // namespace

DrillEngine::DrillEngine(const Drill& drill, Simulation& simulation)
    : drill_(drill),
      simulation_(simulation),
      nextCheck_(drill.takeover),
      lastCheck_(drill.takeover) {
    for (const DrillFailure& failure : drill.failures)
        pending_.push_back({&failure});
}

void DrillEngine::traineeAction(const Action& action) {
    const std::uint32_t inForce = simulation_.optionsDialog().appliedBoxes();
    for (const DrillFailure& failure : drill_.failures) {
        const FailureResponse* response = failureResponse(failure.option);
        if ((inForce & (1u << failure.option)) && response && answers(*response, action.element))
            answeredAt_.try_emplace(failure.option, simulation_.now());
    }
}

std::vector<Action> DrillEngine::check() {
    const Millis now = simulation_.now();
    const double calibrations = simulation_.state().CalibrationCount;
    if (calibrationsAtTakeover_ < 0)
        calibrationsAtTakeover_ = calibrations;
    else if (!calibratedAt_ && calibrations > calibrationsAtTakeover_)
        calibratedAt_ = now;

    std::vector<const DrillFailure*> dueNow;
    for (Pending& pending : pending_) {
        if (!pending.injected && due(pending, now - lastCheck_)) {
            pending.injected = true;
            dueNow.push_back(pending.failure);
        }
    }
    lastCheck_ = now;
    // The next whole second of the drill: a late check (the window's) does not shift them.
    nextCheck_ = drill_.takeover + ((now - drill_.takeover) / kCheckInterval + 1) * kCheckInterval;
    return inject(dueNow);
}

bool DrillEngine::due(Pending& pending, Millis sinceLastCheck) {
    const DrillTrigger& trigger = pending.failure->trigger;
    const Millis now = simulation_.now();
    const int depth = simulation_.state().Depth;
    switch (trigger.kind) {
        case DrillTrigger::Kind::AtTime:
            return now - drill_.takeover >= trigger.time;
        case DrillTrigger::Kind::AtDepth:
            return depth >= trigger.depth;
        case DrillTrigger::Kind::TimeAtDepth:
            if (depth >= trigger.depth)
                pending.atDepth += sinceLastCheck;
            return pending.atDepth >= trigger.time && depth >= trigger.depth;
        case DrillTrigger::Kind::AfterCalibration:
            return calibratedAt_ && now - *calibratedAt_ >= trigger.time;
        case DrillTrigger::Kind::AfterAnswered: {
            const auto answered = answeredAt_.find(trigger.answered);
            return answered != answeredAt_.end() && now - answered->second >= trigger.time;
        }
    }
    return false;
}

std::vector<Action> DrillEngine::inject(const std::vector<const DrillFailure*>& failures) const {
    std::vector<Action> actions;
    if (failures.empty())
        return actions;
    for (const DrillFailure* failure : failures)
        actions.push_back({Verb::Check, elements::optionBox(failure->option), {}});
    const int delay = failures.front()->delayMinutes;
    if (simulation_.optionsDialog().delayMinutes() != delay)
        actions.push_back({Verb::Set, elements::kFailureDelaySlider, std::to_string(delay)});
    actions.push_back({Verb::Tap, elements::kApplyOptionsButton, {}});
    return actions;
}

}  // namespace loopsim
