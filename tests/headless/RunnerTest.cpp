// The runner's command line, its refusals, odd input and its files; what it plays is pinned
// by the golden replays, and the settings it reads and writes back by the runner's files. The
// scenario's own refusals and how their messages quote a line are the parser's (ScenarioTest).
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "RunInFolder.h"
#include "files/Scenario.h"

namespace loopsim {
namespace {

namespace fs = std::filesystem;

struct RunnerFixture : ::testing::Test {
    test::ScratchFolder folder;
    std::ostringstream out, err;

    int run(const std::string& scenario, std::vector<std::string> extra = {}) {
        std::vector<std::string> arguments{folder.write("test.scenario", scenario).string(),
                                           "--out", (folder / "out.csv").string(), "--dump",
                                           (folder / "out.jsonl").string()};
        arguments.insert(arguments.end(), extra.begin(), extra.end());
        auto options = parseRunArguments(arguments, err);
        EXPECT_TRUE(options);
        return runScenario(*options, out, err);
    }
    std::string file(const std::string& name) { return readTestFile((folder / name).string()); }
};

TEST_F(RunnerFixture, RefusedScenariosWriteNothing) {
    const std::pair<std::string, const char*> rows[] = {
        {"0 dump\n3 fly ADVOn\n", "test.scenario:2: unknown verb 'fly'"},
        {"1 answer 12\n", "test.scenario:1: there is no text prompt open to answer"},
        // held during the turn-on click, refused when it is applied
        {"0.5 tap LHOO\n1 tap Label8\n2 answer 12\n5 end\n",
         "test.scenario:3: there is no text prompt open to answer"},
    };
    for (auto [scenario, message] : rows) {
        folder.write("out.csv", "keep me");
        err.str("");
        EXPECT_EQ(run(scenario), kRunRefused) << scenario;
        EXPECT_NE(err.str().find(message), std::string::npos) << err.str();
        EXPECT_EQ(file("out.csv"), "keep me");
        // the recording and the scenario alone: no dumps, no temporary file
        EXPECT_EQ(test::folderContents(folder.path()).size(), 2u);
    }
}

// Command lines the runner refuses, with what it says of each, against
// runner-command-lines.txt; a scenario that is not there is refused when it is played.
TEST_F(RunnerFixture, BadCommandLinesAreRefused) {
    std::string said;
    for (const std::vector<std::string>& arguments :
         std::initializer_list<std::vector<std::string>>{
             {},
             {"a.scenario", "--until", "soon"},
             {"a", "b"},
             {"a.scenario", "--out"},
             {"a.scenario", "--colour", "red"},
             {"a.scenario", "--export", "dive.xml"},
             {"a.scenario", "--debrief", "report.txt"},
             // --until takes at most a week, the latest time a scenario may have
             {"a.scenario", "--until", "604800.001"},
             {"a.scenario", "--until", "9999999999"},
             {"a.scenario", "--until", "99999999999999999999999"},
             {"a.scenario", "--until", "1\r\x1b[2J"},
         }) {
        err.str("");
        EXPECT_FALSE(parseRunArguments(arguments, err));
        said += "loopsim-run";
        for (std::string argument : arguments) {
            std::replace_if(
                argument.begin(), argument.end(), [](char c) { return c < ' '; }, '?');
            said += " " + argument;
        }
        said += "\n    " + err.str();
    }
    expectMatchesGoldenFile(said, "runner-command-lines.txt");
    EXPECT_EQ(parseRunArguments({"a.scenario", "--until", "604800"}, err)->until,
              kLatestScenarioTime);
    RunOptions missing;
    missing.scenario = folder / "missing.scenario";
    EXPECT_EQ(runScenario(missing, out, err), kRunRefused);
}

// --until cuts the run, the timers due at its end still run.
TEST_F(RunnerFixture, UntilCutsTheRun) {
    ASSERT_EQ(run("0 dump\n100 end\n", {"--until", "2"}), kRunPlayed);
    EXPECT_NE(file("out.csv").find("\r\n2,0.21,"), std::string::npos);
    EXPECT_EQ(file("out.csv").find("\r\n3,"), std::string::npos);
}

// The recording file is dated with the local time of writing: the moment of one of two
// readings of the clock taken around the run, whichever second the writing fell in.
TEST_F(RunnerFixture, RecordingIsDatedWithTheLocalTimeOfWriting) {
    const char* format = ",#%Y-%m-%d#,#%H:%M:%S#\r\n";
    const std::string before = test::localNow(format);
    ASSERT_EQ(run("1 end\n"), kRunPlayed);
    const std::string after = test::localNow(format);
    const std::string header = file("out.csv");
    const std::string dated = header.substr(header.find(','), before.size());
    EXPECT_TRUE(dated == before || dated == after) << dated;
}

}  // namespace
}  // namespace loopsim
