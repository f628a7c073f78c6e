// What the runner makes of odd input: times past the latest a scenario may have in --until,
// a byte-order mark and the elements the window shows without handling them. The scenario's
// own refusals and how their messages quote a line are the parser's (ScenarioTest).
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "GoldenFile.h"
#include "ScratchFolder.h"
#include "files/Scenario.h"
#include "headless/Runner.h"

namespace loopsim {
namespace {

namespace fs = std::filesystem;

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
    int run(const std::string& scenario, std::vector<std::string> extra = {}) {
        out.str("");
        err.str("");
        fs::remove(folder / "out.csv");
        const auto parsed = options(scenario, std::move(extra));
        return parsed ? runScenario(*parsed, out, err) : -1;
    }
};

TEST_F(RunnerInput, UntilPastAWeekIsRefused) {
    for (const char* until : {"604800.001", "9999999999", "99999999999999999999999"}) {
        err.str("");
        EXPECT_FALSE(options("1 end\n", {"--until", until})) << until;
        EXPECT_EQ(err.str(),
                  "loopsim-run: --until takes seconds from 0 to 604800 with at most "
                  "three decimals, not '" +
                      std::string(until) + "'\n");
    }
    err.str("");
    EXPECT_FALSE(options("1 end\n", {"--until", "1\r\x1b[2J"}));
    EXPECT_NE(err.str().find("not '1\\r\\x1B[2J'"), std::string::npos) << err.str();
    const auto latest = options("1 end\n", {"--until", "604800"});
    ASSERT_TRUE(latest);
    EXPECT_EQ(latest->until, kLatestScenarioTime);
    // The latest time itself plays: a week of simulated time, to the last recorded row.
    EXPECT_EQ(run("604800 end\n"), kRunPlayed) << err.str();
    EXPECT_NE(readTestFile((folder / "out.csv").string()).find("\r\n18000,"), std::string::npos);
}

// An editor's byte-order mark before the first line, and the readouts a dump shows.
TEST_F(RunnerInput, PlaysAByteOrderMarkAndElementsWithoutHandlers) {
    ASSERT_EQ(run("\xEF\xBB\xBF"
                  "0.5 click Label16\n1 tap Label17\n2 dblclick Frame1\n3 end\n"),
              kRunPlayed)
        << err.str();
    EXPECT_EQ(err.str(), "");
    EXPECT_NE(readTestFile((folder / "out.csv").string()).find("\r\n3,0.21,"), std::string::npos);
}

}  // namespace
}  // namespace loopsim
