#include "loop/LoopPhysics.h"

#include <algorithm>

#include "core/Elements.h"

namespace loopsim {

double absolutePressure(const SimulationState& state) {
    return state.AmbientPressure / 1000.0 + state.Depth / 10.0;
}

double loopGasLitres(const SimulationState& state) {
    return state.CounterlungVolume * state.LoopCapacity / 100;
}

void addGasToLoop(SimulationState& state, double litres, double oxygenFraction, double pressure) {
    const double oldLitres = loopGasLitres(state);
    if (state.LoopCapacity != 0)
        state.CounterlungVolume = state.CounterlungVolume + litres * 100 / state.LoopCapacity;
    const double newLitres = loopGasLitres(state);
    if (newLitres != 0)
        state.LoopPO2 =
            (state.LoopPO2 * oldLitres + pressure * oxygenFraction * litres) / newLitres;
}

void addGasToLoop(SimulationState& state, double litres, double oxygenFraction) {
    addGasToLoop(state, litres, oxygenFraction, absolutePressure(state));
}

int volumeBarCoverHeight(double counterlungVolume) {
    const double height = kGaugeHeight - 48 * counterlungVolume;
    return static_cast<int>(std::clamp(height, 0.0, static_cast<double>(kGaugeHeight)));
}

void drawVolumeBar(SimContext& context) {
    context.view.element(elements::kCounterlungCover)
        .setHeight(volumeBarCoverHeight(context.state.CounterlungVolume));
}

}  // namespace loopsim
