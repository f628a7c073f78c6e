// Scenarios built in code, for the tests and the benchmarks to share: the pre-dive routine
// on both handsets and a five-hour dive on top of it. Each comes as scenario text, exactly
// what the runner reads from a file, so the benchmark can play it through the runner and a
// test can play the same lines on a simulation it inspects.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/SimClock.h"

namespace loopsim {

class Simulation;

// Both cylinders open, both handsets switched on (the left one first, so it is master),
// the master's start-up questions answered with the mouthpiece opened, and the oxygen
// valve confirmed at kFlushConfirmed: the calibration flush starts on the master's next
// display tick. These are the action lines of handset-predive.scenario up to that moment.
std::string preDiveLines();
inline constexpr Millis kFlushConfirmed = 16500;

// Five hours: the pre-dive routine; then breathing from the loop at a typed metabolic rate
// of 1.3 litres a minute; a descent to 20 m and a depth change every ten minutes; the
// setpoint switched on the master every 40 minutes; a different failure option applied
// every half hour through the options dialog; the scrubber refilled half way; the ascent
// in the last minutes; the end at five hours.
std::string fiveHourDiveScenario();
inline constexpr Millis kFiveHours = 5 * 3600 * 1000;
// The failure options the dive applies, one every half hour from the first half hour on.
inline constexpr int kDiveFailureOptions[] = {3, 4, 12, 2, 14, 9, 13, 11, 6};

// Plays scenario text on a simulation as the runner does (dump lines are skipped), up to
// the end of the scenario or until the run ends. Returns why the text cannot be played.
std::optional<std::string> playScenario(Simulation& simulation, std::string_view text);

}  // namespace loopsim
