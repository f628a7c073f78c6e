#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "GoldenFile.h"
#include "ScratchFolder.h"
#include "headless/Runner.h"

namespace loopsim {
namespace {

namespace fs = std::filesystem;

// The left handset's turn-on click at 1 s holds the whole unit until 3 s.
const std::string kTurnOn = "0.5 tap LHOO\n1 tap Label8\n";

struct RunnerFixture : ::testing::Test {
    test::ScratchFolder folder;
    std::ostringstream out, err;

    fs::path write(const std::string& name, const std::string& text) {
        return folder.write(name, text);
    }

    int run(const std::string& scenario, std::vector<std::string> extra = {}) {
        std::vector<std::string> arguments{write("test.scenario", scenario).string(), "--out",
                                           (folder / "out.csv").string(), "--dump",
                                           (folder / "out.jsonl").string()};
        arguments.insert(arguments.end(), extra.begin(), extra.end());
        auto options = parseRunArguments(arguments, err);
        EXPECT_TRUE(options);
        return runScenario(*options, out, err);
    }

    std::vector<std::string> lines(const std::string& name) {
        std::ifstream in(folder / name, std::ios::binary);
        std::vector<std::string> result;
        for (std::string line; std::getline(in, line);)
            result.push_back(line);
        return result;
    }
};

TEST_F(RunnerFixture, QuietMinuteRecordsSixtyRows) {
    ASSERT_EQ(run("60 end\n"), kRunPlayed) << err.str();
    const auto csv = lines("out.csv");
    ASSERT_EQ(csv.size(), 4u + 60u + 2u);
    EXPECT_EQ(csv[2],
              "\"Time (secs)\",\"Real PO2\",\"Handset PO2\",\"Depth\",\"Setpoint\",\"loop "
              "Volume\",\"Status Messages\"\r");
    for (int second = 1; second <= 60; ++second)
        EXPECT_EQ(csv[3 + second], std::to_string(second) + ",0.21,,0,0.7,16,\r");
    EXPECT_EQ(csv.back(), "\"End of recorded data\"\r");
}

TEST_F(RunnerFixture, RefusedScenariosWriteNothing) {
    const std::pair<std::string, const char*> rows[] = {
        {"0 dump\n3 fly ADVOn\n", "test.scenario:2: unknown verb 'fly'"},
        {"0 dump\n\n1 tap Nowhere\n", "test.scenario:3: unknown element 'Nowhere'"},
        {"5 dump\n4 dump\n", "test.scenario:2: the time 4 s goes back before 5 s"},
        {"1 answer 12\n", "test.scenario:1: there is no text prompt open to answer"},
        // held during the turn-on click, refused when it is applied
        {kTurnOn + "2 answer 12\n5 end\n",
         "test.scenario:3: there is no text prompt open to answer"},
    };
    for (auto [scenario, message] : rows) {
        write("out.csv", "keep me");
        err.str("");
        EXPECT_EQ(run(scenario), kRunRefused) << scenario;
        EXPECT_NE(err.str().find(message), std::string::npos) << err.str();
        EXPECT_EQ(readTestFile((folder / "out.csv").string()), "keep me");
        EXPECT_FALSE(fs::exists(folder / "out.jsonl"));
    }
}

TEST_F(RunnerFixture, BadCommandLinesAreRefused) {
    for (std::vector<std::string> arguments : {std::vector<std::string>{},
                                               {"a.scenario", "--until", "soon"},
                                               {"a", "b"},
                                               {"a.scenario", "--out"},
                                               {"a.scenario", "--colour", "red"}}) {
        EXPECT_FALSE(parseRunArguments(arguments, err));
    }
    RunOptions missing;
    missing.scenario = folder / "missing.scenario";
    EXPECT_EQ(runScenario(missing, out, err), kRunRefused);
}

TEST_F(RunnerFixture, UntilCutsTheRunAndRunsTimersDueAtTheEnd) {
    ASSERT_EQ(run("0 dump\n100 end\n", {"--until", "2"}), kRunPlayed);
    EXPECT_EQ(lines("out.csv").size(), 4u + 2u + 2u);
}

TEST_F(RunnerFixture, WindowClockLinesChangeNothingInVirtualTime) {
    const std::string dive = "1 tap Image7\n5 tap Image10\n9 dump\n20 end\n";
    ASSERT_EQ(run(dive), kRunPlayed) << err.str();
    const auto plainCsv = lines("out.csv");
    const auto plainDump = lines("out.jsonl");
    ASSERT_EQ(run("1 tap Image7\n2 pause\n2 speed 10\n4.5 resume\n5 tap Image10\n6 speed 1\n"
                  "9 dump\n20 end\n"),
              kRunPlayed)
        << err.str();
    auto withClockCsv = lines("out.csv");
    // The first line carries the date and time of writing.
    EXPECT_EQ(std::vector(withClockCsv.begin() + 1, withClockCsv.end()),
              std::vector(plainCsv.begin() + 1, plainCsv.end()));
    EXPECT_EQ(lines("out.jsonl"), plainDump);
}

// A settings file is read at the start and written back at the end; nonsense in it gives
// sane values, written back as numbers.
TEST_F(RunnerFixture, SettingsFileIsReadAndWrittenBack) {
    std::string binary;
    for (int i = 0; i < 4096; ++i)
        binary += static_cast<char>((i * 7919 + 13) % 256);
    struct Row {
        std::string ini;
        std::vector<const char*> dumped, written;
    };
    const Row rows[] = {
        {"[Settings]\nCO2=20\nLeftTimer=61\n",
         {"\"ScrubberMinutes\":20,"},
         {"CO2=20", "LeftTimer=61", "LeftBattery=6.2", "RightBattery=6.2"}},
        {"[Settings]\nCO2=nan\nLeftTimer=1, 2\nLeftBattery=@Invalid()\nRightBattery=-7\n",
         {"\"ScrubberMinutes\":14,", "\"OnMinutes\":14,", "\"BatteryVolts\":6.2}",
          "\"BatteryVolts\":0}"},
         {"CO2=14", "LeftTimer=14", "LeftBattery=6.2", "RightBattery=0"}},
        // not an INI file at all
        {binary,
         {"\"ScrubberMinutes\":14,", "\"OnMinutes\":14,", "\"BatteryVolts\":6.2}"},
         {"CO2=14", "LeftTimer=14", "LeftBattery=6.2", "RightBattery=6.2"}},
    };
    for (const Row& row : rows) {
        const fs::path settings = write("loopsim.ini", row.ini);
        err.str("");
        ASSERT_EQ(run("0 dump\n1 end\n", {"--settings", settings.string()}), kRunPlayed);
        const std::string dump = readTestFile((folder / "out.jsonl").string());
        for (const char* field : row.dumped)
            EXPECT_NE(dump.find(field), std::string::npos) << field;
        const std::string written = readTestFile(settings.string());
        EXPECT_EQ(err.str(), "");
        for (const char* line : row.written)
            EXPECT_NE(written.find(line), std::string::npos) << written;
    }
}

// A settings file that cannot be written is said, and the run still counts as played.
TEST_F(RunnerFixture, SettingsThatCannotBeWrittenAreSaid) {
    std::filesystem::create_directories(folder / "a-folder.ini");
    ASSERT_EQ(run("1 end\n", {"--settings", (folder / "a-folder.ini").string()}), kRunPlayed);
    EXPECT_EQ(err.str(), "loopsim-run: could not write the settings to " +
                             (folder / "a-folder.ini").string() + "\n");
    EXPECT_TRUE(fs::exists(folder / "out.csv"));
}

TEST_F(RunnerFixture, WithoutDumpFileDumpsGoToStandardOutput) {
    std::vector<std::string> arguments{write("test.scenario", "0 dump\n").string(), "--out",
                                       (folder / "out.csv").string()};
    ASSERT_EQ(runScenario(*parseRunArguments(arguments, err), out, err), kRunPlayed);
    EXPECT_EQ(out.str().rfind("{\"t\":0,", 0), 0u);
}

TEST_F(RunnerFixture, HoldReleasesAfterTheTimerDueAtItsOwnMillisecond) {
    // Holding both right buttons exactly the switch-off tick's second switches the handset off.
    ASSERT_EQ(run(kTurnOn + "10 hold Label19 1000\n12 dump\n"), kRunPlayed) << err.str();
    EXPECT_NE(readTestFile((folder / "out.jsonl").string()).find("\"LeftHandset\":{\"UnitOn\":0"),
              std::string::npos);
}

TEST_F(RunnerFixture, DumpInsideAHoldOnlyObserves) {
    const std::string held = kTurnOn + "2 tap Image7\n";
    ASSERT_EQ(run(held + "2 dump\n5 end\n"), kRunPlayed) << err.str();
    const std::string withDump = readTestFile((folder / "out.csv").string());
    const std::string dump = readTestFile((folder / "out.jsonl").string());
    ASSERT_EQ(run(held + "5 end\n"), kRunPlayed) << err.str();
    EXPECT_EQ(withoutWrittenDate(readTestFile((folder / "out.csv").string())),
              withoutWrittenDate(withDump));
    // Taken when the hold ends, after the held valve click, before the late timers.
    EXPECT_NE(dump.find("\"t\":3000,"), std::string::npos);
    EXPECT_NE(dump.find("\"OxygenValve\":\"OPEN\""), std::string::npos);
    EXPECT_NE(dump.find("\"RecordIndex\":1,"), std::string::npos);
    // Lines inside a hold at the scenario's end are still applied.
    ASSERT_EQ(run(held + "2 dump\n"), kRunPlayed) << err.str();
    EXPECT_NE(readTestFile((folder / "out.jsonl").string()).find("\"OxygenValve\":\"OPEN\""),
              std::string::npos);
}

TEST_F(RunnerFixture, ExitInsideAHoldEndsTheRunWhenTheHoldEnds) {
    ASSERT_EQ(run(kTurnOn + "2 exit\n4 tap Image7\n9 dump\n"), kRunPlayed);
    EXPECT_EQ(readTestFile((folder / "out.jsonl").string()), "");
    EXPECT_EQ(lines("out.csv").size(), 4u + 1u + 2u);  // only the second before the hold
}

TEST_F(RunnerFixture, MainWindowButtons) {
    ASSERT_EQ(run("1 tap Command3\n1 dump\n2 tap BugReport.Command2\n2 dump\n3 tap Command1\n"
                  "9 dump\n"),
              kRunPlayed);
    const auto dumps = lines("out.jsonl");
    ASSERT_EQ(dumps.size(), 2u);
    EXPECT_NE(dumps[0].find("\"Dialogs\":[\"BugReport\"]"), std::string::npos);
    EXPECT_NE(dumps[1].find("\"Dialogs\":[]"), std::string::npos);
    EXPECT_EQ(lines("out.csv").size(), 4u + 3u + 2u);  // the exit button ended the run at 3 s
}

}  // namespace
}  // namespace loopsim
