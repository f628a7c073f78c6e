// The drill file: every section read into the drill, every trigger as written, and a file
// with an error refused with the line that is wrong and why.
#include <gtest/gtest.h>

#include "core/Elements.h"
#include "drills/DrillParser.h"
#include "simulation/Simulation.h"

namespace loopsim {
namespace {

using Kind = DrillTrigger::Kind;

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
}

TEST(DrillParser, ReadsEveryTrigger) {
    struct Row {
        const char* line;
        Kind kind;
        Millis time;
        int depth;
        int answered;
        int delay;
    };
    using namespace elements;
    for (const Row& row : {
             Row{"cell_drift at 90 s", Kind::AtTime, 90000, 0, 0, 0},
             Row{"cell_drift at 0 s", Kind::AtTime, 0, 0, 0, 0},
             Row{"cell_drift at 20 m", Kind::AtDepth, 0, 20, 0, 0},
             Row{"cell_drift after 1.5 min at 40m", Kind::TimeAtDepth, 90000, 40, 0, 0},
             Row{"cell_drift after calibration", Kind::AfterCalibration, 0, 0, 0, 0},
             Row{"cell_drift 30 s after calibration delayed 2 min", Kind::AfterCalibration, 30000,
                 0, 0, 2},
             Row{"cell_drift after adv_failed answered", Kind::AfterAnswered, 0, 0, kAdvFailed, 0},
             Row{"cell_drift 2 min after adv_failed answered delayed 15 min", Kind::AfterAnswered,
                 120000, 0, kAdvFailed, 15},
         }) {
        const std::string text = std::string("[drill]\ntitle = t\nlength = 1 min\n[failures]\n") +
                                 row.line + "\nadv_failed at 1 s\n[pass marks]\notu < 1\n";
        const DrillRead read = parsed(text);
        ASSERT_FALSE(read.error) << row.line << ": " << read.error->message;
        const DrillFailure& failure = read.drill.failures[0];
        EXPECT_EQ(failure.option, kCellDrift) << row.line;
        EXPECT_EQ(failure.trigger.kind, row.kind) << row.line;
        EXPECT_EQ(failure.trigger.time, row.time) << row.line;
        EXPECT_EQ(failure.trigger.depth, row.depth) << row.line;
        EXPECT_EQ(failure.trigger.answered, row.answered) << row.line;
        EXPECT_EQ(failure.delayMinutes, row.delay) << row.line;
    }
}

// Each row replaces the line of the whole drill that starts as `replaced` (or adds a line at
// the end when none does) and expects the error at that line.
TEST(DrillParser, RefusesAFileWithAnError) {
    struct Row {
        const char* replaced;
        const char* line;
        int lineNumber;
        const char* message;
    };
    for (const Row& row : {
             Row{"# A drill.", "title = x", 1,
                 "a drill starts with its [drill] section, not 'title = x'"},
             Row{"[notes]", "[note]", 15,
                 "unknown section '[note]': the sections are [drill], [briefing], [notes], "
                 "[settings], [start], [failures] and [pass marks]"},
             Row{"[notes]", "[briefing]", 15, "a second '[briefing]' section"},
             Row{"[notes]", "[notes", 15, "a section's name is closed by ']': '[notes'"},
             Row{"title", "title =", 3, "the title is empty"},
             Row{"title", "# no title", 2,
                 "the drill has no title: write 'title = ...' under [drill]"},
             Row{"length", "# no length", 2,
                 "the drill has no length: write 'length = 10 min' under [drill]"},
             Row{"length", "length = 0 s", 5, "a drill lasts longer than 0 s"},
             Row{"length", "length = 10", 5,
                 "the length: '10' is not a time: write seconds or minutes, as '90 s' or '2 min'"},
             Row{"length", "length =", 5,
                 "the length: a time is missing: write seconds or minutes, as '90 s' or '2 min'"},
             Row{"length", "length = 10 hours", 5,
                 "the length: '10 hours' is not a time: write seconds or minutes, as '90 s' or "
                 "'2 min'"},
             Row{"length", "length = 1.5 s", 5,
                 "the length: the time '1.5 s' is not a whole number of seconds"},
             Row{"length", "length = 200 h", 5,
                 "the length: '200 h' is not a time: write seconds or minutes, as '90 s' or "
                 "'2 min'"},
             Row{"length", "length = 10080 min", 2,
                 "the drill ends past 604800 s, the latest a session may have"},
             Row{"length", "takeover = 2 min", 5, "the drill's takeover is given twice"},
             Row{"length", "speed = 2", 5,
                 "unknown key 'speed': a drill has a title, a takeover and a length"},
             Row{"takeover", "takeover = 1 min", 4,
                 "the takeover at 1 min comes before the start's last line, at 80 s"},
             Row{"CO2", "CO2 = lots", 18, "CO2 is a number from 0 to 10000000, not 'lots'"},
             Row{"CO2", "LeftBattery = 11", 18, "LeftBattery is a number from 0 to 10, not '11'"},
             Row{"CO2", "LeftBattery = 6", 19, "LeftBattery is set twice"},
             Row{"CO2", "Sound = 1", 18,
                 "a setting is CO2, LeftTimer, LeftBattery or RightBattery = a number, not "
                 "'Sound = 1'"},
             Row{"80 tap", "80 tap Image99", 23, "unknown element 'Image99'"},
             Row{"80 tap", "0.1 tap Image10", 23, "the time 0.1 s goes back before 0.2 s"},
             Row{"80 tap", "80 end", 23,
                 "the start cannot end the session with 'end': the trainee takes over after it"},
             Row{"cell_drift", "cell_drop at 2 min", 25,
                 "unknown failure 'cell_drop': failures go by their debrief names, as "
                 "'cell_drift' or 'solenoid_stuck_closed'"},
             Row{"cell_drift", "cell_drift", 25,
                 "a failure needs a trigger: 'at 2 min', 'at 20 m', 'after 1 min at 20 m', "
                 "'after calibration' or 'after cell_drift answered'"},
             Row{"cell_drift", "cell_drift when ready", 25,
                 "a failure's trigger is 'at 2 min', 'at 20 m', 'after 1 min at 20 m', 'after "
                 "calibration' or 'after cell_drift answered', not 'when ready'"},
             Row{"cell_drift", "cell_drift at 41 m", 25,
                 "the depth '41 m' is not a whole number of metres from 1 to 40"},
             Row{"cell_drift", "cell_drift after 1 min", 25,
                 "after 1 min at what depth? write it as 'after 1 min at 20 m'"},
             Row{"cell_drift", "cell_drift 1 min after the dive", 25,
                 "after 'the dive': a wait goes before 'after calibration' or 'after cell_drift "
                 "answered'"},
             Row{"cell_drift", "cell_drift 1 min", 25,
                 "1 min after what? write 'after calibration' or 'after cell_drift answered'"},
             Row{"cell_drift", "cell_drift after cell_drift answered", 25,
                 "a failure cannot wait for its own answer"},
             Row{"cell_drift", "cell_drift after adv_failed answered", 25,
                 "it waits for an answer to a failure this drill does not inject"},
             Row{"cell_drift", "cell_drift at 2 min delayed 16 min", 25,
                 "the options' delay is whole minutes from 1 to 15, not 16 min"},
             Row{"cell_drift", "cell_drift at 2 min delayed 30 s", 25,
                 "the options' delay is whole minutes from 1 to 15, not 30 s"},
             Row{"cell_drift", "cell_drift at 2 min soon", 25,
                 "unexpected 'soon' at the end of the line"},
             Row{"hypoxia", "hypoxia_minutes = 0", 28,
                 "unknown metric 'hypoxia_minutes': pass marks use the debrief's names "
                 "(docs/debrief.md)"},
             Row{"hypoxia", "response_seconds.cell_drop <= 1", 28,
                 "unknown metric 'response_seconds.cell_drop': pass marks use the debrief's "
                 "names (docs/debrief.md)"},
             Row{"hypoxia", "warning_raised.low_o3 = 0", 28,
                 "unknown metric 'warning_raised.low_o3': pass marks use the debrief's names "
                 "(docs/debrief.md)"},
             Row{"hypoxia", "hypoxia_seconds == 0", 28,
                 "after 'hypoxia_seconds' comes one of = < <= > >= and a number, not '== 0'"},
             Row{"hypoxia", "hypoxia_seconds 0", 28,
                 "after 'hypoxia_seconds' comes one of = < <= > >= and a number, not '0'"},
             Row{"hypoxia", "hypoxia_seconds <= 30 s", 28,
                 "the mark '30 s' is not a number (written alone, in the metric's own unit)"},
             Row{"hypoxia", "= 0", 28,
                 "a pass mark starts with a metric's name, as 'hypoxia_seconds = 0', not '= 0'"},
             Row{"response", "# no marks", 26,
                 "the drill has no pass marks: list them under [pass marks]"},
         }) {
        std::string text = kWholeDrill;
        std::size_t at = text.find(std::string("\n") + row.replaced);
        if (at == std::string::npos)
            at = text.find(row.replaced);  // the first line
        else
            ++at;
        ASSERT_NE(at, std::string::npos) << row.replaced;
        text.replace(at, text.find('\n', at) - at, row.line);
        if (std::string(row.replaced) == "response")
            text.replace(text.find("hypoxia_seconds=0\n"), 18, "");
        const DrillRead read = parsed(text);
        ASSERT_TRUE(read.error) << row.line;
        EXPECT_EQ(read.error->lineNumber, row.lineNumber) << row.line;
        EXPECT_EQ(read.error->message, row.message) << row.line;
    }
}

}  // namespace
}  // namespace loopsim
