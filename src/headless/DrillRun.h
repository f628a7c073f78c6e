// A drill played by the runner (`--drill FILE.drill [SCENARIO]`): the drill file is read and
// checked before the run, its stored settings go under the run's, it is played with the
// scenario as the trainee's actions, and its pass marks are judged and printed, one line
// each, once the run has ended, however it ended. A drilled session's log, which names this
// drill, holds the drill's actions already: it is played as it stands and only judged.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "core/SettingsStore.h"
#include "debrief/Debrief.h"
#include "drills/Drill.h"
#include "drills/PassMarks.h"
#include "files/Scenario.h"

namespace loopsim {

class Simulation;

class RunDrill {
  public:
    // Nothing, with "FILE:LINE: why" said on err, when the drill cannot be played.
    static std::optional<RunDrill> read(const std::filesystem::path& path, std::ostream& err);

    // The stored settings the run starts from: the run's own (none: the defaults), with the
    // drill's values in place of theirs.
    MemorySettingsStore startSettings(const MemorySettingsStore* runSettings) const;

    // Says on err why the trainee's scenario cannot be played with the drill, if it cannot:
    // a line before the takeover, or a log that names another version of the drill.
    bool refuses(std::string_view scenarioText, const Scenario& trainee,
                 const std::string& scenarioName, std::ostream& err);

    // Plays the drill with the trainee's scenario; "FILE:LINE: why" when a line is refused.
    std::optional<std::string> play(Simulation& simulation, const Scenario& trainee,
                                    const std::string& scenarioName, std::optional<Millis> until,
                                    const std::function<void()>& takeDump,
                                    const std::function<void(const Action&)>& played) const;

    // The pass marks judged on the session's debrief.
    std::vector<MarkResult> judge(const Debrief& debrief) const;
    // The same as the debrief file lists them.
    ReportMarks reportMarks(const std::vector<MarkResult>& results) const;
    // Prints one line per mark; whether every mark passed.
    static bool printMarks(const std::vector<MarkResult>& results, std::ostream& out);

  private:
    RunDrill(std::string name, Drill drill, std::string hash)
        : name_(std::move(name)), drill_(std::move(drill)), hash_(std::move(hash)) {}

    std::string name_;
    Drill drill_;
    std::string hash_;
    bool logged_ = false;  // the scenario is a log of this drill
};

}  // namespace loopsim
