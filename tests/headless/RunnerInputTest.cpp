// What the runner makes of odd input: the latest time --until takes, a byte-order mark and
// the elements the window shows without handling them. The scenario's own refusals and how
// their messages quote a line are the parser's (ScenarioTest).
#include <gtest/gtest.h>

#include <sstream>

#include "GoldenFile.h"
#include "ScratchFolder.h"
#include "files/Scenario.h"
#include "headless/Runner.h"

namespace loopsim {
namespace {

struct RunnerInput : ::testing::Test {
    test::ScratchFolder folder;
    std::ostringstream out, err;

    std::optional<RunOptions> options(const std::string& scenario,
                                      std::vector<std::string> extra = {}) {
        std::vector<std::string> arguments{folder.write("odd.scenario", scenario).string(), "--out",
                                           (folder / "out.csv").string()};
        arguments.insert(arguments.end(), extra.begin(), extra.end());
        return parseRunArguments(arguments, err);
    }
};

// The latest time a scenario may have is the latest --until takes; past it is refused, as the
// runner's command lines have it.
TEST_F(RunnerInput, UntilTakesAWeek) {
    const auto latest = options("1 end\n", {"--until", "604800"});
    ASSERT_TRUE(latest) << err.str();
    EXPECT_EQ(latest->until, kLatestScenarioTime);
}

// An editor's byte-order mark before the first line, and the readouts a dump shows.
TEST_F(RunnerInput, PlaysAByteOrderMarkAndElementsWithoutHandlers) {
    const auto parsed = options(
        "\xEF\xBB\xBF"
        "0.5 click Label16\n1 tap Label17\n2 dblclick Frame1\n3 end\n");
    ASSERT_TRUE(parsed) << err.str();
    ASSERT_EQ(runScenario(*parsed, out, err), kRunPlayed) << err.str();
    EXPECT_EQ(err.str(), "");
    EXPECT_NE(readTestFile((folder / "out.csv").string()).find("\r\n3,0.21,"), std::string::npos);
}

}  // namespace
}  // namespace loopsim
