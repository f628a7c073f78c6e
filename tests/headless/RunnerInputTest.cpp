// What the runner makes of odd scenario input: a byte-order mark, times past the latest a
// scenario may have (on a line or in --until), lines a message must not echo as they are,
// and the elements the window shows without handling them.
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

TEST_F(RunnerInput, RefusesTimesPastAWeekNamingTheLine) {
    const std::string farLine(10 << 20, '9');
    const std::pair<std::string, std::string> rows[] = {
        {"0 tap Image7\n604800.001 end\n",
         ":2: the time '604800.001' is past 604800 s, the latest a scenario may "
         "have\n"},
        {"# far\n9999999999 tap Image7\n",
         ":2: the time '9999999999' is past 604800 s, the latest a scenario may "
         "have\n"},
        {farLine + " end\n", ":1: the time '" + std::string(60, '9') +
                                 "...' is past 604800 s, the latest a scenario may have\n"},
    };
    for (const auto& [scenario, message] : rows) {
        EXPECT_EQ(run(scenario), kRunRefused);
        EXPECT_EQ(err.str(), (folder / "odd.scenario").string() + message);
        EXPECT_FALSE(fs::exists(folder / "out.csv"));
    }
    // The latest time itself plays: a week of simulated time, to the last recorded row.
    EXPECT_EQ(run("604800 end\n"), kRunPlayed) << err.str();
    EXPECT_NE(readTestFile((folder / "out.csv").string()).find("\r\n18000,"), std::string::npos);
}

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
}

// A message is one line, whatever the scenario holds: escaped, and at most sixty
// characters of the file's text.
TEST_F(RunnerInput, MessagesEscapeAndCutWhatTheyQuote) {
    const std::pair<std::string, std::string> rows[] = {
        {"1 tap\rImage7\n", ":1: unknown verb 'tap\\rImage7'\n"},
        {"1 tap Image7 \x01\x02\n", ":1: unexpected '\\x01\\x02' at the end of the line\n"},
        {"1 answer 2\n1 click " + std::string(10 << 20, 'x') + "\r\n",
         ":2: unknown element '" + std::string(60, 'x') + "...'\n"},
        {"1 set Options.Slider1 \xE2\x80\xAE"
         "5\n",
         ":1: the value '\\u202E5' is not a number\n"},
    };
    for (const auto& [scenario, message] : rows) {
        EXPECT_EQ(run(scenario), kRunRefused);
        EXPECT_EQ(err.str(), (folder / "odd.scenario").string() + message);
    }
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
