// The debrief as JSON, for scripts and tests: every metric by name with its value, unit and
// mark, the failures with their response and recovery, the warnings, the pre-dive checks
// and the event list.
#pragma once

#include <string>

#include "debrief/Debrief.h"

namespace loopsim {

std::string debriefJson(const Debrief& debrief);

}  // namespace loopsim
