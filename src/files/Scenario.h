// Scenario files: one action a line, "<time> <verb> [<element>] [<value>...]", times in
// seconds with up to three decimals, never going backwards; '#' starts a comment line.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/Action.h"
#include "core/InputRouter.h"
#include "core/SimClock.h"

namespace loopsim {

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

// Parses a scenario. With a router, elements are checked against the ones it knows and
// check/set against the element's kind.
Scenario parseScenario(std::string_view text, const InputRouter* router);

// "12.345" seconds as 12345 ms; nothing unless a plain decimal with at most three decimals.
std::optional<Millis> parseScenarioTime(std::string_view text);
// 12345 ms as "12.345", the shortest form that parses back ("12", "12.5").
std::string formatScenarioTime(Millis time);
// One action as a scenario line, as the window's session log writes it.
std::string formatScenarioLine(Millis time, const Action& action);

}  // namespace loopsim
