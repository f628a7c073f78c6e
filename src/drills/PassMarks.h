// A drill's pass marks: a debrief metric by name, a comparison and a number in the metric's
// own unit ("hypoxia_seconds = 0", "response_seconds.cell_drift <= 120"), judged against the
// figures of the session once it has ended.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "debrief/Metrics.h"
#include "debrief/ReportMark.h"
#include "drills/Drill.h"

namespace loopsim {

struct PassMarkRead {
    PassMark mark;
    std::optional<std::string> error;
};

PassMarkRead readPassMark(std::string_view text);

// Whether a debrief can have a metric of that name: the fixed figures, the pre-dive checks,
// the response to and recovery from each failure, and each warning's count and seconds.
bool knownMetric(std::string_view name);

struct MarkResult {
    PassMark mark;
    bool passed = false;
    std::string value;  // the figure with its unit, or why there is none
};

// A figure that is missing is judged as the debrief means it: a warning never raised counts
// 0; a failure never in force, never answered or never back in hand fails its mark.
std::vector<MarkResult> judgePassMarks(const std::vector<PassMark>& marks,
                                       const std::vector<Metric>& metrics);

// "pass hypoxia_seconds = 0 (0 s)", "fail response_seconds.cell_drift <= 120 (not answered)".
std::string markLine(const MarkResult& result);

// "Pass marks: " and the drill's title, or the drill file's name for a drill without one.
std::string passMarksTitle(const std::string& drillTitle, const std::string& drillFileName);
// The judged marks as the report page and the debrief's JSON list them, under that title.
ReportMarks reportMarks(const std::string& drillTitle, const std::string& drillFileName,
                        const std::vector<MarkResult>& results);

}  // namespace loopsim
