#include "debrief/SessionObserver.h"

#include "core/Elements.h"
#include "core/Format.h"
#include "debrief/ActionNames.h"
#include "debrief/ElapsedTime.h"
#include "debrief/FailureResponses.h"
#include "handset/Screens.h"
#include "instructor/OptionsDialog.h"
#include "simulation/Simulation.h"

namespace loopsim {
namespace {

constexpr std::string_view kWarningPrefix = "Warning: ";
// Noted on every option tick while a delay runs down: the failures themselves tell more.
constexpr std::string_view kOptionsChanged = "Options Changed";

// The boxes that act once when applied and clear themselves.
bool actsOnce(int option) {
    return option == elements::kSlaveTurnedOff || option == elements::kMasterTurnedOff;
}

std::array<double, 3> readings(const HandsetState& handset) {
    return {handset.CellPO2[1], handset.CellPO2[2], handset.CellPO2[3]};
}

bool showsSetpointMenu(const HandsetState& handset) {
    return handset.Screen == kHighSetpointMenu || handset.Screen == kLowSetpointMenu;
}

}  // namespace

SessionObserver::SessionObserver(Simulation& simulation)
    : simulation_(simulation), setpoint_(simulation.state().ActiveSetpoint) {
    simulation_.recording().setObserver(this);
}

SessionObserver::~SessionObserver() {
    simulation_.recording().setObserver(nullptr);
}

void SessionObserver::add(EventKind kind, std::string what, std::string element, int option) {
    timeline_.events.push_back(
        {simulation_.now(), kind, std::move(what), std::move(element), option});
}

void SessionObserver::actionApplied(const Action& action) {
    if (action.verb == Verb::Dump || action.verb == Verb::End || action.verb == Verb::Pause ||
        action.verb == Verb::Resume || action.verb == Verb::Speed)
        return;
    if (action.element == elements::kApplyOptionsButton)
        lastChangeNow_ = simulation_.now();
    const bool instructor = isInstructorAction(action) || action.verb == Verb::Note;
    add(instructor ? EventKind::Instructor : EventKind::Trainee, describeAction(action),
        action.element);
    followSetpointMenus();
}

void SessionObserver::statusMessage(std::string_view message) {
    if (message.substr(0, kWarningPrefix.size()) == kWarningPrefix) {
        add(EventKind::Warning, std::string(message.substr(kWarningPrefix.size())));
        return;
    }
    if (message == kOptionsChanged)
        return;
    add(EventKind::Unit, std::string(message));
    if (message == "Breathing Started" && !timeline_.preDive)
        notePreDiveChecks();
}

void SessionObserver::secondTaken() {
    const SimulationState& s = simulation_.state();
    followFailures();
    followSetpointMenus();
    if (s.ActiveSetpoint != setpoint_) {
        add(EventKind::Unit,
            "setpoint " + formatFixed(setpoint_, 2) + " to " + formatFixed(s.ActiveSetpoint, 2));
        setpoint_ = s.ActiveSetpoint;
    }

    SecondSample sample;
    sample.time = simulation_.now();
    sample.loopPO2 = s.LoopPO2;
    sample.handsetPO2 = parseNumber(s.HandsetPO2);
    sample.leftCells = readings(s.LeftHandset);
    sample.rightCells = readings(s.RightHandset);
    sample.leftOn = s.LeftHandset.UnitOn == 1;
    sample.rightOn = s.RightHandset.UnitOn == 1;
    sample.rightIsMaster = s.RightHandset.IsMaster == 1 && s.LeftHandset.IsMaster != 1;
    sample.setpoint = s.ActiveSetpoint;
    sample.depth = s.Depth;
    sample.oxygenAnalysis = s.OxygenAnalysis;
    sample.counterlungVolume = s.CounterlungVolume;
    sample.mouthpieceOpen = s.Mouthpiece == MouthpieceState::Open;
    sample.onLoop = sample.mouthpieceOpen && s.Breathing == 1;
    sample.bailedOut = simulation_.dialogs().isOpen(elements::kBailoutDialog);
    sample.failures = failures_;
    timeline_.seconds.push_back(sample);
}

Timeline SessionObserver::finish() {
    followFailures();
    timeline_.end = simulation_.now();
    return std::move(timeline_);
}

void SessionObserver::followFailures() {
    const std::uint32_t applied = simulation_.optionsDialog().appliedBoxes();
    if (applied == failures_)
        return;
    for (int option = 1; option <= OptionsDialog::kBoxCount; ++option) {
        const std::uint32_t bit = 1u << option;
        if ((applied & bit) && !(failures_ & bit)) {
            std::string what = failureName(option) + " in force";
            // Applied well after "Change now": the instructor's delay ran down first.
            if (lastChangeNow_ >= 0 && simulation_.now() - lastChangeNow_ > 1000)
                what += " (set at " + formatElapsed(lastChangeNow_) + ")";
            add(EventKind::Failure, std::move(what), {}, option);
        } else if (!(applied & bit) && (failures_ & bit) && !actsOnce(option)) {
            add(EventKind::Cleared, failureName(option) + " cleared", {}, option);
        }
    }
    failures_ = applied;
}

void SessionObserver::followSetpointMenus() {
    const SimulationState& s = simulation_.state();
    if (showsSetpointMenu(s.LeftHandset) || showsSetpointMenu(s.RightHandset))
        setpointsSeen_ = true;
}

void SessionObserver::notePreDiveChecks() {
    const SimulationState& s = simulation_.state();
    followSetpointMenus();
    timeline_.preDive = PreDiveChecks{
        .time = simulation_.now(),
        .oxygenOpen = s.OxygenValve == ValveState::Open,
        .diluentOpen = s.DiluentValve == ValveState::Open,
        .leftOn = s.LeftHandset.UnitOn == 1,
        .rightOn = s.RightHandset.UnitOn == 1,
        .calibrated = s.CalibrationCount > 0,
        .setpointsSeen = setpointsSeen_,
    };
}

}  // namespace loopsim
