// The runner's --debrief: the report page of a drill byte for byte, and a debrief written
// however the run ended.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "RunInFolder.h"

namespace loopsim {
namespace {

namespace fs = std::filesystem;

TEST(RunnerDebrief, TheReportPageOfADrill) {
    const test::ScratchFolder folder;
    const fs::path scenario =
        folder.write("stuck-solenoid-bail-out.scenario",
                     readTestFile(testDataPath("stuck-solenoid-bail-out.scenario")));
    // The page is dated by the day its log was last written: noon, so any time zone keeps it.
    const std::chrono::sys_seconds noon =
        std::chrono::sys_days{std::chrono::year{2026} / 12 / 6} + std::chrono::hours{12};
    fs::last_write_time(scenario, std::chrono::file_clock::from_sys(noon));
    RunOptions options;
    options.scenario = scenario;
    options.out = folder / "out.csv";
    options.debrief = folder / "report.html";
    std::ostringstream out, err;
    ASSERT_EQ(runScenario(options, out, err), kRunPlayed) << err.str();
    expectMatchesGoldenFile(readTestFile(options.debrief->string()),
                            "stuck-solenoid-bail-out.debrief.html");
}

// The bail-out window's exit writes none of the unit's files, no dumps and no export, and
// leaves no temporary; the instructor's debrief of what led to it is written all the same,
// ending at the exit: a line after it is never reached.
TEST(RunnerDebrief, WrittenAloneWhenTheBailOutExitEndsTheRun) {
    const test::ScratchFolder folder;
    const test::RunResult result =
        test::runInFolder(folder, "1 tap Image20\n2 dump\n3 tap Bailout.Exit\n5 tap Image7\n",
                          {"--out", "out.csv", "--dump", "d.jsonl", "--export", "d.ssrf",
                           "--debrief", "debrief.json"});
    EXPECT_EQ(result.status, kRunPlayed) << result.err;
    const auto contents = test::folderContents(folder.path());
    ASSERT_EQ(contents.size(), 2u);  // the scenario and the debrief
    const std::string debrief = contents.at("debrief.json");
    EXPECT_NE(debrief.find(R"("t":1000,"at":"00:01","kind":"trainee","what":"tap bail-out")"),
              std::string::npos)
        << debrief;
    EXPECT_NE(debrief.find(R"("end_ms":3000,"seconds":3,)"), std::string::npos) << debrief;
}

}  // namespace
}  // namespace loopsim
