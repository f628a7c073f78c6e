// The runner's --export: the session it played, as a dive for a dive-log program, written
// after the run's other files.
#pragma once

#include <filesystem>
#include <ostream>

#include "debrief/Debrief.h"
#include "files/RecordingFile.h"

namespace loopsim {

// Writes the export the file's name asks for; returns the run's status for it, having said
// why on err when the file could not be written.
int writeRunExport(const std::filesystem::path& path, const Debrief& debrief,
                   const CalendarTime& started, std::ostream& err);

}  // namespace loopsim
