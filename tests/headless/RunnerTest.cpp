#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "GoldenFile.h"
#include "headless/Runner.h"

namespace loopsim {
namespace {

namespace fs = std::filesystem;

struct RunnerFixture : ::testing::Test {
    fs::path folder;
    std::ostringstream out, err;

    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("loopsim-runner-" +
                  std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    fs::path write(const std::string& name, const std::string& text) {
        std::ofstream(folder / name, std::ios::binary) << text;
        return folder / name;
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
    const std::pair<const char*, const char*> rows[] = {
        {"0 dump\n3 fly ADVOn\n", "test.scenario:2: unknown verb 'fly'"},
        {"0 dump\n\n1 tap Nowhere\n", "test.scenario:3: unknown element 'Nowhere'"},
        {"5 dump\n4 dump\n", "test.scenario:2: the time 4 s goes back before 5 s"},
        {"1 answer 12\n", "test.scenario:1: there is no text prompt open to answer"},
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

TEST_F(RunnerFixture, DumpsShowTheAdvBoxAndItsButton) {
    ASSERT_EQ(run("1 uncheck ADVOn\n1 dump\n2 check ADVOn\n2 dump\n"), kRunPlayed);
    const auto dumps = lines("out.jsonl");
    ASSERT_EQ(dumps.size(), 2u);
    EXPECT_NE(dumps[0].find("\"ADVOn\":{\"text\":\"ADV Enabled\",\"checked\":false}"),
              std::string::npos);
    EXPECT_NE(dumps[0].find("\"Image17\":{\"visible\":false}"), std::string::npos);
    EXPECT_NE(dumps[1].find("\"ADVOn\":{\"text\":\"ADV Enabled\",\"checked\":true}"),
              std::string::npos);
    EXPECT_NE(dumps[1].find("\"Image17\":{\"visible\":true}"), std::string::npos);
    EXPECT_NE(dumps[0].find("\"t\":1000,"), std::string::npos);
}

TEST_F(RunnerFixture, SameScenarioGivesTheSameDumps) {
    const std::string scenario = "0 dump\n30 uncheck ADVOn\n45.5 dump\n90 check ADVOn\n120 dump\n";
    ASSERT_EQ(run(scenario), kRunPlayed);
    const std::string first = readTestFile((folder / "out.jsonl").string());
    ASSERT_EQ(run(scenario), kRunPlayed);
    EXPECT_EQ(readTestFile((folder / "out.jsonl").string()), first);
    EXPECT_EQ(std::count(first.begin(), first.end(), '\n'), 3);
}

TEST_F(RunnerFixture, SettingsFileIsReadAndWrittenBack) {
    const fs::path settings = write("loopsim.ini", "[Settings]\nCO2=20\nLeftTimer=61\n");
    ASSERT_EQ(run("0 dump\n1 end\n", {"--settings", settings.string()}), kRunPlayed);
    EXPECT_NE(readTestFile((folder / "out.jsonl").string()).find("\"ScrubberMinutes\":20,"),
              std::string::npos);
    const std::string written = readTestFile(settings.string());
    for (const char* line : {"CO2=20", "LeftTimer=61", "LeftBattery=6.2", "RightBattery=6.2"})
        EXPECT_NE(written.find(line), std::string::npos) << written;
}

TEST_F(RunnerFixture, BadSettingsGiveSaneValuesWrittenBackAsNumbers) {
    const fs::path settings =
        write("loopsim.ini",
              "[Settings]\nCO2=nan\nLeftTimer=1, 2\nLeftBattery=@Invalid()\nRightBattery=-7\n");
    ASSERT_EQ(run("0 dump\n1 end\n", {"--settings", settings.string()}), kRunPlayed);
    EXPECT_EQ(err.str(), "");
    const std::string dump = readTestFile((folder / "out.jsonl").string());
    for (const char* field : {"\"ScrubberMinutes\":14,", "\"OnMinutes\":14,",
                              "\"BatteryVolts\":6.2}", "\"BatteryVolts\":0}"})
        EXPECT_NE(dump.find(field), std::string::npos) << field;
    const std::string written = readTestFile(settings.string());
    for (const char* line : {"CO2=14", "LeftTimer=14", "LeftBattery=6.2", "RightBattery=0"})
        EXPECT_NE(written.find(line), std::string::npos) << written;
}

TEST_F(RunnerFixture, BinarySettingsFileGivesTheDefaults) {
    std::string junk;
    for (int i = 0; i < 4096; ++i)
        junk += static_cast<char>((i * 7919 + 13) % 256);
    const fs::path settings = write("loopsim.ini", junk);
    ASSERT_EQ(run("0 dump\n1 end\n", {"--settings", settings.string()}), kRunPlayed);
    const std::string dump = readTestFile((folder / "out.jsonl").string());
    for (const char* field :
         {"\"ScrubberMinutes\":14,", "\"OnMinutes\":14,", "\"BatteryVolts\":6.2}"})
        EXPECT_NE(dump.find(field), std::string::npos) << field;
}

TEST_F(RunnerFixture, WithoutDumpFileDumpsGoToStandardOutput) {
    std::vector<std::string> arguments{write("test.scenario", "0 dump\n").string(), "--out",
                                       (folder / "out.csv").string()};
    ASSERT_EQ(runScenario(*parseRunArguments(arguments, err), out, err), kRunPlayed);
    EXPECT_EQ(out.str().rfind("{\"t\":0,", 0), 0u);
}

}  // namespace
}  // namespace loopsim
