// The headless runner: plays a scenario on a fresh simulation as fast as the processor
// allows, then takes the main window's exit path (settings, recording file).
#pragma once

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "core/SimClock.h"

namespace loopsim {

// Serving the instructor station while the scenario plays on the wall clock (--serve).
struct ServeOptions {
    int port = 0;                              // 0: any free port, printed at start
    bool localNetwork = false;                 // --lan: listen on every address, not only 127.0.0.1
    std::optional<std::filesystem::path> log;  // the session log, a scenario
    std::optional<std::filesystem::path> drills;  // the folder of drills the page may start
};

struct RunOptions {
    std::filesystem::path scenario;
    std::optional<std::filesystem::path> out;
    std::optional<std::filesystem::path> dump;
    std::optional<Millis> until;
    std::optional<std::filesystem::path> settings;
    std::optional<std::filesystem::path> debrief;   // FILE.json or FILE.html
    std::optional<std::filesystem::path> exportTo;  // FILE.ssrf, FILE.uddf or FILE.csv
    std::optional<std::filesystem::path> drill;     // the scenario is then the trainee's, or none
    std::optional<ServeOptions> serve;
};

// The exit statuses: played and every file written; played, but a file could not be written
// (each one that could was); refused before anything was written; a drill played and its
// files written, but a pass mark was missed.
inline constexpr int kRunPlayed = 0;
inline constexpr int kRunWriteFailed = 1;
inline constexpr int kRunRefused = 2;
inline constexpr int kRunMarkMissed = 3;

// Parses the command line; on a bad one prints why and the usage to err.
std::optional<RunOptions> parseRunArguments(const std::vector<std::string>& arguments,
                                            std::ostream& err);

// Plays the scenario; returns the exit status. Dumps go to options.dump or to out.
int runScenario(const RunOptions& options, std::ostream& out, std::ostream& err);

// What plays a run with --serve; a build without the instructor station has none.
using ServeRun = int (*)(const RunOptions& options, std::ostream& out, std::ostream& err);

// The program: parses the command line and plays the run, served when it asks to be.
int runnerMain(int argc, char** argv, ServeRun serve);

}  // namespace loopsim
