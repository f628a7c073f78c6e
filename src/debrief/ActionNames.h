// Actions as an instructor reads them in a debrief: each window element by what it is on
// the unit ("left handset left button (YES)", "oxygen manual add"), each verb by what the
// hand did.
#pragma once

#include <string>
#include <string_view>

#include "core/Action.h"

namespace loopsim {

// The element's role on the unit; the element's own name for one without a role.
std::string elementRoleName(std::string_view element);

// "tap oxygen manual add", "hold left handset middle button (setpoint) 2.0 s",
// "tick \"Cell Drift\"", "type 20".
std::string describeAction(const Action& action);

// Whether the action is the instructor's (the options window and its button) rather than
// the trainee's.
bool isInstructorAction(const Action& action);

}  // namespace loopsim
