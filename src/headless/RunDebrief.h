// The runner's --debrief: the debrief of the run it played, as JSON for scripts or as the
// report page, written last, however the run ended.
#pragma once

#include <filesystem>
#include <optional>
#include <ostream>

#include "debrief/Debrief.h"
#include "debrief/ReportMark.h"

namespace loopsim {

enum class DebriefFormat { Json, Html };

// What the file's extension asks for: .json, .html or .htm; nothing for any other.
std::optional<DebriefFormat> debriefFormatOf(const std::filesystem::path& path);

// Writes the debrief, the page headed by the scenario's name and the day its file was last
// written (a session log is written as the session goes), with a drill's pass marks; returns
// the run's status for it, having said why on err when the file could not be written.
int writeRunDebrief(const std::filesystem::path& path, const std::filesystem::path& scenario,
                    const Debrief& debrief, const ReportMarks& passMarks, std::ostream& err);

}  // namespace loopsim
