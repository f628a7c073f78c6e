#include "files/LoggableAction.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "core/Format.h"
#include "files/Scenario.h"

namespace loopsim {
namespace {

bool isControl(char c) {
    return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
}

bool isOneVisibleWord(std::string_view word) {
    return !word.empty() &&
           std::none_of(word.begin(), word.end(), [](char c) { return c == ' ' || isControl(c); });
}

// The number word of a hold, set or speed line: blanks around it go, as the line's words
// are split on them.
std::optional<std::string> numberWord(const Action& action) {
    const std::string_view word = trimBlanks(action.value);
    const auto number = parseNumber(word);
    if (!number)
        return std::nullopt;
    if (action.verb == Verb::Hold && *number < 0)
        return std::nullopt;
    if (action.verb == Verb::Speed &&
        (*number < 1 || *number > kFastestScenarioSpeed || std::floor(*number) != *number))
        return std::nullopt;
    return std::string(word);
}

}  // namespace

std::optional<Action> loggableAction(const Action& action) {
    Action loggable{action.verb, {}, {}};
    if (verbTakesElement(action.verb)) {
        if (!isOneVisibleWord(action.element))
            return std::nullopt;
        loggable.element = action.element;
    }
    switch (action.verb) {
        case Verb::Answer:
        case Verb::Note:
            loggable.value = action.value;
            std::replace_if(loggable.value.begin(), loggable.value.end(), isControl, ' ');
            break;
        case Verb::Hold:
        case Verb::Set:
        case Verb::Speed: {
            auto word = numberWord(action);
            if (!word)
                return std::nullopt;
            loggable.value = std::move(*word);
            break;
        }
        default:
            break;
    }
    return loggable;
}

}  // namespace loopsim
