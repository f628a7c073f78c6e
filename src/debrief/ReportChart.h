// The session's chart as SVG, for the report: true PO2, handset PO2 and setpoint against
// bar, depth downward from the surface, the time outside 0.4 to 1.6 bar shaded, and a strip
// above with the trainee's actions, the failures and the warnings' episodes.
#pragma once

#include <string>

#include "debrief/Debrief.h"

namespace loopsim {

std::string debriefChartSvg(const Debrief& debrief, int width, int height);

}  // namespace loopsim
