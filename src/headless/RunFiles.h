// The files a run reads and writes, looked at before it starts: a run told to write where it
// cannot (a folder, a device, a pipe, one file named twice) is refused before anything
// changes, rather than failing at the end or replacing what is there.
#pragma once

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>

#include "core/SettingsStore.h"
#include "headless/Runner.h"

namespace loopsim {

struct RunFiles {
    std::filesystem::path scenario;  // empty for a drill played with no scenario
    std::optional<std::filesystem::path> settings;
    std::filesystem::path recording;  // --out, or the recording file's own name
    std::optional<std::filesystem::path> dump;
    std::optional<std::filesystem::path> debrief;
    std::optional<std::filesystem::path> exportTo;
    std::optional<std::filesystem::path> drill;
    std::optional<std::filesystem::path> log;  // the session log of a served run
};

RunFiles runFiles(const RunOptions& options);

// Why the run may not use these files, naming the file and its option; nothing when it may.
std::optional<std::string> refusedRunFiles(const RunFiles& files);

// The stored settings the run starts from; false, with the file (and line) and the reason
// said, when the file is not this program's settings or cannot be read.
bool readRunSettings(const std::filesystem::path& path, MemorySettingsStore& settings,
                     std::ostream& err);

// What every run reads before its simulation is made: the scenario's text (empty for a drill
// played with no trainee), its files checked, and its settings file read. Nothing, with the
// reason said, when the run is refused.
struct RunInputs {
    std::string scenarioText;
    RunFiles files;
    std::optional<MemorySettingsStore> settings;
};
std::optional<RunInputs> readRunInputs(const RunOptions& options, std::ostream& err);

}  // namespace loopsim
