// The drills that ship, each played by the runner with a trainee who passes and one who
// fails: every pass mark's line, against tests/data/shipped-drills.txt.
#include <gtest/gtest.h>

#include <filesystem>

#include "GoldenFile.h"
#include "ScratchFolder.h"
#include "headless/Runner.h"

namespace loopsim {
namespace {

namespace fs = std::filesystem;

constexpr const char* kShippedDrills[] = {
    "solenoid-stuck-closed", "solenoid-stuck-open", "cell-drift",
    "two-cell-drift",        "handset-flood",       "scrubber-breakthrough",
    "adv-failed-on-descent", "master-battery",
};

TEST(ShippedDrills, APassingAndAFailingTrainee) {
    const test::ScratchFolder folder;
    std::string lines;
    for (const std::string name : kShippedDrills) {
        for (const std::string trainee : {"pass", "fail"}) {
            RunOptions options;
            options.drill = fs::path(LOOPSIM_DRILLS) / (name + ".drill");
            options.scenario =
                fs::path(LOOPSIM_DRILL_TRAINEES) / (name + "." + trainee + ".scenario");
            options.out = folder / "out.csv";
            std::ostringstream out, err;
            const int status = runScenario(options, out, err);
            EXPECT_EQ(status, trainee == "pass" ? kRunPlayed : kRunMarkMissed) << name << err.str();
            lines += name + " (" + trainee + "):\n" + out.str();
        }
    }
    expectMatchesGoldenFile(lines, "shipped-drills.txt");
}

}  // namespace
}  // namespace loopsim
