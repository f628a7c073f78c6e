// The pass marks of a drilled session, as the results viewer shows them beside the metrics.
// The session log names its drill and the hash of the drill file's bytes; the marks are those
// of a file of that name in the drill folders whose bytes still have that hash. A file that
// is missing, or has changed since, gives no marks but the reason.
#pragma once

#include <QString>
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

#include "debrief/Metrics.h"
#include "drills/PassMarks.h"

namespace loopsim {

struct DrillMarks {
    QString fileName;
    QString title;
    std::vector<MarkResult> results;
    QString note;  // why there are no marks, as a sentence
};

// Nothing when the log names no drill.
std::optional<DrillMarks> drillMarksOfLog(std::string_view logText,
                                          const std::vector<Metric>& metrics,
                                          const std::vector<std::filesystem::path>& folders);

// The folders the program's drills are in: beside the program, and the user's.
std::vector<std::filesystem::path> programDrillFolders();

}  // namespace loopsim
