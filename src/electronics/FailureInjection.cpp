#include "electronics/FailureInjection.h"

#include "core/Elements.h"
#include "core/Format.h"
#include "electronics/DisplayLines.h"
#include "electronics/HandsetReadings.h"
#include "instructor/OptionsDialog.h"

namespace loopsim {
namespace {

constexpr double kStartingDriftMillivolts = 0.01;
constexpr double kRestoredCellMillivolts = 10;

int flag(bool ticked) {
    return ticked ? 1 : 0;
}

}  // namespace

int drawnCellFor(double uniform) {
    return static_cast<int>(roundHalfEven(uniform * 3.5));
}

FailureInjection::FailureInjection(SimContext& context, OptionsDialog& options)
    : context_(context), options_(options) {
    context.clock.timer("OptionTimer").setHandler([this] { optionTick(); });
}

void FailureInjection::optionTick() {
    SimTimer& optionTimer = context_.clock.timer("OptionTimer");
    optionTimer.setInterval(10000);
    context_.recording.recordEvent("Options Changed");

    // The tick counter is 32 bits wide; the difference stays right across its wrap.
    const std::uint32_t elapsed =
        static_cast<std::uint32_t>(context_.clock.now()) - context_.state.OptionsSetTime;
    if (elapsed < static_cast<std::uint32_t>(options_.delayMinutes()) * 60000u)
        return;

    applyOptions();
    optionTimer.setEnabled(false);
}

void FailureInjection::applyOptions() {
    options_.noteApplied();
    SimulationState& s = context_.state;
    s.DarkAtDepth = flag(options_.isTicked(elements::kDarkAtDepth));
    applyCellOptions();

    if (options_.isTicked(elements::kSolenoidStuckOpen))
        s.SolenoidState = SolenoidCondition::StuckOpen;
    else if (options_.isTicked(elements::kSolenoidStuckClosed))
        s.SolenoidState = SolenoidCondition::StuckClosed;
    else
        s.SolenoidState = SolenoidCondition::Normal;

    applyBatteryOptions();
    s.AdvFailed = flag(options_.isTicked(elements::kAdvFailed));
    s.AdvFreeFlow = flag(options_.isTicked(elements::kAdvFreeFlow));
    s.OxygenInjectorFailed = flag(options_.isTicked(elements::kOxygenInjectorFailed));
    s.OxygenInjectorStuckOn = flag(options_.isTicked(elements::kOxygenInjectorStuckOn));
    s.DiluentInjectorStuckOn = flag(options_.isTicked(elements::kDiluentInjectorStuckOn));
    s.DiluentInjectorFailed = flag(options_.isTicked(elements::kDiluentInjectorFailed));

    // The knock-offs happen once per confirmation: their boxes clear themselves.
    if (options_.isTicked(elements::kSlaveTurnedOff)) {
        switchSlaveOff();
        options_.setTicked(elements::kSlaveTurnedOff, false);
    }
    if (options_.isTicked(elements::kMasterTurnedOff)) {
        switchMasterOff();
        options_.setTicked(elements::kMasterTurnedOff, false);
    }

    context_.clock.timer("FloodTimer").setEnabled(options_.isTicked(elements::kHandsetFlood));
    applyPhysicalFailures();
}

void FailureInjection::applyCellOptions() {
    SimulationState& s = context_.state;
    s.SlowCell = options_.isTicked(elements::kCellSlow) ? drawCell() : 0;

    // "Cell Drift" clear stops every drift; "2 Cell Concurrent Drift" clear stops them only
    // when "Cell Drift" is clear too, so a single drift applied again adds a second one.
    if (options_.isTicked(elements::kCellDrift))
        s.CellDrift[static_cast<std::size_t>(drawCell())] = kStartingDriftMillivolts;
    else
        s.CellDrift[1] = s.CellDrift[2] = s.CellDrift[3] = 0;
    if (options_.isTicked(elements::kTwoCellDrift)) {
        const int first = drawCell();
        const int second = first == 3 ? 1 : first + 1;
        s.CellDrift[static_cast<std::size_t>(first)] = kStartingDriftMillivolts;
        s.CellDrift[static_cast<std::size_t>(second)] = kStartingDriftMillivolts;
    }

    if (options_.isTicked(elements::kCellFailure))
        s.OxygenCells[static_cast<std::size_t>(drawCell())].Millivolts = 0;
    else
        s.OxygenCells[static_cast<std::size_t>(s.DrawnCell)].Millivolts = kRestoredCellMillivolts;
}

void FailureInjection::applyBatteryOptions() {
    HandsetState& master = masterHandset(context_.state);
    if (options_.isTicked(elements::kMasterBatteryLow))
        master.BatteryVolts = 5.3;
    else if (options_.isTicked(elements::kMasterBatteryExhausted))
        master.BatteryVolts = 4.9;
}

void FailureInjection::applyPhysicalFailures() {
    SimulationState& s = context_.state;
    const bool dumpValve = options_.isTicked(elements::kDumpValveMissing);
    s.DumpValveFailed = flag(dumpValve);
    context_.view.element(elements::kDumpValve)
        .setPicture(dumpValve ? "\\DumpFail.jpg" : "\\Dump.jpg");

    const bool oxygenButton = options_.isTicked(elements::kOxygenButtonMissing);
    s.OxygenButtonMissing = flag(oxygenButton);
    context_.view.element(elements::kOxygenButton)
        .setPicture(oxygenButton ? "\\ManualAddMissing.jpg" : "\\O2Butt.jpg");

    const bool diluentButton = options_.isTicked(elements::kDiluentButtonMissing);
    s.DiluentButtonMissing = flag(diluentButton);
    context_.view.element(elements::kDiluentButton)
        .setPicture(diluentButton ? "\\ManualAddMissing.jpg" : "\\DiluentButt.jpg");
}

int FailureInjection::drawCell() {
    context_.state.DrawnCell = drawnCellFor(context_.random.next());
    return context_.state.DrawnCell;
}

void FailureInjection::switchSlaveOff() {
    SimulationState& s = context_.state;
    HandsetState* slave = s.LeftHandset.IsMaster == 0    ? &s.LeftHandset
                          : s.RightHandset.IsMaster == 0 ? &s.RightHandset
                                                         : nullptr;
    if (!slave)
        return;
    slave->UnitOn = 0;
    slave->Screen = 0;
}

void FailureInjection::switchMasterOff() {
    SimulationState& s = context_.state;
    HandsetState* master = nullptr;
    HandsetState* other = nullptr;
    if (s.LeftHandset.IsMaster == 1) {
        master = &s.LeftHandset;
        other = &s.RightHandset;
    } else if (s.RightHandset.IsMaster == 1) {
        master = &s.RightHandset;
        other = &s.LeftHandset;
    } else {
        return;
    }
    master->UnitOn = 0;
    master->Screen = 0;
    master->IsMaster = 0;
    if (other->Screen == kSlaveMainScreen) {
        other->Screen = kMasterMainScreen;
        other->IsMaster = 1;
        context_.sound.playIfEnabled(1, "lowo2.wav");
    }
}

}  // namespace loopsim
