#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "GoldenFile.h"
#include "headless/Runner.h"

namespace loopsim {
namespace {

namespace fs = std::filesystem;

TEST(PreDiveScenario, PlaysAsRecorded) {
    const fs::path folder = fs::temp_directory_path() / "loopsim-handset-predive";
    fs::remove_all(folder);
    fs::create_directories(folder);
    std::ostringstream out, err;
    const auto options = parseRunArguments(
        {testDataPath("handset-predive.scenario"), "--out", (folder / "out.csv").string(), "--dump",
         (folder / "out.jsonl").string()},
        err);
    ASSERT_TRUE(options) << err.str();
    ASSERT_EQ(runScenario(*options, out, err), kRunPlayed) << err.str();
    EXPECT_EQ(err.str(), "");

    expectMatchesGoldenFile(withoutWrittenDate(readTestFile((folder / "out.csv").string())),
                            "handset-predive.csv");
    expectMatchesGoldenFile(readTestFile((folder / "out.jsonl").string()), "handset-predive.jsonl");
    fs::remove_all(folder);
}

}  // namespace
}  // namespace loopsim
