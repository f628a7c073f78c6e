#include "handset/Calibration.h"

#include "core/LoopGas.h"
#include "electronics/CellModel.h"
#include "handset/ScreenTexts.h"
#include "handset/Screens.h"

namespace loopsim {

Calibration::Flush Calibration::startFlush() {
    SimContext& context = handset_.context();
    SimulationState& s = context.state;
    handset_.showText(flushingText(handset_.record().CellPO2));
    context.recording.recordEvent("Calibration Started");

    Flush flush;
    flush.startPO2 = s.LoopPO2;
    context.sound.playIfEnabled(7, "injector.wav");
    flush.volume = s.CounterlungVolume;
    flush.startTime = context.clock.now();
    return flush;
}

bool Calibration::flushBatch(Flush& flush) {
    // Nothing else runs inside a batch, so what a pass looks at besides the loop stays the
    // same for all of its passes.
    const SimulationState& s = handset_.state();
    const PassConditions conditions{
        targetPO2(), s.OxygenValve == ValveState::Open, s.Mouthpiece == MouthpieceState::Closed,
        handset_.context().clock.now() > flush.startTime + kFlushTimeLimit};
    bool readingsDue = false;
    for (int pass = 0; pass < kFlushPassesPerBatch && flush.end == FlushEnd::Running; ++pass)
        flushPass(flush, conditions, readingsDue);
    if (readingsDue) {
        takeReadings();
        handset_.showText(flushingText(handset_.record().CellPO2));
    }
    return flush.end == FlushEnd::Running;
}

void Calibration::flushPass(Flush& flush, const PassConditions& conditions, bool& readingsDue) {
    SimulationState& s = handset_.state();
    const double target = conditions.target;
    if (!(s.LoopPO2 < target + 0.1)) {
        flush.end = FlushEnd::TargetPassed;
        return;
    }
    if (!conditions.valveOpen) {
        flush.end = FlushEnd::ValveClosed;
        return;
    }

    addFlushPass(s, flush.volume, kOxygenPerPass, target);

    if (s.LoopPO2 > target) {
        ++flush.saturatedPasses;
        s.LoopPO2 = target;
    } else {
        flush.saturatedPasses = 0;
    }
    if (flush.saturatedPasses >= kSaturatedPassesToEnd) {
        flush.end = FlushEnd::Saturated;
        return;
    }
    if (conditions.mouthpieceClosed)
        s.CounterlungVolume = flush.volume;

    readingsDue = true;
    if (conditions.timeUp)
        flush.end = FlushEnd::TimeUp;
}

bool Calibration::finishFlush(const Flush& flush) {
    SimContext& context = handset_.context();
    SimulationState& s = context.state;
    HandsetState& h = handset_.record();

    context.sound.stopIfEnabled(7);
    if (flush.end == FlushEnd::ValveClosed) {
        h.Screen = kNoOxygenScreen;
        return false;
    }
    const double present = s.LoopPO2;
    if (s.SlowCell != 0 || (present - 0.02 <= flush.startPO2 && flush.startPO2 <= present + 0.02)) {
        h.Screen = kCellStuckScreen;
        return false;
    }
    for (std::size_t cell = 1; cell <= 3; ++cell) {
        if (s.OxygenCells[cell].Millivolts == 0) {
            h.Screen = kFailedCellScreen;
            return false;
        }
    }

    settleCells();
    setFactors(h);
    if (handset_.other().Screen == kSlaveWaitScreen)
        setFactors(handset_.other());
    // The factors stay out of the cells' millivolts. They are bar per millivolt, not an
    // output; written there they would drop every reading of both handsets to near zero
    // until the cell tick had pulled the cells back, long enough for the controller to
    // fire on a reading no cell gave. The settled millivolts carry on as they are.
    s.CalibrationCount = s.CalibrationCount + 1;
    context.recording.recordEvent("Calibration ended");
    return true;
}

void Calibration::showCalibrating() {
    handset_.showText(handset_.state().HandsetScreens[kCalibratingScreen]);
}

void Calibration::endCalibrating() {
    // The end of calibration beeps whatever the Sound box says.
    handset_.context().sound.play(1, "DoubleBeep.wav");
    handset_.record().Screen = kMasterMainScreen;
}

double Calibration::targetPO2() const {
    const SimulationState& s = handset_.context().state;
    return oxygenPartialPressure(s.AmbientPressure, s.OxygenAnalysis);
}

void Calibration::takeReadings() {
    SimulationState& s = handset_.state();
    HandsetState& h = handset_.record();
    for (std::size_t cell = 1; cell <= 3; ++cell)
        h.CellPO2[cell] = s.OxygenCells[cell].Millivolts * h.CellFactor[cell];
}

void Calibration::settleCells() {
    // One plain step of the cell model towards the flushed loop, without drift growth.
    SimulationState& s = handset_.state();
    for (std::size_t cell = 1; cell <= 3; ++cell) {
        OxygenCell& c = s.OxygenCells[cell];
        c.Millivolts = (c.Millivolts + idealMillivolts(s, cell)) / 2;
    }
}

void Calibration::setFactors(HandsetState& handset) {
    const SimulationState& s = handset_.state();
    const double gasPO2 = oxygenPartialPressure(s.CalPressure, s.CalOxygenPercent);
    for (std::size_t cell = 1; cell <= 3; ++cell)
        if (s.OxygenCells[cell].Millivolts != 0)
            handset.CellFactor[cell] = gasPO2 / s.OxygenCells[cell].Millivolts;
}

}  // namespace loopsim
