#include "core/LoopGas.h"

namespace loopsim {

double absolutePressure(const SimulationState& state) {
    return state.AmbientPressure / 1000.0 + state.Depth / 10.0;
}

double oxygenPartialPressure(int millibar, int oxygenPercent) {
    return (millibar / 1000.0) * (oxygenPercent / 100.0);
}

double loopGasLitres(const SimulationState& state) {
    return state.CounterlungVolume * state.LoopCapacity / 100;
}

double counterlungPercent(double litres, double loopCapacity) {
    return litres * 100 / loopCapacity;
}

double cylinderOxygen(double litres, int oxygenPercent) {
    return litres * oxygenPercent / 100;
}

double mixedPO2(double po2, double litres, double oxygen, double litresAfter) {
    return (po2 * litres + oxygen) / litresAfter;
}

void addGasToLoop(SimulationState& state, double litres, double oxygenFraction, double pressure) {
    const double oldLitres = loopGasLitres(state);
    if (state.LoopCapacity != 0)
        state.CounterlungVolume =
            state.CounterlungVolume + counterlungPercent(litres, state.LoopCapacity);
    const double newLitres = loopGasLitres(state);
    if (newLitres != 0)
        state.LoopPO2 =
            mixedPO2(state.LoopPO2, oldLitres, pressure * oxygenFraction * litres, newLitres);
}

void addGasToLoop(SimulationState& state, double litres, double oxygenFraction) {
    addGasToLoop(state, litres, oxygenFraction, absolutePressure(state));
}

double manualAdditionLitres(double litresPerTenthSecond, Millis held) {
    return litresPerTenthSecond * static_cast<double>(held) / 100;
}

void addGasByHand(SimulationState& state, double litres, double oxygenFraction) {
    const double volumeBefore = state.CounterlungVolume;
    addGasToLoop(state, litres, oxygenFraction);
    if (state.Mouthpiece == MouthpieceState::Open && state.Breathing == 0)
        state.CounterlungVolume = volumeBefore;
}

void addSolenoidStep(SimulationState& state, double litres) {
    const double loopLitres = loopGasLitres(state);
    if (loopLitres != 0)
        state.LoopPO2 = mixedPO2(state.LoopPO2, loopLitres,
                                 cylinderOxygen(litres, state.OxygenAnalysis), loopLitres);
    if (state.Mouthpiece == MouthpieceState::Closed && state.LoopCapacity != 0)
        state.CounterlungVolume =
            state.CounterlungVolume + counterlungPercent(litres, state.LoopCapacity);
}

void addFlushPass(SimulationState& state, double& workingVolume, double litres, double target) {
    const double capacity = state.LoopCapacity;
    // The flush measures its gas in an order of its own.
    const auto gasLitres = [capacity](double volume) { return capacity / 100 * volume; };
    const double oldGas = gasLitres(workingVolume);
    workingVolume = workingVolume + counterlungPercent(litres, capacity);
    if (workingVolume > 100)
        workingVolume = 100;
    const double newGas = gasLitres(workingVolume);
    if (newGas != 0)
        state.LoopPO2 = mixedPO2(state.LoopPO2, oldGas, litres * target, newGas);
}

double oxygenPerBreath(double metabolicRate, int breathInterval) {
    const double breathsPerMinute = 60 / (breathInterval / 1000.0);
    return metabolicRate / breathsPerMinute;
}

void breatheFromLoop(SimulationState& state, double oxygenUsed) {
    const double litres = loopGasLitres(state);
    if (litres != 0)
        state.LoopPO2 =
            (state.LoopPO2 * litres - cylinderOxygen(oxygenUsed, state.OxygenAnalysis)) / litres;
}

void dumpLoopGas(SimulationState& state, Millis held) {
    state.CounterlungVolume = state.CounterlungVolume - 20 * static_cast<double>(held) / 1000;
    if (state.CounterlungVolume < 0)
        state.CounterlungVolume = 0;
}

void leakFromLoop(SimulationState& state) {
    state.CounterlungVolume = state.CounterlungVolume - 5;
}

bool loopIsOverFull(const SimulationState& state) {
    return state.CounterlungVolume > 95;
}

void ventOverFullLoop(SimulationState& state) {
    state.CounterlungVolume = state.CounterlungVolume - 20;
}

bool ventExpandedGas(SimulationState& state) {
    if (state.CounterlungVolume > 100) {
        state.CounterlungVolume = 100;
        return true;
    }
    return false;
}

void compressLoopGas(SimulationState& state, int fromDepth) {
    const double ratio = (1 + state.Depth / 10.0) / (1 + fromDepth / 10.0);
    state.CounterlungVolume = state.CounterlungVolume / ratio;
    state.LoopPO2 = state.LoopPO2 * ratio;
}

void limitLoopPO2(SimulationState& state, double pressure) {
    if (state.LoopPO2 > pressure)
        state.LoopPO2 = pressure;
}

}  // namespace loopsim
