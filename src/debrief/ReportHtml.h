// The debrief as one self-contained HTML page an instructor hands to the trainee: the
// chart drawn in the page, the metrics with their marks, the failures and how they were
// answered, and the list of events.
#pragma once

#include <string>

#include "debrief/Debrief.h"

namespace loopsim {

struct ReportHeading {
    std::string session;  // where the session came from: the log's name
    std::string date;     // when it was flown, as the caller writes dates
    std::string trainee;  // empty when not given
};

std::string debriefHtml(const Debrief& debrief, const ReportHeading& heading);

}  // namespace loopsim
