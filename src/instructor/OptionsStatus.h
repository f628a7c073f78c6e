// What the instructor reads under the option boxes: which failures are in force (the boxes
// as they were when the options were last applied) and which wait for the delay, with the
// time left until they strike.
#pragma once

#include <string>

#include "core/SimClock.h"

namespace loopsim {

class OptionsDialog;

// The box's caption; a caption several frames share ("Physical Failure") names its frame.
std::string optionName(int number);

// "In force: Cell Drift, ADV Failed", or "In force: none".
std::string inForceText(const OptionsDialog& options);

// "Pending: none", or the changes the option tick will make and when, in minutes and seconds
// rounded up: "Pending, in 4:59: Solenoid Stuck Open; clears Cell Drift", or "no change".
std::string pendingText(const OptionsDialog& options, Millis now);

}  // namespace loopsim
