#include "electronics/PO2Controller.h"

#include <algorithm>
#include <cmath>

#include "core/Format.h"
#include "core/LoopGas.h"
#include "electronics/HandsetReadings.h"

namespace loopsim {
namespace {

constexpr double kStepLitres = 0.2;
constexpr double kMasterDrainVolts = 0.00006;
constexpr double kOtherDrainVolts = 0.00003;

}  // namespace

CellVote voteCells(const CellValues& readings) {
    std::array<double, 3> r{readings[1], readings[2], readings[3]};
    std::sort(r.begin(), r.end());
    const double gapLow = std::abs(r[0] - r[1]);
    const double gapHigh = std::abs(r[1] - r[2]);
    if (gapLow > gapHigh)
        return {(r[1] + r[2]) / 2, gapLow};
    return {(r[0] + r[1]) / 2, gapHigh};
}

double fireSeconds(double setpoint, double handsetPO2) {
    return std::clamp(13 * (setpoint - handsetPO2) - 0.5, 0.1, 15.0);
}

PO2Controller::PO2Controller(SimContext& context) : context_(context) {
    // As a process handler the tick is busy while the solenoid is open: a controller tick
    // that falls due during a firing runs once, right after the firing ends, so no two
    // firings ever add gas at the same time.
    context.clock.timer("ComputerTimer").setProcessHandler([this] { return controllerTick(); });
}

Process PO2Controller::controllerTick() {
    SimulationState& s = context_.state;
    returnMasterToMainScreen(s);

    if (eitherOnMasterMainScreen(s)) {
        const CellVote vote = voteCells(masterHandset(s).CellPO2);
        s.HandsetPO2 = formatFixed(vote.meanPO2, 2);
        s.CellSpread = vote.cellSpread;
        // The decision uses the displayed value, rounded to two decimals.
        const double handsetPO2 = parseNumber(s.HandsetPO2).value_or(vote.meanPO2);

        if (mayFire(handsetPO2)) {
            const double seconds = fireSeconds(s.ActiveSetpoint, handsetPO2);
            drainBatteries();
            if (s.SoundEnabled == 1)
                startSolenoidSound(seconds);

            const Millis start = context_.clock.now();
            const double end = static_cast<double>(start) + 1000 * seconds;
            while (static_cast<double>(context_.clock.now()) < end) {
                addSolenoidStep(s, kStepLitres);
                // The firing's own bound (end + 1 s) never comes before a full second here.
                co_await context_.clock.sleepFor(1000);
                updateCellReadings(s, ReadingLimit::Uncapped);
            }
            context_.sound.stopIfEnabled(5);
        }
    }

    if (eitherOnMasterMainScreen(s))
        updateCellReadings(s, ReadingLimit::Uncapped);
}

bool PO2Controller::mayFire(double handsetPO2) const {
    const SimulationState& s = context_.state;
    return handsetPO2 < s.ActiveSetpoint && s.SolenoidState == SolenoidCondition::Normal &&
           s.OxygenValve == ValveState::Open;
}

void PO2Controller::drainBatteries() {
    SimulationState& s = context_.state;
    const bool leftIsMaster = s.LeftHandset.IsMaster == 1;
    s.LeftHandset.BatteryVolts -= leftIsMaster ? kMasterDrainVolts : kOtherDrainVolts;
    s.RightHandset.BatteryVolts -= leftIsMaster ? kOtherDrainVolts : kMasterDrainVolts;
}

void PO2Controller::startSolenoidSound(double seconds) {
    SimTimer& stopTick = context_.clock.timer("MakeNoiseSolenoidTimer");
    stopTick.setInterval(static_cast<int>(roundHalfEven(1000 * seconds)));
    context_.sound.play(7, "injectorshort.wav");
    stopTick.setEnabled(true);
}

}  // namespace loopsim
