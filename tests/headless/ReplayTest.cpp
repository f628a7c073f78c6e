// Every scenario file of the tests' data and of scenarios/ played as loopsim-run plays it,
// from the stored settings in NAME.ini when the data has one: its recording file and its
// dumps must match NAME.csv and NAME.jsonl in the tests' data byte for byte (the date of
// writing aside; no dumps, no NAME.jsonl), and where NAME.debrief.json is there, its debrief
// too. A new scenario fails until its output, written beside the data as NAME.csv.actual and
// NAME.jsonl.actual, has been looked at and promoted.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "GoldenFile.h"
#include "ScratchFolder.h"
#include "headless/Runner.h"

namespace loopsim {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> replayedScenarios() {
    std::vector<fs::path> scenarios;
    for (const char* folder : {LOOPSIM_TEST_DATA, LOOPSIM_SCENARIOS})
        for (const fs::directory_entry& entry : fs::directory_iterator(folder))
            if (entry.path().extension() == ".scenario")
                scenarios.push_back(entry.path());
    std::sort(scenarios.begin(), scenarios.end());
    return scenarios;
}

class Replay : public ::testing::TestWithParam<fs::path> {};

TEST_P(Replay, GivesItsRecordingAndDumps) {
    const test::ScratchFolder folder;
    RunOptions options;
    options.scenario = GetParam();
    options.out = folder / "out.csv";
    options.dump = folder / "out.jsonl";
    const std::string name = GetParam().stem().string();
    const std::string settings = readTestFile(testDataPath(name + ".ini"));
    if (!settings.empty())
        options.settings = folder.write("settings.ini", settings);
    // A scenario with a debrief beside it gives that debrief too.
    const bool debriefed = fs::exists(testDataPath(name + ".debrief.json"));
    if (debriefed)
        options.debrief = folder / "debrief.json";
    std::ostringstream out, err;
    ASSERT_EQ(runScenario(options, out, err), kRunPlayed) << err.str();
    EXPECT_EQ(err.str(), "");
    expectMatchesGoldenFile(readTestFile(options.out->string()), name + ".csv");
    expectMatchesGoldenFile(readTestFile(options.dump->string()), name + ".jsonl");
    if (debriefed)
        expectMatchesGoldenFile(readTestFile(options.debrief->string()), name + ".debrief.json");
}

INSTANTIATE_TEST_SUITE_P(Scenarios, Replay, ::testing::ValuesIn(replayedScenarios()),
                         [](const ::testing::TestParamInfo<fs::path>& info) {
                             std::string name = info.param.stem().string();
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

}  // namespace
}  // namespace loopsim
