#include <gtest/gtest.h>

#include <tuple>

#include "core/Scenario.h"

namespace loopsim {
namespace {

InputRouter routerWithElements() {
    InputRouter router;
    router.on("Image7");
    router.on("ADVOn").kind = ElementHandlers::Kind::CheckBox;
    router.on("Options.Slider1").kind = ElementHandlers::Kind::Slider;
    return router;
}

TEST(Scenario, TimesInSecondsWithAtMostThreeDecimals) {
    const std::pair<const char*, Millis> good[] = {{"0", 0},      {"12", 12000},
                                                   {"1.5", 1500}, {"1.25", 1250},
                                                   {"0.001", 1},  {"3600.999", 3600999}};
    for (auto [text, time] : good) {
        EXPECT_EQ(parseScenarioTime(text), time) << text;
        EXPECT_EQ(parseScenarioTime(formatScenarioTime(time)), time) << time;
    }
    for (const char* bad : {"1.2345", "1.", ".5", "-1", "1e3", "", "12a"})
        EXPECT_EQ(parseScenarioTime(bad), std::nullopt) << bad;
    EXPECT_EQ(formatScenarioTime(1500), "1.5");
}

TEST(Scenario, ParsesEveryVerb) {
    const InputRouter router = routerWithElements();
    const Scenario scenario = parseScenario(
        "# comment\n"
        "\n"
        "0 tap Image7\r\n"
        "0.5 hold Image7 200\n"
        "1 check ADVOn\n"
        "1 set Options.Slider1 2\n"
        "2 answer  1500 mb\n"
        "2 answer\n"
        "3 cancel\n"
        "4 dump\n"
        "5 exit\n",
        &router);
    ASSERT_FALSE(scenario.error) << scenario.error->message;
    ASSERT_EQ(scenario.lines.size(), 9u);
    EXPECT_EQ(scenario.lines[0].lineNumber, 3);
    EXPECT_EQ(scenario.lines[0].action.verb, Verb::Tap);
    EXPECT_EQ(scenario.lines[1].time, 500);
    EXPECT_EQ(scenario.lines[1].action.value, "200");
    EXPECT_EQ(scenario.lines[4].action.value, " 1500 mb");
    EXPECT_EQ(scenario.lines[5].action.value, "");
    EXPECT_EQ(scenario.lines[8].action.verb, Verb::Exit);
}

TEST(Scenario, RefusesBadLinesNamingTheLine) {
    const InputRouter router = routerWithElements();
    const std::pair<const char*, const char*> rows[] = {
        {"0 tap Image7\n1 jump Image7\n", "unknown verb 'jump'"},
        {"0 tap Label99\n", "unknown element 'Label99'"},
        {"2 tap Image7\n1 tap Image7\n", "goes back"},
        {"x tap Image7\n", "not a number of seconds"},
        {"1 hold Image7 soon\n", "not a number"},
        {"1 check Image7\n", "not a check box"},
        {"1 set ADVOn 3\n", "not a slider"},
        {"1 tap\n", "needs an element"},
        {"1 tap Image7 now\n", "unexpected 'now'"},
        {"1\n", "verb is missing"},
        {"1 speed\n", "speed '' is not a whole number"},
        {"1 speed 0\n", "speed '0' is not a whole number"},
        {"1 speed 2.5\n", "speed '2.5' is not a whole number"},
        {"1 pause Image7\n", "unexpected 'Image7'"},
    };
    for (auto [text, message] : rows) {
        const Scenario scenario = parseScenario(text, &router);
        ASSERT_TRUE(scenario.error) << text;
        EXPECT_NE(scenario.error->message.find(message), std::string::npos)
            << text << " gave " << scenario.error->message;
    }
    EXPECT_EQ(parseScenario("0 tap Image7\n\n# note\n5 tap Nothing\n", &router).error->lineNumber,
              4);
}

TEST(Scenario, LogLinesParseBackToTheSameActions) {
    const InputRouter router = routerWithElements();
    const std::pair<Millis, Action> actions[] = {
        {1250, {Verb::Press, "Image7", {}}}, {1250, {Verb::Set, "Options.Slider1", "5"}},
        {2000, {Verb::Answer, {}, "20.9"}},  {2001, {Verb::Answer, {}, ""}},
        {3000, {Verb::Cancel, {}, {}}},      {3500, {Verb::Pause, {}, {}}},
        {3500, {Verb::Speed, {}, "10"}},     {4000, {Verb::Resume, {}, {}}},
    };
    std::string text;
    for (const auto& [time, action] : actions)
        text += formatScenarioLine(time, action) + "\n";
    const Scenario scenario = parseScenario(text, &router);
    ASSERT_FALSE(scenario.error);
    ASSERT_EQ(scenario.lines.size(), std::size(actions));
    for (std::size_t i = 0; i < std::size(actions); ++i) {
        const auto& [time, action] = actions[i];
        const ScenarioLine& line = scenario.lines[i];
        EXPECT_EQ(std::tie(line.time, line.action.verb, line.action.element, line.action.value),
                  std::tie(time, action.verb, action.element, action.value))
            << "line " << i + 1;
    }
}

}  // namespace
}  // namespace loopsim
