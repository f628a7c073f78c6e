// What one scenario line can hold of an action. The window's session log is a scenario, so
// an action the window applies must come back from its line exactly: the window applies
// the loggable form of each action and logs that, and the replay does the same thing.
#pragma once

#include <optional>

#include "core/Action.h"

namespace loopsim {

// The action as its scenario line keeps it, or nothing when no line can:
// - a verb without an element loses any element, a verb without a value any value;
// - an element must be one word of visible characters;
// - an answer's control characters (line breaks, carriage returns, tabs, NUL, escape)
//   become spaces; every other byte stays as typed, blanks at either end included;
// - the value of hold and set is a number (blanks around it dropped), a hold's not
//   negative; a speed's a whole number the clock offers.
std::optional<Action> loggableAction(const Action& action);

}  // namespace loopsim
