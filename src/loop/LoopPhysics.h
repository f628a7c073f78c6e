// The breathing loop as one well-mixed gas space of variable volume, described by how full
// the counterlungs are (CounterlungVolume, percent) and the oxygen partial pressure of the
// gas (LoopPO2, bar). Everything that adds, removes or compresses gas acts on those two
// numbers through these few rules.
#pragma once

#include "core/SimContext.h"

namespace loopsim {

inline constexpr double kAirOxygenFraction = 0.21;  // diluent is air, whatever else is set
inline constexpr int kGaugeHeight = 4800;           // the counterlung gauge, in layout units

// Surface pressure plus water depth, in bar.
double absolutePressure(const SimulationState& state);
// Litres of gas in the loop.
double loopGasLitres(const SimulationState& state);

// Mixes litres of gas (measured at loop pressure) with the given oxygen fraction into the
// loop at the given absolute pressure. With no gas in the loop afterwards, LoopPO2 is kept.
void addGasToLoop(SimulationState& state, double litres, double oxygenFraction, double pressure);
void addGasToLoop(SimulationState& state, double litres, double oxygenFraction);

// The height of the cover that hides the empty part of the counterlung gauge.
int volumeBarCoverHeight(double counterlungVolume);
void drawVolumeBar(SimContext& context);

}  // namespace loopsim
