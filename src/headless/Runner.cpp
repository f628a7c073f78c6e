#include "headless/Runner.h"

#include <algorithm>

#include "core/Format.h"
#include "core/MessageExcerpt.h"
#include "debrief/Debrief.h"
#include "debrief/SessionObserver.h"
#include "export/ExportFormat.h"
#include "files/OutputFile.h"
#include "files/RecordingFile.h"
#include "files/Scenario.h"
#include "files/ScenarioPlay.h"
#include "files/SettingsFile.h"
#include "files/StateDump.h"
#include "headless/DrillRun.h"
#include "headless/DumpOutput.h"
#include "headless/RunDebrief.h"
#include "headless/RunExport.h"
#include "headless/RunFiles.h"
#include "simulation/Simulation.h"

namespace loopsim {
namespace {

constexpr const char* kUsage =
    "usage: loopsim-run SCENARIO [--out FILE.csv] [--dump FILE.jsonl] [--until SECONDS] "
    "[--settings FILE] [--debrief FILE.json|FILE.html] [--export FILE.ssrf|FILE.uddf|FILE.csv]\n"
    "       loopsim-run --drill FILE.drill [SCENARIO] [the same options]\n";
constexpr const char* kServeUsage =
    "usage: loopsim-run SCENARIO --serve [--port N] [--lan] [--log FILE] [--drills FOLDER] "
    "[--out FILE.csv] [--until SECONDS] [--settings FILE]\n";

// With --serve the run plays on the wall clock for an instructor; what writes the debrief,
// the dumps and the export, or plays a drill from the start, goes with the runner's own pace.
std::optional<std::string> refusedServeOptions(const RunOptions& options, bool serveOptionGiven) {
    if (!options.serve) {
        if (serveOptionGiven)
            return std::string("--port, --lan, --log and --drills go with --serve");
        return std::nullopt;
    }
    if (options.dump || options.debrief || options.exportTo || options.drill)
        return std::string(
            "--serve plays a scenario with --out, --until, --settings, --port, "
            "--lan, --log and --drills only");
    return std::nullopt;
}

// The recording keeps its last row; a run that went on past it says so, as the file cannot.
void noteUnrecordedEnd(const Simulation& simulation, std::ostream& err) {
    if (simulation.state().RecordIndex <= RecordTable::kLastRow)
        return;
    err << "loopsim-run: the recording stopped at its last row, second " << RecordTable::kLastRow
        << "; the run went on to " << formatScenarioTime(simulation.now())
        << " s, and the rest of it is not recorded\n";
}

// The exit path's files, in this order: settings, recording, dumps. Each is written even when
// one before it failed; any failure is said and sets the status.
int writeRunFiles(Simulation& simulation, const RunFiles& files, MemorySettingsStore* settings,
                  DumpOutput& dumps, std::ostream& err) {
    int status = kRunPlayed;
    auto report = [&](const std::optional<std::string>& error) {
        if (!error)
            return;
        err << "loopsim-run: " << *error << "\n";
        status = kRunWriteFailed;
    };
    if (simulation.dialogs().ending() == Ending::WithoutSaving) {
        report(dumps.error());
        dumps.abandon();
        return status;
    }
    if (settings) {
        simulation.saveSettings(*settings);
        report(writeWholeFile(*files.settings, settingsFileText(settings->values)));
    }
    noteUnrecordedEnd(simulation, err);
    report(writeRecordingFile(files.recording, simulation.recording().table(),
                              simulation.state().RecordIndex, localCalendarTime()));
    report(dumps.finish());
    return status;
}

}  // namespace

std::optional<RunOptions> parseRunArguments(const std::vector<std::string>& arguments,
                                            std::ostream& err) {
    RunOptions options;
    bool haveScenario = false;
    bool servedAsked = false;
    bool serveOptionGiven = false;
    ServeOptions serve;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        auto takeValue = [&]() -> std::optional<std::string> {
            if (i + 1 >= arguments.size()) {
                err << "loopsim-run: " << argument << " needs a value\n" << kUsage;
                return std::nullopt;
            }
            return arguments[++i];
        };
        if (argument == "--export" || argument == "--debrief") {
            auto value = takeValue();
            if (!value)
                return std::nullopt;
            if (argument == "--export" && exportFormatOf(*value)) {
                options.exportTo = *value;
            } else if (argument == "--debrief" && debriefFormatOf(*value)) {
                options.debrief = *value;
            } else {
                err << "loopsim-run: " << argument << " writes "
                    << (argument == "--export" ? "FILE.ssrf, FILE.uddf or FILE.csv"
                                               : "FILE.json or FILE.html")
                    << ", not " << quotedExcerpt(*value) << "\n";
                return std::nullopt;
            }
        } else if (argument == "--out" || argument == "--dump" || argument == "--settings" ||
                   argument == "--until" || argument == "--drill") {
            auto value = takeValue();
            if (!value)
                return std::nullopt;
            if (argument == "--out")
                options.out = *value;
            else if (argument == "--dump")
                options.dump = *value;
            else if (argument == "--settings")
                options.settings = *value;
            else if (argument == "--drill")
                options.drill = *value;
            else if (auto until = parseScenarioTime(*value); until && *until <= kLatestScenarioTime)
                options.until = *until;
            else {
                err << "loopsim-run: --until takes seconds from 0 to "
                    << formatScenarioTime(kLatestScenarioTime)
                    << " with at most three decimals, not " << quotedExcerpt(*value) << "\n";
                return std::nullopt;
            }
        } else if (argument == "--serve") {
            servedAsked = true;
        } else if (argument == "--lan") {
            serve.localNetwork = true;
            serveOptionGiven = true;
        } else if (argument == "--port" || argument == "--log" || argument == "--drills") {
            auto value = takeValue();
            if (!value)
                return std::nullopt;
            serveOptionGiven = true;
            if (argument == "--log") {
                serve.log = *value;
            } else if (argument == "--drills") {
                serve.drills = *value;
            } else if (auto port = parseNumber(*value);
                       port && *port >= 0 && *port <= 65535 && *port == static_cast<int>(*port)) {
                serve.port = static_cast<int>(*port);
            } else {
                err << "loopsim-run: --port takes a port number from 0 to 65535, not "
                    << quotedExcerpt(*value) << "\n";
                return std::nullopt;
            }
        } else if (!argument.empty() && argument[0] == '-') {
            err << "loopsim-run: unknown option " << argument << "\n" << kUsage;
            return std::nullopt;
        } else if (!haveScenario) {
            options.scenario = argument;
            haveScenario = true;
        } else {
            err << "loopsim-run: more than one scenario given\n" << kUsage;
            return std::nullopt;
        }
    }
    if (!haveScenario && !options.drill) {
        err << kUsage;
        return std::nullopt;
    }
    if (servedAsked)
        options.serve = serve;
    if (auto refused = refusedServeOptions(options, serveOptionGiven)) {
        err << "loopsim-run: " << *refused << "\n" << kServeUsage;
        return std::nullopt;
    }
    return options;
}

