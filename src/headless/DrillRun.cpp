#include "headless/DrillRun.h"

#include "debrief/Debrief.h"
#include "debrief/Metrics.h"
#include "drills/DrillNote.h"
#include "drills/DrillParser.h"
#include "drills/DrillPlay.h"
#include "drills/DrillSettings.h"
#include "drills/PassMarks.h"
#include "simulation/Simulation.h"

namespace loopsim {

std::optional<RunDrill> RunDrill::read(const std::filesystem::path& path, std::ostream& err) {
    const std::string name = path.string();
    // The start's elements are those of any simulation.
    const Simulation elementsOf;
    DrillFileRead read = loadDrillFile(path, name, &elementsOf.input());
    if (read.error) {
        err << *read.error << "\n";
        return std::nullopt;
    }
    return RunDrill(name, std::move(read.drill), drillContentHash(read.text));
}

MemorySettingsStore RunDrill::startSettings(const MemorySettingsStore* runSettings) const {
    return drillStartSettings(runSettings ? *runSettings : MemorySettingsStore(), drill_);
}

bool RunDrill::refuses(std::string_view scenarioText, const Scenario& trainee,
                       const std::string& scenarioName, std::ostream& err) {
    if (const auto noted = drillNotedInLog(scenarioText)) {
        logged_ = noted->hash == hash_;
        if (!logged_)
            err << scenarioName << ": a log of the drill " << noted->fileName << " with content "
                << noted->hash << ", not of " << name_ << " (content " << hash_ << ")\n";
        return !logged_;
    }
    const auto refused = refusedTraineeScenario(drill_, trainee);
    if (refused)
        err << scenarioName << ":" << refused->lineNumber << ": " << refused->message << "\n";
    return refused.has_value();
}

std::optional<std::string> RunDrill::play(Simulation& simulation, const Scenario& trainee,
                                          const std::string& scenarioName,
                                          std::optional<Millis> until,
                                          const std::function<void()>& takeDump,
                                          const std::function<void(const Action&)>& played) const {
    if (logged_) {
        const auto refused = playScenario(simulation, trainee, until, takeDump, played);
        if (!refused)
            return std::nullopt;
        return scenarioName + ":" + std::to_string(refused->lineNumber) + ": " + refused->message;
    }
    const auto refused = playDrill(simulation, drill_, trainee, until, takeDump, played);
    if (!refused)
        return std::nullopt;
    return (refused->inDrill ? name_ : scenarioName) + ":" + std::to_string(refused->lineNumber) +
           ": " + refused->message;
}

std::vector<MarkResult> RunDrill::judge(const Debrief& debrief) const {
    return judgePassMarks(drill_.marks, debriefMetrics(debrief));
}

ReportMarks RunDrill::reportMarks(const std::vector<MarkResult>& results) const {
    return loopsim::reportMarks(drill_.title, std::filesystem::path(name_).filename().string(),
                                results);
}

bool RunDrill::printMarks(const std::vector<MarkResult>& results, std::ostream& out) {
    bool allPassed = true;
    for (const MarkResult& result : results) {
        out << markLine(result) << "\n";
        allPassed = allPassed && result.passed;
    }
    out.flush();
    return allPassed;
}

}  // namespace loopsim
