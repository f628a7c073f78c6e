#include "headless/RunFiles.h"

#include <utility>
#include <vector>

#include "files/FileText.h"
#include "files/OutputFile.h"
#include "files/RecordingFile.h"
#include "files/SettingsFile.h"

namespace loopsim {

RunFiles runFiles(const RunOptions& options) {
    return {options.scenario,
            options.settings,
            options.out.value_or(kRecordingFileName),
            options.dump,
            options.debrief,
            options.exportTo,
            options.drill,
            options.serve ? options.serve->log : std::nullopt};
}

std::optional<std::string> refusedRunFiles(const RunFiles& files) {
    using Named = std::pair<std::string, std::filesystem::path>;
    std::vector<Named> written;
    if (files.settings)
        written.emplace_back("--settings", *files.settings);
    written.emplace_back("--out", files.recording);
    if (files.dump)
        written.emplace_back("--dump", *files.dump);
    if (files.debrief)
        written.emplace_back("--debrief", *files.debrief);
    if (files.exportTo)
        written.emplace_back("--export", *files.exportTo);
    if (files.log)
        written.emplace_back("--log", *files.log);

    for (const auto& [option, path] : written)
        if (auto kind = notAFileToWrite(path))
            return option + " " + path.string() + " is " + *kind + ", not a file to write";

    std::vector<Named> named;
    if (!files.scenario.empty())
        named.emplace_back("the scenario", files.scenario);
    if (files.drill)
        named.emplace_back("the drill", *files.drill);
    named.insert(named.end(), written.begin(), written.end());
    for (std::size_t i = 0; i < named.size(); ++i)
        for (std::size_t j = i + 1; j < named.size(); ++j)
            if (sameFile(named[i].second, named[j].second))
                return named[j].first + " " + named[j].second.string() +
                       " names the same file as " + named[i].first + " " + named[i].second.string();
    return std::nullopt;
}

bool readRunSettings(const std::filesystem::path& path, MemorySettingsStore& settings,
                     std::ostream& err) {
    SettingsFileRead read = readSettingsFile(path);
    if (read.refusal) {
        err << path.string();
        if (read.refusal->lineNumber > 0)
            err << ":" << read.refusal->lineNumber;
        err << ": " << read.refusal->reason << "\n";
        return false;
    }
    settings.values = std::move(read.values);
    return true;
}

std::optional<RunInputs> readRunInputs(const RunOptions& options, std::ostream& err) {
    const auto text = options.scenario.empty() ? std::optional<std::string>(std::string())
                                               : readFileText(options.scenario);
    if (!text) {
        err << options.scenario.string() << ": cannot read the scenario file\n";
        return std::nullopt;
    }
    RunInputs inputs{*text, runFiles(options), std::nullopt};
    if (auto refusal = refusedRunFiles(inputs.files)) {
        err << "loopsim-run: " << *refusal << "\n";
        return std::nullopt;
    }
    if (inputs.files.settings &&
        !readRunSettings(*inputs.files.settings, inputs.settings.emplace(), err))
        return std::nullopt;
    return inputs;
}

}  // namespace loopsim
