// A session's debrief starts from its log: the session log of the window (its settings
// noted at the top), a lost session's log (up to its last complete line) or any scenario
// file, played headless with an observer.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "debrief/Timeline.h"

namespace loopsim {

struct ReplayedSession {
    std::optional<std::string> error;  // "line N: why" when the log cannot be played
    Timeline timeline;
};

ReplayedSession replaySessionLog(std::string_view logText);

}  // namespace loopsim
