#include "headless/Runner.h"

#include <algorithm>
#include <fstream>

#include "core/Format.h"
#include "core/MessageExcerpt.h"
#include "files/FileText.h"
#include "files/RecordingFile.h"
#include "files/Scenario.h"
#include "files/ScenarioPlay.h"
#include "files/StateDump.h"
#include "headless/IniSettingsStore.h"
#include "simulation/Simulation.h"

namespace loopsim {
namespace {

constexpr const char* kUsage =
    "usage: loopsim-run SCENARIO [--out FILE.csv] [--dump FILE.jsonl] [--until SECONDS] "
    "[--settings FILE]\n";

bool writeWholeFile(const std::filesystem::path& path, const std::string& contents) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << contents;
    return static_cast<bool>(out);
}

}  // namespace

std::optional<RunOptions> parseRunArguments(const std::vector<std::string>& arguments,
                                            std::ostream& err) {
    RunOptions options;
    bool haveScenario = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        auto takeValue = [&]() -> std::optional<std::string> {
            if (i + 1 >= arguments.size()) {
                err << "loopsim-run: " << argument << " needs a value\n" << kUsage;
                return std::nullopt;
            }
            return arguments[++i];
        };
        if (argument == "--out" || argument == "--dump" || argument == "--settings" ||
            argument == "--until") {
            auto value = takeValue();
            if (!value)
                return std::nullopt;
            if (argument == "--out")
                options.out = *value;
            else if (argument == "--dump")
                options.dump = *value;
            else if (argument == "--settings")
                options.settings = *value;
            else if (auto until = parseScenarioTime(*value); until && *until <= kLatestScenarioTime)
                options.until = *until;
            else {
                err << "loopsim-run: --until takes seconds from 0 to "
                    << formatScenarioTime(kLatestScenarioTime)
                    << " with at most three decimals, not '" << messageExcerpt(*value) << "'\n";
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
    if (!haveScenario) {
        err << kUsage;
        return std::nullopt;
    }
    return options;
}

int runScenario(const RunOptions& options, std::ostream& out, std::ostream& err) {
    const std::string scenarioName = options.scenario.string();
    const auto text = readFileText(options.scenario);
    if (!text) {
        err << scenarioName << ": cannot read the scenario file\n";
        return kRunRefused;
    }

    std::optional<IniSettingsStore> settings;
    if (options.settings)
        settings.emplace(QString::fromStdString(options.settings->string()));
    Simulation simulation(settings ? &*settings : nullptr);

    const Scenario scenario = parseScenario(*text, &simulation.input());
    if (scenario.error) {
        err << scenarioName << ":" << scenario.error->lineNumber << ": " << scenario.error->message
            << "\n";
        return kRunRefused;
    }

    // The sound calls are kept only for the dumps; a long run without any keeps none.
    const bool dumpsAsked =
        std::any_of(scenario.lines.begin(), scenario.lines.end(),
                    [](const ScenarioLine& line) { return line.action.verb == Verb::Dump; });
    simulation.sound().setLogging(dumpsAsked);

    std::string dumps;
    const auto refused = playScenario(simulation, scenario, options.until, [&] {
        dumps += stateDumpJson(simulation, simulation.sound().takeLog());
        dumps += '\n';
    });
    if (refused) {
        err << scenarioName << ":" << refused->lineNumber << ": " << refused->message << "\n";
        return kRunRefused;
    }

    if (simulation.dialogs().ending() == Ending::WithoutSaving)
        return kRunPlayed;

    if (settings) {
        simulation.saveSettings(*settings);
        if (!settings->sync())
            err << "loopsim-run: could not write the settings to " << options.settings->string()
                << "\n";
    }
    const std::filesystem::path recordingPath = options.out.value_or(kRecordingFileName);
    if (auto error = writeRecordingFile(recordingPath, simulation.recording().table(),
                                        simulation.state().RecordIndex, localCalendarTime()))
        err << "loopsim-run: " << *error << "\n";

    if (options.dump) {
        if (!writeWholeFile(*options.dump, dumps))
            err << "loopsim-run: cannot write " << options.dump->string() << "\n";
    } else {
        out << dumps;
    }
    return kRunPlayed;
}

}  // namespace loopsim
