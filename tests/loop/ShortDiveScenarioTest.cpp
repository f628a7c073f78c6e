// A short dive played through the runner, as loopsim-run plays it, with its recording file
// compared byte for byte against the checked-in one. On a mismatch the recording is written
// beside the golden file as .actual, to inspect and promote by hand.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "headless/Runner.h"

namespace loopsim {
namespace {

namespace fs = std::filesystem;

const fs::path kData = LOOPSIM_TEST_DATA;

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeFile(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// The first line carries the date and time of writing; everything else is the run's own.
std::string withFixedDate(std::string recording) {
    const auto dateStart = recording.find(",#");
    const auto lineEnd = recording.find("\r\n");
    if (dateStart != std::string::npos && lineEnd != std::string::npos && dateStart < lineEnd)
        recording.replace(dateStart, lineEnd - dateStart, ",#2000-01-01#,#00:00:00#");
    return recording;
}

class ShortDiveScenarioTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = fs::path(::testing::TempDir()) / (std::string("loopsim-") + test->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    int run(const fs::path& scenario) {
        RunOptions options;
        options.scenario = scenario;
        options.out = recording();
        options.dump = dumps();
        std::ostringstream out;
        std::ostringstream err;
        const int status = runScenario(options, out, err);
        EXPECT_EQ(err.str(), "");
        return status;
    }
    fs::path recording() const { return folder_ / "recording.csv"; }
    fs::path dumps() const { return folder_ / "dumps.jsonl"; }
    fs::path scenarioFile(const std::string& text) const {
        const fs::path path = folder_ / "test.scenario";
        writeFile(path, text);
        return path;
    }

  private:
    fs::path folder_;
};

TEST_F(ShortDiveScenarioTest, RecordingMatchesTheGoldenFile) {
    ASSERT_EQ(run(kData / "short-dive.scenario"), kRunPlayed);
    const fs::path golden = kData / "short-dive.csv";
    const std::string actual = withFixedDate(readFile(recording()));
    const fs::path actualCopy = golden.string() + ".actual";
    if (actual != readFile(golden)) {
        writeFile(actualCopy, actual);
        FAIL() << "the recording differs from " << golden << "; it is in " << actualCopy;
    }
    fs::remove(actualCopy);
}

TEST_F(ShortDiveScenarioTest, DumpsShowWhatTheHandlersDrew) {
    ASSERT_EQ(run(kData / "short-dive.scenario"), kRunPlayed);
    std::istringstream lines(readFile(dumps()));
    std::string duringBreath, atDepth, backAtSurface, shut;
    std::getline(lines, duringBreath);
    std::getline(lines, atDepth);
    std::getline(lines, backAtSurface);
    std::getline(lines, shut);

    EXPECT_NE(duringBreath.find(R"("Image18":{"picture":"\\MouthO.jpg"})"), std::string::npos);
    EXPECT_NE(duringBreath.find(R"("Image19":{"height":1800,"left":6120,"top":1200,"width":1080})"),
              std::string::npos);
    EXPECT_NE(duringBreath.find(R"("borderWidth":5)"), std::string::npos);
    EXPECT_NE(duringBreath.find(R"({"t":2012,"op":"play","channel":1,"file":"shorthiss.wav"})"),
              std::string::npos);

    EXPECT_NE(atDepth.find(R"("Depth":20,)"), std::string::npos);
    EXPECT_NE(atDepth.find(R"("Image9":{"visible":true})"), std::string::npos);
    EXPECT_NE(atDepth.find(R"("Image11":{"visible":false})"), std::string::npos);
    EXPECT_NE(atDepth.find(R"({"t":12000,"op":"play","channel":5,"file":"shorthiss.wav"})"),
              std::string::npos);
    EXPECT_NE(atDepth.find(R"({"t":12400,"op":"stop","channel":5,"file":""})"), std::string::npos);

    EXPECT_NE(backAtSurface.find(R"("MetabolicRate":1.2,)"), std::string::npos);
    EXPECT_NE(backAtSurface.find(R"("Label4":{"text":"1.20"})"), std::string::npos);
    EXPECT_NE(backAtSurface.find(R"("Image9":{"visible":false})"), std::string::npos);

    EXPECT_NE(shut.find(R"("Image18":{"picture":"\\MouthC.jpg"})"), std::string::npos);
    EXPECT_NE(shut.find(R"("Image19":{"height":480,"left":6360,"top":2160,"width":600})"),
              std::string::npos);
    // The oxygen valve's label went 3 s after 137 s; the diluent valve's is still up.
    EXPECT_NE(shut.find(R"("Label6":{"text":"OFF","visible":false})"), std::string::npos);
    EXPECT_NE(shut.find(R"("Label7":{"text":"OFF","visible":true})"), std::string::npos);
}

TEST_F(ShortDiveScenarioTest, BailOutExitWritesNothing) {
    writeFile(recording(), "an earlier recording");
    const fs::path scenario = scenarioFile(
        "1 tap Image18\n"
        "2 tap Image20\n"
        "3 dump\n"
        "4 tap Bailout.Exit\n"
        "10 dump\n");
    ASSERT_EQ(run(scenario), kRunPlayed);
    EXPECT_EQ(readFile(recording()), "an earlier recording");
    EXPECT_FALSE(fs::exists(dumps()));
}

TEST_F(ShortDiveScenarioTest, TypedAnswersGoToTheOpenPrompt) {
    const fs::path scenario = scenarioFile(
        "1 tap Label2\n"
        "2 dump\n"
        "3 answer 1500\n"
        "4 dblclick Label3\n"
        "5 cancel\n"
        "6 dump\n");
    ASSERT_EQ(run(scenario), kRunPlayed);
    std::istringstream lines(readFile(dumps()));
    std::string promptOpen, answered;
    std::getline(lines, promptOpen);
    std::getline(lines, answered);
    EXPECT_NE(promptOpen.find(R"("Prompt":{"prompt":"Ambient Pressure ?",)"
                              R"("title":"Ambient Pressure in Millibars","default":"1013"})"),
              std::string::npos);
    EXPECT_NE(answered.find(R"("AmbientPressure":1050,)"), std::string::npos);
    EXPECT_NE(answered.find(R"("OxygenAnalysis":100,)"), std::string::npos);
    EXPECT_NE(answered.find(R"("Prompt":null)"), std::string::npos);
}

}  // namespace
}  // namespace loopsim
