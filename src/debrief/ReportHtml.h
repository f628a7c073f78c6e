// The debrief as one self-contained HTML page an instructor hands to the trainee: the
// chart drawn in the page, the metrics with their marks, the failures and how they were
// answered, and the list of events.
#pragma once

#include <string>
#include <vector>

#include "debrief/Debrief.h"
#include "debrief/ReportMark.h"

namespace loopsim {

struct ReportHeading {
    std::string session;  // where the session came from: the log's name
    std::string date;     // when it was flown, as the caller writes dates
    std::string trainee;  // empty when not given
    // A drilled session's pass marks, listed after the metrics under their own title; a
    // session with no title here has none.
    std::string marksTitle{};
    std::vector<ReportMark> marks{};
};

std::string debriefHtml(const Debrief& debrief, const ReportHeading& heading);

// The same page for a text layout without SVG or CSS boxes, which a printed report is made
// from: chartMarkup (markup, put in as it is) as a paragraph of its own where the chart goes,
// for the caller to draw the chart in its place, and each mark as a coloured dot.
std::string debriefPrintHtml(const Debrief& debrief, const ReportHeading& heading,
                             const std::string& chartMarkup);

}  // namespace loopsim
