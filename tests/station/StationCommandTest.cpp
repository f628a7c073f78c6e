// The instructor station's commands: what each gives the simulation, what is refused and
// why, and the pairing code with its limiter.
#include <gtest/gtest.h>

#include "SimulationRig.h"
#include "files/Scenario.h"
#include "station/Pairing.h"
#include "station/StationCommand.h"

namespace loopsim {
namespace {

StationRequest request(std::initializer_list<std::pair<const std::string, std::string>> fields) {
    return StationRequest{{fields.begin(), fields.end()}};
}

std::string lines(const std::vector<Action>& actions) {
    std::string text;
    for (const Action& action : actions)
        text += formatScenarioLine(0, action) + "\n";
    return text;
}

TEST(StationCommand, GivesTheOptionsWindowsActions) {
    struct Row {
        const char* setUp;  // scenario lines played first
        const char* failures;
        const char* delay;
        const char* expected;
    };
    const Row rows[] = {
        {"", "4", "0", "0 check Options.Check4\n0 tap Options.Command1\n"},
        {"", "4,10", "5",
         "0 check Options.Check4\n0 check Options.Check10\n0 set Options.Slider1 5\n"
         "0 tap Options.Command1\n"},
        // Clearing: the ticked box unticked, the delay back to nothing.
        {"0 check Options.Check4\n0 set Options.Slider1 3\n", "", "0",
         "0 uncheck Options.Check4\n0 set Options.Slider1 0\n0 tap Options.Command1\n"},
        // The partner of an exclusive pair is unticked before the other is ticked.
        {"0 check Options.Check4\n", "5", "0",
         "0 uncheck Options.Check4\n0 check Options.Check5\n0 tap Options.Command1\n"},
        // Nothing to change: "Change now" alone, as a second press of the button.
        {"0 check Options.Check2\n", "2", "0", "0 tap Options.Command1\n"},
    };
    for (const Row& row : rows) {
        test::Rig rig;
        for (const ScenarioLine& line : parseScenario(row.setUp, &rig.sim.input()).lines)
            rig.sim.apply(line.action);
        auto read = readStationCommand(
            request({{"type", "options"}, {"failures", row.failures}, {"delay", row.delay}}),
            rig.sim);
        ASSERT_TRUE(std::holds_alternative<StationCommand>(read)) << std::get<std::string>(read);
        EXPECT_EQ(lines(std::get<StationCommand>(read).actions), row.expected) << row.failures;
    }
}

TEST(StationCommand, RefusesWithWhy) {
    test::Rig rig;
    struct Row {
        StationRequest request;
        const char* why;
    };
    const Row rows[] = {
        {request({}), "a message needs its \"type\""},
        {request({{"type", "format"}}), "unknown message type 'format'"},
        {request({{"type", "hello"}}), "pairing needs the code the simulator shows"},
        {request({{"type", "options"}, {"failures", "24"}}),
         "no failure option '24': the options are numbered 1 to 23"},
        {request({{"type", "options"}, {"failures", "4,x"}}),
         "no failure option 'x': the options are numbered 1 to 23"},
        {request({{"type", "options"}, {"failures", "11,8"}}),
         "failure options 8 and 11 exclude each other"},
        {request({{"type", "options"}, {"delay", "16"}}),
         "the delay '16' is not a whole number of minutes from 0 to 15"},
        {request({{"type", "options"}, {"delay", "2.5"}}),
         "the delay '2.5' is not a whole number of minutes from 0 to 15"},
        {request({{"type", "action"}, {"verb", "tap"}}), "an action needs a verb and an element"},
        {request({{"type", "action"}, {"verb", "exit"}, {"element", "Command1"}}),
         "the station does not send 'exit' (it sends press, release, click, tap, hold, dblclick, "
         "move, check, uncheck, set)"},
        {request({{"type", "action"}, {"verb", "tap"}, {"element", "Command1"}}),
         "'Command1' is the trainee's to press, not the station's"},
        {request({{"type", "action"}, {"verb", "click"}, {"element", "Bailout.Exit"}}),
         "'Bailout.Exit' is the trainee's to press, not the station's"},
        {request({{"type", "action"}, {"verb", "tap"}, {"element", "BugReport.Command1"}}),
         "'BugReport.Command1' is the trainee's to press, not the station's"},
        {request({{"type", "action"}, {"verb", "tap"}, {"element", "Options.Check99"}}),
         "unknown element 'Options.Check99'"},
        {request({{"type", "action"}, {"verb", "check"}, {"element", "Image18"}}),
         "'Image18' is not a check box"},
        {request({{"type", "action"}, {"verb", "tap"}, {"element", "Image18 Image19"}}),
         "unexpected 'Image19' at the end of the line"},
        {request({{"type", "action"}, {"verb", "tap"}, {"element", "Image18\n1 exit"}}),
         "an action is one line"},
        {request(
             {{"type", "action"}, {"verb", "set"}, {"element", "Options.Slider1"}, {"value", "x"}}),
         "the value 'x' is not a number"},
        {request({{"type", "speed"}, {"value", "101"}}),
         "the speed is a whole number from 1 to 100"},
        {request({{"type", "speed"}}), "the speed is a whole number from 1 to 100"},
        {request({{"type", "drill"}}), "a drill is started by its name"},
        {request({{"type", "note"}, {"text", ""}}), "a note needs its text"},
        {request({{"type", "note"}, {"text", std::string(501, 'a')}}),
         "a note holds at most 500 bytes"},
    };
    for (const Row& row : rows) {
        auto read = readStationCommand(row.request, rig.sim);
        ASSERT_TRUE(std::holds_alternative<std::string>(read)) << row.why;
        EXPECT_EQ(std::get<std::string>(read), row.why);
    }
}

// Each other message accepted: its kind, its code, name or speed, and its actions as scenario
// lines. A note is one line, which reads back as the same note.
TEST(StationCommand, TheOtherMessagesAndWhatTheyGive) {
    test::Rig rig;
    const char* const kKinds[] = {"hello", "actions", "pause", "resume", "speed", "drill", "note"};
    const std::pair<StationRequest, std::string> rows[] = {
        {request(
             {{"type", "action"}, {"verb", "set"}, {"element", "Options.Slider1"}, {"value", "7"}}),
         "actions '' 1\n0 set Options.Slider1 7\n"},
        {request({{"type", "note"}, {"text", "slow to notice\nthe drift # twice"}}),
         "note '' 1\n0 note slow to notice the drift # twice\n"},
        {request({{"type", "speed"}, {"value", "5"}}), "speed '' 5\n"},
        {request({{"type", "drill"}, {"name", "cell-drift"}}), "drill 'cell-drift' 1\n"},
        {request({{"type", "pause"}}), "pause '' 1\n"},
        {request({{"type", "resume"}}), "resume '' 1\n"},
        {request({{"type", "hello"}, {"code", "042917"}}), "hello '042917' 1\n"},
    };
    for (const auto& [message, expected] : rows) {
        auto read = readStationCommand(message, rig.sim);
        ASSERT_TRUE(std::holds_alternative<StationCommand>(read)) << expected;
        const StationCommand& command = std::get<StationCommand>(read);
        EXPECT_EQ(kKinds[static_cast<int>(command.kind)] +
                      (" '" + command.text + "' " + std::to_string(command.speed) + "\n" +
                       lines(command.actions)),
                  expected);
    }
    const Scenario back = parseScenario(
        lines(std::get<StationCommand>(readStationCommand(rows[1].first, rig.sim)).actions),
        &rig.sim.input());
    ASSERT_FALSE(back.error);
    EXPECT_EQ(back.lines.at(0).action.value, "slow to notice the drift # twice");
}

TEST(Pairing, MatchesOnlyTheWholeCode) {
    const PairingCode code("042917");
    for (const char* typed : {"", "04291", "0429170", "142917", "042918"})
        EXPECT_FALSE(code.matches(typed)) << typed;
    EXPECT_TRUE(code.matches("042917"));
    EXPECT_FALSE(PairingCode("").matches(""));
    const std::string random = PairingCode::random().digits();
    EXPECT_EQ(random.size(), 6u);
    EXPECT_EQ(random.find_first_not_of("0123456789"), std::string::npos);
}

TEST(Pairing, WrongCodesWaitLongerEachTime) {
    WrongCodeLimiter limiter;
    // The first tries are free; then one second, doubling to at most a minute.
    const std::optional<Millis> expectedWait[] = {std::nullopt, std::nullopt, 1000,  2000,  4000,
                                                  8000,         16000,        32000, 60000, 60000};
    Millis now = 0;
    for (std::optional<Millis> wait : expectedWait) {
        limiter.noteWrong(now);
        EXPECT_EQ(limiter.waitBefore(now), wait) << "after a wrong code at " << now;
        now += wait.value_or(0);
        EXPECT_EQ(limiter.waitBefore(now), std::nullopt);
    }
    limiter.noteWrong(now);
    EXPECT_EQ(limiter.waitBefore(now + 59'999), 1);
    limiter.noteRight();
    limiter.noteWrong(now + 60'000);
    EXPECT_EQ(limiter.waitBefore(now + 60'000), std::nullopt);
}

}  // namespace
}  // namespace loopsim
