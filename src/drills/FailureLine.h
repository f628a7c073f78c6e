// One line of a drill's [failures]: the failure by its debrief key, what sets it off, and
// whether the options' own delay runs before it strikes:
//
//     solenoid_stuck_closed after 1 min at 20 m
//     cell_drift at 2 min delayed 1 min
//     master_battery_exhausted 2 min after master_battery_low answered
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "drills/Drill.h"

namespace loopsim {

struct FailureLineRead {
    DrillFailure failure;
    std::optional<std::string> error;
};

FailureLineRead readFailureLine(std::string_view text);

// The option box of a failure's key ("cell_drift"); 0 when no failure has that key.
int failureOption(std::string_view key);

}  // namespace loopsim
