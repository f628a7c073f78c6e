#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "GoldenFile.h"
#include "ScratchFolder.h"
#include "headless/Runner.h"

namespace loopsim {
namespace {

TEST(PreDiveScenario, PlaysAsRecorded) {
    const test::ScratchFolder folder;
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
}

}  // namespace
}  // namespace loopsim
