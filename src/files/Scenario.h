// Scenario files: one action a line, "<time> <verb> [<element>] [<value>...]", times in
// seconds with up to three decimals, never going backwards and never past a week; '#'
// starts a comment line. A UTF-8 byte-order mark before the first line is no part of it.
// Errors quote the file's text only as messageExcerpt gives it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/Action.h"
#include "core/InputRouter.h"
#include "core/SimClock.h"

namespace loopsim {

// The latest time a line may have: a week of simulated time, far more than any session
// and little enough that a run to it ends.
inline constexpr Millis kLatestScenarioTime = 7 * 24 * 3600 * Millis{1000};
// How many times faster than the wall clock a session may run.
inline constexpr int kFastestScenarioSpeed = 100;

struct ScenarioLine {
    int lineNumber = 0;
    Millis time = 0;
    Action action;
};

struct ScenarioError {
    int lineNumber = 0;
    std::string message;
};

struct Scenario {
    std::vector<ScenarioLine> lines;
    std::optional<ScenarioError> error;
};

// Parses a scenario. With a router, elements are checked against the ones it accepts and
// check/set against the element's kind.
Scenario parseScenario(std::string_view text, const InputRouter* router);

// "12.345" seconds as 12345 ms; nothing unless a plain decimal with at most three decimals.
// A time past kLatestScenarioTime comes back as some time past it, however many digits.
std::optional<Millis> parseScenarioTime(std::string_view text);
// 12345 ms as "12.345", the shortest form that parses back ("12", "12.5").
std::string formatScenarioTime(Millis time);
// One action as a scenario line, as the window's session log writes it; the line parses
// back to the action when the action is as loggableAction gives it.
std::string formatScenarioLine(Millis time, const Action& action);

}  // namespace loopsim
