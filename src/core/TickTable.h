#pragma once

#include "core/SimClock.h"

namespace loopsim {

// Creates every timer of the window with its interval and start state. The order of the
// table is the order in which timers due at the same millisecond run.
void addTickTable(SimClock& clock);

}  // namespace loopsim
