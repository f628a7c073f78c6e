#include <gtest/gtest.h>

#include <tuple>

#include "files/Scenario.h"

namespace loopsim {
namespace {

InputRouter routerWithElements() {
    InputRouter router;
    router.on("Image7");
    router.on("ADVOn").kind = ElementHandlers::Kind::CheckBox;
    router.on("Options.Slider1").kind = ElementHandlers::Kind::Slider;
    router.acceptWithoutHandlers("Label16");
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
    // An answer keeps the space before its value even when the value is empty.
    EXPECT_EQ(formatScenarioLine(1500, {Verb::Tap, "Image7", {}}), "1.5 tap Image7");
    EXPECT_EQ(formatScenarioLine(2001, {Verb::Answer, {}, {}}), "2.001 answer ");
}

// Each line as parsed, and as the session log writes it again, which parses back the same.
TEST(Scenario, ParsesEveryVerbAndLogLinesParseBackTheSame) {
    const InputRouter router = routerWithElements();
    const Scenario scenario = parseScenario(
        "# comment\n"
        "\n"
        "0 tap Image7\r\n"
        "0.5 hold Image7 200\n"
        "1 check ADVOn\n"
        "1.25 press Image7\n"
        "1.25 set Options.Slider1 5\n"
        "2 answer  1500 mb\n"
        "2.001 answer\n"
        "3 cancel\n"
        "3.5 pause\n"
        "3.5 speed 10\n"
        "4 resume\n"
        "4 dump\n"
        "4.5 uncheck ADVOn\n"
        "5 exit\n",
        &router);
    const std::tuple<int, Millis, Verb, std::string, std::string> expected[] = {
        {3, 0, Verb::Tap, "Image7", ""},
        {4, 500, Verb::Hold, "Image7", "200"},
        {5, 1000, Verb::Check, "ADVOn", ""},
        {6, 1250, Verb::Press, "Image7", ""},
        {7, 1250, Verb::Set, "Options.Slider1", "5"},
        {8, 2000, Verb::Answer, "", " 1500 mb"},
        {9, 2001, Verb::Answer, "", ""},
        {10, 3000, Verb::Cancel, "", ""},
        {11, 3500, Verb::Pause, "", ""},
        {12, 3500, Verb::Speed, "", "10"},
        {13, 4000, Verb::Resume, "", ""},
        {14, 4000, Verb::Dump, "", ""},
        {15, 4500, Verb::Uncheck, "ADVOn", ""},
        {16, 5000, Verb::Exit, "", ""},
    };
    ASSERT_FALSE(scenario.error) << scenario.error->message;
    ASSERT_EQ(scenario.lines.size(), std::size(expected));
    const auto fields = [](const ScenarioLine& line, int number) {
        return std::tuple(number, line.time, line.action.verb, line.action.element,
                          line.action.value);
    };
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const ScenarioLine& line = scenario.lines[i];
        EXPECT_EQ(fields(line, line.lineNumber), expected[i]);
        const std::string logged = formatScenarioLine(line.time, line.action);
        const Scenario again = parseScenario(logged + "\n", &router);
        ASSERT_FALSE(again.error) << logged;
        EXPECT_EQ(fields(again.lines.at(0), line.lineNumber), expected[i]) << logged;
    }
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
        {"1 uncheck Image7\n", "not a check box"},
        {"1 set ADVOn 3\n", "not a slider"},
        {"1 tap\n", "needs an element"},
        {"1 tap Image7 now\n", "unexpected 'now'"},
        {"1\n", "verb is missing"},
        {"1 speed\n", "speed '' is not a whole number"},
        {"1 speed 0\n", "speed '0' is not a whole number"},
        {"1 speed 2.5\n", "speed '2.5' is not a whole number"},
        {"1 pause Image7\n", "unexpected 'Image7'"},
        {"1 check Label16\n", "'Label16' is not a check box"},
        {"1 set Label16 2\n", "'Label16' is not a slider"},
        {"604800.001 tap Image7\n",
         "the time '604800.001' is past 604800 s, the latest a scenario may have"},
        {"9999999999 tap Image7\n", "the time '9999999999' is past 604800 s"},
        {"99999999999999999999999999.5 end\n", "the time '99999999999999999999999999.5' is past"},
        // what the message quotes is escaped: control characters, a second byte-order mark
        {"1 fl\ry Image7\n", "unknown verb 'fl\\ry'"},
        {"1 tap Image7 \x01\x1b[31m\n", "unexpected '\\x01\\x1B[31m' at the end"},
        {"1 tap Ima\xEF\xBB\xBFge7\n", "unknown element 'Ima\\uFEFFge7'"},
        {"\xEF\xBB\xBF\xEF\xBB\xBF"
         "1 dump\n",
         "the time '\\uFEFF1' is not a number"},
        {"1 answer 2\n1 tap Image7\t\n2 hold Image7 \xFF\n", "the value '\\xFF' is not a number"},
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

// A message quotes at most sixty characters of a line, whatever its length.
TEST(Scenario, QuotesAtMostSixtyCharactersOfALongLine) {
    const InputRouter router = routerWithElements();
    const std::string longWord(10 << 20, 'A');
    for (const std::string& line : {"1 tap " + longWord, "1 " + longWord, longWord + " tap Image7",
                                    "1 tap Image7 " + longWord}) {
        const Scenario scenario = parseScenario(line + "\n", &router);
        ASSERT_TRUE(scenario.error);
        EXPECT_NE(scenario.error->message.find("'" + std::string(60, 'A') + "...'"),
                  std::string::npos);
        EXPECT_LT(scenario.error->message.size(), 160u);
    }
}

// A byte-order mark before the first line, a line at the latest time a scenario may have,
// and an element the window shows without handling it are all accepted.
TEST(Scenario, AcceptsAByteOrderMarkTheLatestTimeAndShownElements) {
    const InputRouter router = routerWithElements();
    const Scenario scenario = parseScenario(
        "\xEF\xBB\xBF# a comment first\n0 click Label16\n0 tap Label16\n604800 end\n", &router);
    ASSERT_FALSE(scenario.error) << scenario.error->message;
    ASSERT_EQ(scenario.lines.size(), 3u);
    EXPECT_EQ(scenario.lines[0].lineNumber, 2);
    EXPECT_EQ(scenario.lines[1].action.element, "Label16");
    EXPECT_EQ(scenario.lines[2].time, kLatestScenarioTime);
    const Scenario first = parseScenario(
        "\xEF\xBB\xBF"
        "1.5 tap Image7\r\n",
        &router);
    ASSERT_FALSE(first.error) << first.error->message;
    EXPECT_EQ(first.lines.at(0).time, 1500);
}

}  // namespace
}  // namespace loopsim