int runScenario(const RunOptions& options, std::ostream& out, std::ostream& err) {
    const std::string scenarioName = options.scenario.string();
    std::optional<RunInputs> inputs = readRunInputs(options, err);
    if (!inputs)
        return kRunRefused;
    const RunFiles& files = inputs->files;
    std::optional<MemorySettingsStore>& settings = inputs->settings;
    std::optional<RunDrill> drill;
    if (options.drill && !(drill = RunDrill::read(*options.drill, err)))
        return kRunRefused;
    const std::optional<MemorySettingsStore> drillSettings =
        drill ? std::optional(drill->startSettings(settings ? &*settings : nullptr)) : std::nullopt;
    Simulation simulation(drillSettings ? &*drillSettings : settings ? &*settings : nullptr);

    const Scenario scenario = parseScenario(inputs->scenarioText, &simulation.input());
    if (scenario.error) {
        err << scenarioName << ":" << scenario.error->lineNumber << ": " << scenario.error->message
            << "\n";
        return kRunRefused;
    }
    if (drill && drill->refuses(inputs->scenarioText, scenario, scenarioName, err))
        return kRunRefused;

    // The sound calls are kept only for the dumps; a long run without any keeps none.
    const bool dumpsAsked =
        std::any_of(scenario.lines.begin(), scenario.lines.end(),
                    [](const ScenarioLine& line) { return line.action.verb == Verb::Dump; });
    simulation.sound().setLogging(dumpsAsked);

    DumpOutput dumps(files.dump, out);
    if (dumps.error()) {
        err << "loopsim-run: " << *dumps.error() << "\n";
        return kRunRefused;
    }
    // The debrief and the export follow the session from the run's first moment.
    std::optional<SessionObserver> observer;
    if (files.debrief || files.exportTo || drill)
        observer.emplace(simulation);
    const CalendarTime started = localCalendarTime();
    const auto takeDump = [&] {
        dumps.take(stateDumpJson(simulation, simulation.sound().takeLog()));
    };
    const auto played = [&](const Action& action) {
        if (observer)
            observer->actionApplied(action);
    };
    if (drill) {
        if (auto refused =
                drill->play(simulation, scenario, scenarioName, options.until, takeDump, played)) {
            err << *refused << "\n";
            return kRunRefused;
        }
    } else if (auto refused = playScenario(simulation, scenario, options.until, takeDump, played)) {
        err << scenarioName << ":" << refused->lineNumber << ": " << refused->message << "\n";
        return kRunRefused;
    }

    int status = writeRunFiles(simulation, files, settings ? &*settings : nullptr, dumps, err);
    bool markMissed = false;
    if (observer) {
        const Debrief debrief = computeDebrief(observer->finish());
        const auto marks = drill ? drill->judge(debrief) : std::vector<MarkResult>{};
        // The debrief is the instructor's, not the unit's: written however the run ended.
        // A drill played without the trainee's scenario is headed by the drill file.
        const std::filesystem::path& session =
            options.scenario.empty() && options.drill ? *options.drill : options.scenario;
        if (files.debrief)
            status = std::max(
                status, writeRunDebrief(*files.debrief, session, debrief,
                                        drill ? drill->reportMarks(marks) : ReportMarks{}, err));
        markMissed = drill && !RunDrill::printMarks(marks, out);
        if (files.exportTo && simulation.dialogs().ending() != Ending::WithoutSaving)
            status = std::max(status, writeRunExport(*files.exportTo, debrief, started, err));
    }
    // A file not written says more than a mark missed.
    if (markMissed && status == kRunPlayed)
        status = kRunMarkMissed;
    return status;
}

}  // namespace loopsim
