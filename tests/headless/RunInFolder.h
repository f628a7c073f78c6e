// Runner tests that play a scenario in a folder of their own, naming its files relative to it.
#pragma once

#include <ctime>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "GoldenFile.h"
#include "ScratchFolder.h"
#include "headless/Runner.h"

namespace loopsim::test {

struct RunResult {
    int status = -1;
    std::string out, err;
};

// Plays the scenario as FOLDER/test.scenario; each value after an option is a name in the
// folder.
inline RunResult runInFolder(const ScratchFolder& folder, const std::string& scenario,
                             const std::vector<std::string>& options) {
    std::vector<std::string> arguments{folder.write("test.scenario", scenario).string()};
    for (std::size_t i = 0; i < options.size(); ++i)
        arguments.push_back(i % 2 == 0 ? options[i] : (folder / options[i]).string());
    std::ostringstream out, err;
    RunResult result;
    if (auto parsed = parseRunArguments(arguments, err))
        result.status = runScenario(*parsed, out, err);
    return {result.status, out.str(), err.str()};
}

// The text with the folder and a slash written as {}.
inline std::string outOfFolder(std::string text, const std::filesystem::path& folder) {
    const std::string prefix = folder.string() + "/";
    for (std::size_t at; (at = text.find(prefix)) != std::string::npos;)
        text.replace(at, prefix.size(), "{}");
    return text;
}

// Every name under a folder with what it is: a file's bytes, a link's target, or its kind.
inline std::map<std::string, std::string> folderContents(const std::filesystem::path& folder) {
    namespace fs = std::filesystem;
    std::map<std::string, std::string> contents;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
        const std::string name = entry.path().lexically_relative(folder).string();
        if (entry.is_symlink())
            contents[name] = "link to " + fs::read_symlink(entry.path()).string();
        else if (entry.is_regular_file())
            contents[name] = readTestFile(entry.path().string());
        else
            contents[name] = "kind " + std::to_string(static_cast<int>(entry.status().type()));
    }
    return contents;
}

// The local date and time now, as the runner dates its files.
inline std::string localNow(const char* format) {
    const std::time_t seconds = std::time(nullptr);
    std::tm local{};
    localtime_r(&seconds, &local);
    char text[64];
    std::strftime(text, sizeof text, format, &local);
    return text;
}

}  // namespace loopsim::test
