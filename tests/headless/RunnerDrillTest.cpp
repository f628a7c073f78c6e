// The runner's --drill: the pass marks on the standard output, the exit statuses, and the
// drill or trainee refused before anything is written, naming the file and the line.
#include <gtest/gtest.h>

#include <filesystem>

#include "RunInFolder.h"
#include "drills/DrillNote.h"
#include "drills/DrillParser.h"
#include "drills/DrillPlay.h"
#include "simulation/Simulation.h"

namespace loopsim {
namespace {

namespace fs = std::filesystem;

// A drill at the surface: the oxygen valve opened, the ADV failing a second after the
// takeover, answered by a diluent addition.
constexpr const char* kDrill =
    "[drill]\ntitle = t\ntakeover = 2 s\nlength = 10 s\n"
    "[settings]\nLeftBattery = 5.9\n"
    "[start]\n1 tap Image7\n"
    "[failures]\nadv_failed at 1 s\n"
    "[pass marks]\nresponse_seconds.adv_failed <= 2\nhypoxia_seconds = 0\n";

struct Row {
    const char* drill;                 // written as d.drill
    const char* scenario;              // written as trainee.scenario; none when null
    std::vector<std::string> options;  // names in the folder after each option
};

// Each row's exit status, standard output and standard error, {} standing for the folder,
// are compared with runner-drill.txt.
TEST(RunnerDrill, MarksStatusesAndRefusals) {
    std::string said;
    for (const Row& row : {
             Row{kDrill, "5 tap Image5\n", {}},
             Row{kDrill, nullptr, {}},
             // A file not written says more than a mark missed; the marks are judged all the same.
             Row{kDrill, nullptr, {"--out", "missing/out.csv"}},
             Row{"[drill]\ntitle = t\nlength = 1 min\n[pass marks]\notu < one\n", nullptr, {}},
             Row{"[drill]\ntitle = t\nlength = 1 min\n[start]\n1 answer 3\n[pass marks]\notu < 1\n",
                 nullptr,
                 {}},
             Row{kDrill, "\n1.5 tap Image5\n", {}},
             Row{kDrill, "4 tap Image5\n", {"--out", "d.drill"}},
             Row{nullptr, nullptr, {}},
         }) {
        const test::ScratchFolder folder;
        std::vector<std::string> arguments{"--drill", (folder / "d.drill").string()};
        if (row.drill)
            folder.write("d.drill", row.drill);
        if (row.scenario)
            arguments.push_back(folder.write("trainee.scenario", row.scenario).string());
        for (std::size_t i = 0; i < row.options.size(); ++i)
            arguments.push_back(i % 2 == 0 ? row.options[i] : (folder / row.options[i]).string());
        if (row.options.empty())
            arguments.insert(arguments.end(), {"--out", (folder / "out.csv").string()});
        std::ostringstream out, err;
        const auto options = parseRunArguments(arguments, err);
        ASSERT_TRUE(options) << err.str();
        const int status = runScenario(*options, out, err);
        said += "status " + std::to_string(status) + "\n" + out.str() +
                test::outOfFolder(err.str(), folder.path()) + "\n";
        if (status == kRunRefused) {
            EXPECT_FALSE(fs::exists(folder / "out.csv"));
        }
    }
    expectMatchesGoldenFile(said, "runner-drill.txt");
}

// The drill's settings stand in for the run's own; the rest come from --settings, and the
// run writes them all back as it ends.
TEST(RunnerDrill, TheDrillsSettingsGoOverTheRunsOwn) {
    const test::ScratchFolder folder;
    folder.write("d.drill", kDrill);
    folder.write("s.ini", "[Settings]\nCO2=176\nLeftBattery=6.1\n");
    const test::RunResult run = test::runInFolder(
        folder, "", {"--drill", "d.drill", "--settings", "s.ini", "--out", "out.csv"});
    EXPECT_EQ(run.status, kRunMarkMissed) << run.err;
    EXPECT_EQ(readTestFile((folder / "s.ini").string()),
              "[Settings]\nCO2=176\nLeftBattery=5.9\nLeftTimer=14\nRightBattery=6.2\n");
}

// --debrief lists the marks as they were judged: in the JSON after the metrics, on the page
// in a table after the figures, under the drill's title.
TEST(RunnerDrill, TheDebriefListsThePassMarks) {
    const test::ScratchFolder folder;
    folder.write("d.drill", kDrill);
    for (const char* debrief : {"d.json", "d.html"}) {
        const test::RunResult run = test::runInFolder(folder, "5 tap Image5\n",
                                                      {"--drill", "d.drill", "--debrief", debrief});
        EXPECT_EQ(run.status, kRunPlayed) << run.err;
    }
    EXPECT_NE(
        readTestFile((folder / "d.json").string())
            .find(R"(}],"pass_marks":{"title":"Pass marks: t","marks":[)"
                  R"({"mark":"response_seconds.adv_failed <= 2","value":"1 s","passed":true},)"
                  R"({"mark":"hypoxia_seconds = 0","value":"0 s","passed":true}]},"failures":)"),
        std::string::npos);
    const std::string page = readTestFile((folder / "d.html").string());
    EXPECT_NE(page.find("<h2>Pass marks: t</h2>"), std::string::npos);
    EXPECT_NE(page.find("response_seconds.adv_failed &lt;= 2"), std::string::npos);
    EXPECT_NE(page.find("<p class=\"heading\">test.scenario · "), std::string::npos);

    // Without the trainee's scenario, the page is headed by the drill file.
    std::ostringstream out, err;
    const auto alone = parseRunArguments(
        {"--drill", (folder / "d.drill").string(), "--debrief", (folder / "a.html").string()}, err);
    ASSERT_TRUE(alone) << err.str();
    EXPECT_EQ(runScenario(*alone, out, err), kRunMarkMissed) << err.str();
    EXPECT_NE(readTestFile((folder / "a.html").string()).find("<p class=\"heading\">d.drill · "),
              std::string::npos);
}

// The log a window session of the drill writes: the drill named in a comment, then every
// action as it was applied, the start's and the injections among them.
std::string drilledSessionLog(const std::string& drillText, const std::string& trainee) {
    Simulation simulation;
    const Drill drill = parseDrill(drillText, &simulation.input()).drill;
    std::string log = "# " + drillNote("d.drill", drillText) + "\n";
    playDrill(
        simulation, drill, parseScenario(trainee, &simulation.input()), std::nullopt, [] {},
        [&](const Action& action) { log += formatScenarioLine(simulation.now(), action) + "\n"; });
    return log + formatScenarioTime(drill.end) + " end\n";
}

// Played as it stands, the log gives the drilled run's recording again; with --drill it is
// judged by the drill it names, and only by that version of it.
TEST(RunnerDrill, ADrilledSessionsLogReplaysToTheSameRecordingAndMarks) {
    const test::ScratchFolder folder;
    const std::string drill = folder.write("d.drill", kDrill).string();
    const std::string trainee = folder.write("trainee.scenario", "5 tap Image5\n").string();
    const std::string log =
        folder.write("log.scenario", drilledSessionLog(kDrill, "5 tap Image5\n")).string();
    auto run = [&](std::vector<std::string> arguments, int status) {
        std::ostringstream out, err;
        const auto options = parseRunArguments(arguments, err);
        EXPECT_TRUE(options) << err.str();
        EXPECT_EQ(runScenario(*options, out, err), status) << err.str();
        return out.str() + err.str();
    };
    const std::string marks =
        run({"--drill", drill, trainee, "--out", (folder / "drilled.csv").string()}, kRunPlayed);
    EXPECT_EQ(run({log, "--out", (folder / "replayed.csv").string()}, kRunPlayed), "");
    EXPECT_EQ(withoutWrittenDate(readTestFile((folder / "replayed.csv").string())),
              withoutWrittenDate(readTestFile((folder / "drilled.csv").string())));
    EXPECT_EQ(run({"--drill", drill, log, "--out", (folder / "judged.csv").string()}, kRunPlayed),
              marks);

    folder.write("d.drill", std::string(kDrill) + "# changed\n");
    EXPECT_EQ(test::outOfFolder(run({"--drill", drill, log}, kRunRefused), folder.path()),
              "{}log.scenario: a log of the drill d.drill with content " +
                  drillContentHash(kDrill) + ", not of {}d.drill (content " +
                  drillContentHash(std::string(kDrill) + "# changed\n") + ")\n");
}

}  // namespace
}  // namespace loopsim
