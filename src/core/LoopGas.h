// The breathing loop as one well-mixed gas space of variable volume, described by how full
// the counterlungs are (CounterlungVolume, percent of LoopCapacity litres) and the oxygen
// partial pressure of the gas (LoopPO2, bar). Everything that adds, removes or compresses
// gas acts on those two numbers through the formulas here. Each formula keeps its own order
// of operations: the recordings depend on the last bit of every result.
#pragma once

#include "core/SimClock.h"
#include "core/SimulationState.h"

namespace loopsim {

inline constexpr double kAirOxygenFraction = 0.21;  // diluent is air, whatever else is set

// Surface pressure plus water depth, in bar.
double absolutePressure(const SimulationState& state);
// The oxygen partial pressure of a gas of oxygenPercent at a pressure in millibar, in bar.
double oxygenPartialPressure(int millibar, int oxygenPercent);
// Litres of gas in the loop.
double loopGasLitres(const SimulationState& state);
// The share of a full counterlung, in percent, that litres of gas take.
double counterlungPercent(double litres, double loopCapacity);
// The oxygen in litres of cylinder gas of the given oxygen percentage, counted at one bar
// (bar litres).
double cylinderOxygen(double litres, int oxygenPercent);
// The PO2 of litres of gas at po2 once oxygen (bar litres) has joined them, spread over
// litresAfter.
double mixedPO2(double po2, double litres, double oxygen, double litresAfter);

// Gas in.
//
// Mixes litres of gas (measured at loop pressure) with the given oxygen fraction into the
// loop at the given absolute pressure. With no gas in the loop afterwards, LoopPO2 is kept.
void addGasToLoop(SimulationState& state, double litres, double oxygenFraction, double pressure);
void addGasToLoop(SimulationState& state, double litres, double oxygenFraction);
// Manual additions flow while their button is held: the oxygen and diluent buttons give
// 5 litres a second, the ADV's button 2.
inline constexpr double kButtonLitresPerTenthSecond = 0.5;
inline constexpr double kAdvButtonLitresPerTenthSecond = 0.2;
double manualAdditionLitres(double litresPerTenthSecond, Millis held);
// A manual addition mixes into the loop at its absolute pressure; with the mouthpiece open
// and the diver not breathing, its volume leaves through the mouthpiece at once.
void addGasByHand(SimulationState& state, double litres, double oxygenFraction);
// One step of the solenoid: litres of cylinder oxygen mix into the loop's gas as they are,
// whatever the depth, and only a closed mouthpiece keeps their volume in the counterlungs.
// An empty loop cannot take a mixing step; its PO2 stays.
void addSolenoidStep(SimulationState& state, double litres);
// One pass of the calibration flush: litres of oxygen at the flush's target PO2 mix into
// the loop's gas, whose volume is the flush's working volume (percent of a full
// counterlung, held at full) rather than CounterlungVolume. An empty loop keeps its PO2.
void addFlushPass(SimulationState& state, double& workingVolume, double litres, double target);

// Gas out.
//
// The oxygen (bar litres) one breath takes at the metabolic rate (litres of oxygen a
// minute), one breath every breathInterval milliseconds.
double oxygenPerBreath(double metabolicRate, int breathInterval);
// One breath: the diver's oxygen leaves the loop's gas and the volume stays, as the diver
// breathes back out what is left. The use counts as cylinder gas of the cylinder's oxygen
// percentage. An empty loop keeps its PO2.
void breatheFromLoop(SimulationState& state, double oxygenUsed);
// The dump valve lets a fifth of a full counterlung out for every second it is held, down
// to empty.
void dumpLoopGas(SimulationState& state, Millis held);
// A failed dump valve or a missing button leaks a twentieth of a full counterlung every
// free-flow tick.
void leakFromLoop(SimulationState& state);
// Past 95 % the counterlungs are over-full: a loop-gas step lets a fifth of a full
// counterlung out.
bool loopIsOverFull(const SimulationState& state);
void ventOverFullLoop(SimulationState& state);
// Counterlungs blown past full by expanding gas let the excess go: true when they did.
bool ventExpandedGas(SimulationState& state);

// Pressure.
//
// The loop's gas taken from the pressure at fromDepth to the pressure at the present depth
// (in atmospheres of water, whatever the surface pressure): its volume shrinks and its PO2
// rises by the same ratio going down, and the other way going up.
void compressLoopGas(SimulationState& state, int fromDepth);
// No gas has a higher oxygen partial pressure than its absolute pressure.
void limitLoopPO2(SimulationState& state, double pressure);

}  // namespace loopsim
