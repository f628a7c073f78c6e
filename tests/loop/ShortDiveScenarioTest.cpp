// Scenarios played through the runner, as loopsim-run plays them. The short dive's recording
// file is compared byte for byte against the checked-in one.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "GoldenFile.h"
#include "headless/Runner.h"

namespace loopsim {
namespace {

namespace fs = std::filesystem;

class ShortDiveScenarioTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = fs::path(::testing::TempDir()) / (std::string("loopsim-") + test->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    // Plays the scenario file, or the given text as one, and returns the dumps' lines.
    std::vector<std::string> play(const fs::path& scenario, const std::string& text = {}) {
        if (!text.empty())
            std::ofstream(scenario, std::ios::binary) << text;
        RunOptions options;
        options.scenario = scenario;
        options.out = recording();
        options.dump = dumps();
        std::ostringstream out, err;
        EXPECT_EQ(runScenario(options, out, err), kRunPlayed);
        EXPECT_EQ(err.str(), "");
        std::istringstream dumps(readTestFile(options.dump->string()));
        std::vector<std::string> lines;
        for (std::string line; std::getline(dumps, line);)
            lines.push_back(line);
        return lines;
    }
    std::vector<std::string> playText(const std::string& text) {
        return play(folder_ / "test.scenario", text);
    }
    fs::path recording() const { return folder_ / "recording.csv"; }
    fs::path dumps() const { return folder_ / "dumps.jsonl"; }

  private:
    fs::path folder_;
};

TEST_F(ShortDiveScenarioTest, RecordingMatchesTheGoldenFile) {
    play(testDataPath("short-dive.scenario"));
    // The checked-in file carries the writer's date for no date at all.
    std::string actual = withoutWrittenDate(readTestFile(recording().string()));
    actual.replace(actual.find(",#DATE#,#TIME#"), 14, ",#2000-01-01#,#00:00:00#");
    expectMatchesGoldenFile(actual, "short-dive.csv");
}

TEST_F(ShortDiveScenarioTest, BailOutExitWritesNothing) {
    std::ofstream(recording(), std::ios::binary) << "an earlier recording";
    EXPECT_TRUE(
        playText("1 tap Image18\n2 tap Image20\n3 dump\n4 tap Bailout.Exit\n10 dump\n").empty());
    EXPECT_EQ(readTestFile(recording().string()), "an earlier recording");
    EXPECT_FALSE(fs::exists(dumps()));
}

TEST_F(ShortDiveScenarioTest, TypedAnswersGoToTheOpenPrompt) {
    const auto dumps =
        playText("1 tap Label2\n2 dump\n3 answer 1500\n4 dblclick Label3\n5 cancel\n6 dump\n");
    ASSERT_EQ(dumps.size(), 2u);
    EXPECT_NE(dumps[0].find(R"("Prompt":{"prompt":"Ambient Pressure ?",)"
                            R"("title":"Ambient Pressure in Millibars","default":"1013"})"),
              std::string::npos);
    EXPECT_NE(dumps[1].find(R"("AmbientPressure":1050,)"), std::string::npos);
    EXPECT_NE(dumps[1].find(R"("OxygenAnalysis":100,)"), std::string::npos);
    EXPECT_NE(dumps[1].find(R"("Prompt":null)"), std::string::npos);
}

}  // namespace
}  // namespace loopsim
