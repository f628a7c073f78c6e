// The debrief as JSON, for scripts and tests: every metric by name with its value, unit and
// mark, the failures with their response and recovery, the warnings, the pre-dive checks
// and the event list.
#pragma once

#include <string>

#include "debrief/Debrief.h"
#include "debrief/ReportMark.h"

namespace loopsim {

// A drilled session's pass marks follow the metrics, as "pass_marks": {"title": ...,
// "marks": [{"mark": ..., "value": ..., "passed": ...}]}; without a title there are none.
std::string debriefJson(const Debrief& debrief, const ReportMarks& passMarks = {});

}  // namespace loopsim
