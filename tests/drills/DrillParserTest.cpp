// The drill file: every section read into the drill, every trigger as written, and a file
// with an error refused with the line that is wrong and why.
#include <gtest/gtest.h>

#include "GoldenFile.h"
#include "drills/DrillParser.h"
#include "simulation/Simulation.h"

namespace loopsim {
namespace {

// A drill whose every section holds something; rows below change one line of it.
constexpr const char* kWholeDrill =
    "\xEF\xBB\xBF# A drill.\n"
    "[drill]\n"
    "title = Drifting cell\r\n"
    "takeover = 1.5 min\n"
    "length = 10min\n"
    "\n"
    "[briefing]\n"
    "\n"
    "You are at 20 m.\n"
    "   Fly the dive.  \n"
    "\n"
    "# not for the trainee\n"
    "Watch the cells.\n"
    "\n"
    "[notes]\n"
    "The cell drifts.\n"
    "[settings]\n"
    "CO2 = 176\n"
    "LeftBattery=5.9\n"
    "[start]\n"
    "0.2 tap Image7\n"
    "  # a comment among the start lines\n"
    "80 tap Image10\n"
    "[failures]\n"
    "cell_drift at 2 min\n"
    "[ pass marks ]\n"
    "response_seconds.cell_drift <= 120\n"
    "hypoxia_seconds=0\n";

DrillRead parsed(const std::string& text) {
    static const Simulation elementsOf;
    return parseDrill(text, &elementsOf.input());
}

TEST(DrillParser, ReadsEverySection) {
    const DrillRead read = parsed(kWholeDrill);
    ASSERT_FALSE(read.error) << read.error->lineNumber << ": " << read.error->message;
    const Drill& drill = read.drill;
    EXPECT_EQ(drill.title, "Drifting cell");
    EXPECT_EQ(drill.briefing, "You are at 20 m.\nFly the dive.\n\nWatch the cells.");
    EXPECT_EQ(drill.notes, "The cell drifts.");
    EXPECT_EQ(drill.settings,
              (std::map<std::string, std::string>{{"CO2", "176"}, {"LeftBattery", "5.9"}}));
    ASSERT_EQ(drill.start.size(), 2u);
    EXPECT_EQ(drill.start[1].lineNumber, 23);
    EXPECT_EQ(drill.start[1].time, 80000);
    EXPECT_EQ(drill.start[1].action.element, "Image10");
    EXPECT_EQ(drill.takeover, 90000);
    EXPECT_EQ(drill.end, 690000);
    ASSERT_EQ(drill.failures.size(), 1u);
    EXPECT_EQ(drill.failures[0].lineNumber, 25);
    ASSERT_EQ(drill.marks.size(), 2u);
    EXPECT_EQ(drill.marks[0].text, "response_seconds.cell_drift <= 120");
    EXPECT_EQ(drill.marks[0].comparison, Comparison::AtMost);
    EXPECT_EQ(drill.marks[1].text, "hypoxia_seconds = 0");
    EXPECT_EQ(drill.marks[1].lineNumber, 28);

    // Without a takeover line the trainee takes over at the start's last line.
    std::string text = kWholeDrill;
    text.replace(text.find("takeover = 1.5 min\n"), 19, "");
    EXPECT_EQ(parsed(text).drill.takeover, 80000);
    // A drill without start lines may hand over at once.
    EXPECT_FALSE(
        parsed("[drill]\ntitle = t\ntakeover = 0 s\nlength = 1 min\n[pass marks]\notu < 1\n")
            .error);
}

// Each trigger as the drill holds it, against drill-triggers.txt: its kind (at a time, at a
// depth, a time at a depth, after calibration, after a failure answered), the time, the
// depth, the failure to be answered and the instructor's delay in minutes.
TEST(DrillParser, ReadsEveryTrigger) {
    std::string said;
    for (const char* line :
         {"cell_drift at 90 s", "cell_drift at 0 s", "cell_drift at 20 m",
          "cell_drift after 1.5 min at 40m", "cell_drift after calibration",
          "cell_drift 30 s after calibration delayed 2 min", "cell_drift after adv_failed answered",
          "cell_drift 2 min after adv_failed answered delayed 15 min"}) {
        const DrillRead read =
            parsed(std::string("[drill]\ntitle = t\nlength = 1 min\n[failures]\n") + line +
                   "\nadv_failed at 1 s\n[pass marks]\notu < 1\n");
        ASSERT_FALSE(read.error) << line << ": " << read.error->message;
        const DrillFailure& failure = read.drill.failures[0];
        const DrillTrigger& trigger = failure.trigger;
        said += std::string(line) + ": option " + std::to_string(failure.option) + ", kind " +
                std::to_string(static_cast<int>(trigger.kind)) + ", " +
                std::to_string(trigger.time) + " ms, " + std::to_string(trigger.depth) +
                " m, answered " + std::to_string(trigger.answered) + ", delayed " +
                std::to_string(failure.delayMinutes) + " min\n";
    }
    expectMatchesGoldenFile(said, "drill-triggers.txt");
}

// Each of a row's lines in turn replaces the line of the whole drill that starts as the row's
// first text (or adds a line at the end when none does); the line of the error and its
// message, for every line, are compared with drill-errors.txt.
TEST(DrillParser, RefusesAFileWithAnError) {
    std::string said;
    const std::pair<std::string, std::vector<std::string>> rows[] = {
        {"# A drill.", {"title = x"}},
        {"[notes]", {"[note]", "[briefing]", "[notes"}},
        {"title", {"title =", "# no title"}},
        {"length",
         {"# no length", "length = 0 s", "length = 10", "length =", "length = 10 hours",
          "length = 1.5 s", "length = 200 h", "length = 10080 min", "takeover = 2 min",
          "speed = 2"}},
        {"takeover", {"takeover = 1 min"}},
        {"CO2", {"CO2 = lots", "LeftBattery = 11", "LeftBattery = 6", "Sound = 1"}},
        {"80 tap", {"80 tap Image99", "0.1 tap Image10", "80 end"}},
        {"cell_drift",
         {"cell_drop at 2 min", "cell_drift", "cell_drift when ready", "cell_drift at 41 m",
          "cell_drift after 1 min", "cell_drift 1 min after the dive", "cell_drift 1 min",
          "cell_drift after cell_drift answered", "cell_drift after adv_failed answered",
          "cell_drift at 2 min delayed 16 min", "cell_drift at 2 min delayed 30 s",
          "cell_drift at 2 min soon"}},
        {"hypoxia",
         {"hypoxia_minutes = 0", "response_seconds.cell_drop <= 1", "warning_raised.low_o3 = 0",
          "hypoxia_seconds == 0", "hypoxia_seconds 0", "hypoxia_seconds <= 30 s", "= 0"}},
        {"response", {"# no marks"}},
    };
    for (const auto& [replaced, lines] : rows)
        for (const std::string& line : lines) {
            std::string text = kWholeDrill;
            std::size_t at = text.find("\n" + replaced);
            if (at == std::string::npos)
                at = text.find(replaced);  // the first line
            else
                ++at;
            ASSERT_NE(at, std::string::npos) << replaced;
            text.replace(at, text.find('\n', at) - at, line);
            if (replaced == "response")
                text.replace(text.find("hypoxia_seconds=0\n"), 18, "");
            const DrillRead read = parsed(text);
            ASSERT_TRUE(read.error) << line;
            said += line + "\n    " + std::to_string(read.error->lineNumber) + ": " +
                    read.error->message + "\n";
        }
    expectMatchesGoldenFile(said, "drill-errors.txt");
}

}  // namespace
}  // namespace loopsim
