// The runner's command line, its refusals and its files; what it plays is pinned by the
// golden replays.
#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "RunInFolder.h"

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
        EXPECT_FALSE(fs::exists(folder / "out.jsonl"));
        EXPECT_FALSE(test::holdsAPartialFile(folder.path()));
    }
}

TEST_F(RunnerFixture, BadCommandLinesAreRefused) {
    for (std::vector<std::string> arguments : {std::vector<std::string>{},
                                               {"a.scenario", "--until", "soon"},
                                               {"a", "b"},
                                               {"a.scenario", "--out"},
                                               {"a.scenario", "--colour", "red"}})
        EXPECT_FALSE(parseRunArguments(arguments, err));
    RunOptions missing;
    missing.scenario = folder / "missing.scenario";
    EXPECT_EQ(runScenario(missing, out, err), kRunRefused);
}

// --until cuts the run, the timers due at its end still run; without --dump the dumps go
// to the standard output.
TEST_F(RunnerFixture, UntilCutsTheRunAndDumpsGoToTheOutputWithoutADumpFile) {
    ASSERT_EQ(run("0 dump\n100 end\n", {"--until", "2"}), kRunPlayed);
    EXPECT_NE(file("out.csv").find("\r\n2,0.21,"), std::string::npos);
    EXPECT_EQ(file("out.csv").find("\r\n3,"), std::string::npos);
    const std::vector<std::string> arguments{folder.write("test.scenario", "0 dump\n").string()};
    ASSERT_EQ(runScenario(*parseRunArguments(arguments, err), out, err), kRunPlayed);
    EXPECT_EQ(out.str().rfind("{\"t\":0,", 0), 0u);
}

// The recording file is dated with the local time of writing: the moment of one of two
// readings of the clock taken around the run, whichever second the writing fell in.
TEST_F(RunnerFixture, RecordingIsDatedWithTheLocalTimeOfWriting) {
    const auto now = [] {
        const std::time_t seconds = std::time(nullptr);
        std::tm local{};
        localtime_r(&seconds, &local);
        char text[32];
        std::strftime(text, sizeof text, ",#%Y-%m-%d#,#%H:%M:%S#\r\n", &local);
        return std::string(text);
    };
    const std::string before = now();
    ASSERT_EQ(run("1 end\n"), kRunPlayed);
    const std::string after = now();
    const std::string header = file("out.csv");
    const std::string dated = header.substr(header.find(','), before.size());
    EXPECT_TRUE(dated == before || dated == after) << dated;
}

// A settings file is read at the start and written back at the end, the defaults filled in
// (what nonsense values give is the stored settings' own test).
TEST_F(RunnerFixture, SettingsFileIsReadAndWrittenBack) {
    struct Row {
        std::string ini;
        std::vector<const char*> dumped;
        std::string written;
    };
    const Row rows[] = {
        {"[Settings]\nCO2=20\nLeftTimer=61\n",
         {"\"ScrubberMinutes\":20,"},
         "[Settings]\nCO2=20\nLeftBattery=6.2\nLeftTimer=61\nRightBattery=6.2\n"},
        {"",
         {"\"ScrubberMinutes\":14,"},
         "[Settings]\nCO2=14\nLeftBattery=6.2\nLeftTimer=14\nRightBattery=6.2\n"},
    };
    for (const Row& row : rows) {
        const fs::path settings = folder.write("loopsim.ini", row.ini);
        ASSERT_EQ(run("0 dump\n1 end\n", {"--settings", settings.string()}), kRunPlayed);
        for (const char* field : row.dumped)
            EXPECT_NE(file("out.jsonl").find(field), std::string::npos) << field;
        EXPECT_EQ(file("loopsim.ini"), row.written);
    }
    EXPECT_EQ(err.str(), "");
}

}  // namespace
}  // namespace loopsim
