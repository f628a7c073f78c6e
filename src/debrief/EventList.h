// The debrief's list of events as an instructor reads it: every action, failure and note
// of the unit in time order, with a warning that repeats every second shown once per
// episode ("Low O2 for 45 s").
#pragma once

#include <string>
#include <vector>

#include "debrief/Debrief.h"

namespace loopsim {

struct ListedEvent {
    Millis time = 0;
    EventKind kind = EventKind::Unit;
    std::string what;
};

std::vector<ListedEvent> listedEvents(const Debrief& debrief);

// "trainee", "instructor", "failure", "cleared", "warning", "unit".
std::string_view eventKindName(EventKind kind);

}  // namespace loopsim
