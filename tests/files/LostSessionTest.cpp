#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "GoldenFile.h"
#include "ScratchFolder.h"
#include "files/LostSession.h"
#include "files/SettingsFile.h"
#include "headless/Runner.h"

namespace loopsim {
namespace {

namespace fs = std::filesystem;

const CalendarTime kWritten{2026, 12, 5, 18, 30, 0};

// The head of a session log as the window writes it, with settings other than the defaults.
const std::string kLogHead =
    "# A session of the simulator window. Its stored settings at start, for\n"
    "# loopsim-run --settings FILE.ini:\n"
    "# [Settings]\n"
    "# CO2=100\n"
    "# LeftTimer=30\n"
    "# LeftBattery=5.5\n"
    "# RightBattery=6\n";

// Both cylinders open, the left handset switched on and started, into the mouth.
const std::string kLogActions =
    "0.2 click Image7\n"
    "0.4 click Image4\n"
    "0.5 click LHOO\n"
    "1 click Label8\n"
    "1.5 pause\n"
    "1.5 resume\n"
    "3.25 click Image18\n"
    "14 speed 5\n"
    "20.6 click Image19\n";

// What an editor may have put before the first line.
const std::string kByteOrderMark = "\xEF\xBB\xBF";

struct LostSessionLogCase {
    const char* name;
    std::string text;
    bool unfinished;
    bool bailedOut = false;
};

const std::string kBailedOutEnd =
    "21 tap Bailout.Exit\n# " + std::string(kSessionBailedOutNote) + "\n# The session ended.\n";

TEST(LostSession, TellsALostSessionsLogFromAnEndedOne) {
    const LostSessionLogCase cases[] = {
        {"empty", "", false},
        {"settings only: lost before any action", kLogHead, false},
        {"actions without the end note", kLogHead + kLogActions, true},
        {"a blank line before the actions", kLogHead + "\n" + kLogActions, true},
        {"ended by its exit path", kLogHead + kLogActions + "21 exit\n# The session ended.\n",
         false},
        {"ended, blank line after", kLogHead + "2 exit\n# The session ended.\n\n", false},
        {"ended with CR LF", kLogHead + "2 exit\r\n# The session ended.\r\n", false},
        {"rebuilt once", kLogHead + kLogActions + "# " + kSessionRebuiltNote + "\n", false},
        {"end note cut short is no end note", kLogHead + kLogActions + "# The session end", true},
        {"a torn action after the end note does not count",
         kLogHead + "2 exit\n# The session ended.\n3 cli", false},
        {"a byte-order mark, settings only", kByteOrderMark + kLogHead, false},
        {"a byte-order mark, actions", kByteOrderMark + kLogHead + kLogActions, true},
        {"ended at the bail-out exit", kLogHead + kLogActions + kBailedOutEnd, false, true},
        {"the same with CR LF and a blank line",
         kLogHead + "2 tap Image20\r\n# " + kSessionBailedOutNote +
             "\r\n\r\n# The session ended.\r\n",
         false, true},
        {"the bail-out note without the end note is lost",
         kLogHead + kLogActions + "# " + kSessionBailedOutNote + "\n", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(sessionLogIsUnfinished(c.text), c.unfinished) << c.name;
        EXPECT_EQ(sessionEndedAtBailOut(c.text), c.bailedOut) << c.name;
    }
}

TEST(LostSession, ReadsTheStartSettingsFromTheHeadComments) {
    const MemorySettingsStore settings =
        settingsNotedInLog(kLogHead + kLogActions + "# Key=not a setting, after the actions\n");
    EXPECT_EQ(
        settings.values,
        (std::map<std::string, std::string>{
            {"CO2", "100"}, {"LeftTimer", "30"}, {"LeftBattery", "5.5"}, {"RightBattery", "6"}}));
    EXPECT_TRUE(settingsNotedInLog("# CO2=100\n1 click Image7\n").values.empty());
    EXPECT_EQ(settingsNotedInLog(kByteOrderMark + kLogHead).values, settings.values);
}

struct LostSessionFiles : ::testing::Test {
    test::ScratchFolder folder;
};

// The rebuilt file and settings are the runner's, given the log with an exit at its last
// action and the noted settings: what the exit path writes at that moment. A last line cut
// short by the power going is left out.
TEST_F(LostSessionFiles, RebuildsWhatTheExitPathWritesAtTheLastAction) {
    const fs::path log = folder.write("lost.scenario", kLogHead + kLogActions + "21.5 click Ima");
    MemorySettingsStore saved;
    const RebuiltRecording rebuilt = rebuildLostSession(log, folder / "rebuilt.csv", &saved);
    ASSERT_FALSE(rebuilt.error) << *rebuilt.error;
    EXPECT_EQ(rebuilt.seconds, 19);  // 20.6 s, one tick lost to the turn-on hold

    folder.write("start.ini",
                 "[Settings]\nCO2=100\nLeftTimer=30\nLeftBattery=5.5\nRightBattery=6\n");
    RunOptions exitPath;
    exitPath.scenario = folder.write("exit.scenario", kLogActions + "20.6 exit\n");
    exitPath.out = folder / "exit.csv";
    exitPath.settings = folder / "start.ini";
    std::ostringstream out, err;
    ASSERT_EQ(runScenario(exitPath, out, err), kRunPlayed) << err.str();

    EXPECT_EQ(withoutWrittenDate(readTestFile((folder / "rebuilt.csv").string())),
              withoutWrittenDate(readTestFile((folder / "exit.csv").string())));
    const SettingsFileRead exitSettings = readSettingsFile(folder / "start.ini");
    ASSERT_FALSE(exitSettings.refusal);
    EXPECT_EQ(saved.values, exitSettings.values);
    EXPECT_NE(saved.read("LeftBattery"), "6.2");  // the noted start, not the default

    // The log now says it was rebuilt, without the torn line, and is not offered again.
    EXPECT_EQ(readTestFile(log.string()),
              kLogHead + kLogActions + "# " + kSessionRebuiltNote + "\n");
    EXPECT_FALSE(isLostSessionLog(log));
}

TEST_F(LostSessionFiles, ALogThatCannotBePlayedRebuildsNothing) {
    struct Case {
        const char* name;
        std::string log;
        std::string error;
    } cases[] = {
        {"unknown element", kLogHead + "1 click Image7\n2 click NoSuchThing\n",
         "line 9: unknown element 'NoSuchThing'"},
        {"ended by the bail-out exit before its end note",
         kLogHead + "1 click Image20\n1.2 click Bailout.Exit\n",
         "the session ended by the bail-out exit, which keeps no recording"},
    };
    for (const auto& c : cases) {
        const fs::path log = folder.write("lost.scenario", c.log);
        const RebuiltRecording rebuilt = rebuildLostSession(log, folder / "rebuilt.csv", nullptr);
        ASSERT_TRUE(rebuilt.error) << c.name;
        EXPECT_EQ(*rebuilt.error, c.error) << c.name;
        EXPECT_FALSE(fs::exists(folder / "rebuilt.csv")) << c.name;
        EXPECT_TRUE(isLostSessionLog(log)) << c.name;
    }
    EXPECT_EQ(*rebuildLostSession(folder / "missing.scenario", folder / "r.csv", nullptr).error,
              "cannot read the session log " + (folder / "missing.scenario").string());
}

// A log that could not be rebuilt moves aside whole, to the first free kept name, so the
// next session's log cannot write over it.
TEST_F(LostSessionFiles, ALogSetAsideKeepsEveryByteUnderAFreeName) {
    const std::string text = kLogHead + "1 click Image7\n2 click Ima";
    folder.write("kept-taken-kept-1.log", "older");
    const fs::path log = folder.write("kept-taken.log", text);
    const auto aside = setLogAside(log);
    ASSERT_TRUE(aside);
    EXPECT_EQ(*aside, folder / "kept-taken-kept-2.log");
    EXPECT_EQ(readTestFile(aside->string()), text);
    EXPECT_EQ(readTestFile((folder / "kept-taken-kept-1.log").string()), "older");
    EXPECT_FALSE(fs::exists(log));
    EXPECT_FALSE(setLogAside(folder / "missing.scenario"));
}

}  // namespace
}  // namespace loopsim
