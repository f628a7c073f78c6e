// The session log's round trip: an action made loggable, written as a scenario line and
// parsed again is one line, the same action at the same time, whatever was typed or stored;
// so a log of them reads back line for line, nothing injected.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>

#include "files/LoggableAction.h"
#include "files/Scenario.h"

namespace loopsim {
namespace {

using namespace std::string_literals;

struct LoggableRow {
    Action given;
    std::optional<Action> loggable;
};

auto fields(const Action& action) {
    return std::tuple(action.verb, action.element, action.value);
}

std::vector<LoggableRow> hostileRows() {
    const std::string longText(100'000, 'x');
    return {
        // typed answers: control characters become spaces, everything else stays
        {{Verb::Answer, {}, "14\n0 tap Command1"}, Action{Verb::Answer, {}, "14 0 tap Command1"}},
        {{Verb::Answer, {}, "32\r"}, Action{Verb::Answer, {}, "32 "}},
        {{Verb::Answer, {}, "32\r\n"}, Action{Verb::Answer, {}, "32  "}},
        {{Verb::Answer, {}, "a\0b\x1b[2J"s}, Action{Verb::Answer, {}, "a b [2J"}},
        {{Verb::Answer, {}, "\tx\t"}, Action{Verb::Answer, {}, " x "}},
        {{Verb::Answer, {}, "  padded  "}, Action{Verb::Answer, {}, "  padded  "}},
        {{Verb::Answer, {}, "# not a comment"}, Action{Verb::Answer, {}, "# not a comment"}},
        {{Verb::Answer, {}, ""}, Action{Verb::Answer, {}, ""}},
        {{Verb::Answer, {}, " "}, Action{Verb::Answer, {}, " "}},
        {{Verb::Answer, {}, longText + "\n"}, Action{Verb::Answer, {}, longText + " "}},
        {{Verb::Answer, {}, "\xFF\xFE caf\xC3\xA9 \xEF\xBB\xBF"},
         Action{Verb::Answer, {}, "\xFF\xFE caf\xC3\xA9 \xEF\xBB\xBF"}},
        {{Verb::Answer, "Image7", "1"}, Action{Verb::Answer, {}, "1"}},
        // elements: one visible word, or no line at all
        {{Verb::Tap, "Image7", "junk\n"}, Action{Verb::Tap, "Image7", {}}},
        {{Verb::Tap, "Image 7", {}}, std::nullopt},
        {{Verb::Tap, "Image7\n0", {}}, std::nullopt},
        {{Verb::Click, "", {}}, std::nullopt},
        {{Verb::Click, "\xC3\xA9l\xC3\xA9ment", {}},
         Action{Verb::Click, "\xC3\xA9l\xC3\xA9ment", {}}},
        // numbers: blanks around them go; what a line refuses gives no line
        {{Verb::Hold, "Image7", " 250\t"}, Action{Verb::Hold, "Image7", "250"}},
        {{Verb::Hold, "Image7", "-1"}, std::nullopt},
        {{Verb::Hold, "Image7", "soon"}, std::nullopt},
        {{Verb::Hold, "Image7", "2\n5"}, std::nullopt},
        {{Verb::Set, "Options.Slider1", "+5"}, Action{Verb::Set, "Options.Slider1", "+5"}},
        {{Verb::Set, "Options.Slider1", "1e3"}, std::nullopt},
        {{Verb::Set, "Options.Slider1", ""}, std::nullopt},
        {{Verb::Speed, {}, "10"}, Action{Verb::Speed, {}, "10"}},
        {{Verb::Speed, {}, "1000"}, std::nullopt},
        {{Verb::Speed, {}, "2.5"}, std::nullopt},
        // verbs without an element or a value lose them
        {{Verb::Pause, "Image7", "x"}, Action{Verb::Pause, {}, {}}},
        {{Verb::Exit, {}, "\n0 tap Command1"}, Action{Verb::Exit, {}, {}}},
    };
}

TEST(LoggableAction, EachLineParsesBackToTheLoggableAction) {
    for (const LoggableRow& row : hostileRows()) {
        const std::string what = std::string(verbName(row.given.verb)) + " '" + row.given.element +
                                 "' '" + row.given.value.substr(0, 40) + "'";
        const std::optional<Action> loggable = loggableAction(row.given);
        ASSERT_EQ(loggable.has_value(), row.loggable.has_value()) << what;
        if (!loggable)
            continue;
        EXPECT_EQ(fields(*loggable), fields(*row.loggable)) << what;
        for (const Millis time : {Millis{0}, Millis{1}, Millis{12'345}, kLatestScenarioTime}) {
            const Scenario parsed = parseScenario(formatScenarioLine(time, *loggable), nullptr);
            ASSERT_FALSE(parsed.error) << what << ": " << parsed.error->message;
            ASSERT_EQ(parsed.lines.size(), 1u) << what;
            EXPECT_EQ(parsed.lines[0].time, time) << what;
            EXPECT_EQ(fields(parsed.lines[0].action), fields(*loggable)) << what;
        }
    }
}

}  // namespace
}  // namespace loopsim
