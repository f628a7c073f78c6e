// A pass mark as judged by whoever set it (a drill), for the report page and the debrief's
// JSON to list.
#pragma once

#include <string>
#include <vector>

namespace loopsim {

struct ReportMark {
    std::string mark;   // as written, "hypoxia_seconds = 0"
    std::string value;  // the figure with its unit, or why there is none
    bool passed = false;
};

// A drilled session's marks under their title ("Pass marks: Cell drift at depth"); a session
// with no title has none.
struct ReportMarks {
    std::string title;
    std::vector<ReportMark> marks;
};

}  // namespace loopsim
