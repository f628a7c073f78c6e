// The drill's checks once a second: when each trigger sets its failure off and the options
// actions that inject it; and a drill that injects nothing plays a scenario exactly as the
// runner's own loop does.
#include <gtest/gtest.h>

#include "GoldenFile.h"
#include "drills/DrillParser.h"
#include "drills/DrillPlay.h"
#include "files/RecordingFile.h"
#include "files/StateDump.h"
#include "simulation/Simulation.h"

namespace loopsim {
namespace {

// The start of the pre-dive routine: both handsets on, the master calibrating; the
// calibration ends at 42.668 s.
constexpr const char* kPreDive =
    "0.2 tap Image7\n0.4 tap Image4\n0.5 tap LHOO\n1 tap Label8\n4 tap RHOO\n4.5 tap Label11\n"
    "10.5 tap Label10\n11.5 tap Label10\n12.5 tap Label8\n13.5 tap Label10\n14 tap Image18\n"
    "14.5 tap Label10\n15.5 tap Label10\n16.5 tap Label10\n";

// The instructor's actions the drill applied, as scenario lines.
std::vector<std::string> injections(const std::string& drillHead, const std::string& failures,
                                    const std::string& trainee) {
    Simulation simulation;
    const DrillRead read = parseDrill(
        "[drill]\ntitle = t\n" + drillHead + "[failures]\n" + failures + "[pass marks]\notu >= 0\n",
        &simulation.input());
    EXPECT_FALSE(read.error) << read.error->message;
    const Scenario scenario = parseScenario(trainee, &simulation.input());
    std::vector<std::string> lines;
    const auto refused = playDrill(
        simulation, read.drill, scenario, std::nullopt, [] {},
        [&](const Action& action) {
            if (action.element.rfind("Options.", 0) == 0)
                lines.push_back(formatScenarioLine(simulation.now(), action));
        });
    EXPECT_FALSE(refused);
    return lines;
}

// Each row's failures and the instructor's actions the drill applied for them, as scenario
// lines, are compared with drill-injections.txt.
TEST(DrillEngine, EachTriggerSetsItsFailureOffAtItsCheck) {
    struct Row {
        const char* drill;
        const char* failures;
        std::string trainee;
    };
    const std::string descent = "12 tap Image10\n13 tap Image10\n14 tap Image10\n";
    std::string said;
    for (const Row& row : {
             Row{"takeover = 10 s\nlength = 1 min\n", "cell_drift at 30 s\n", ""},
             // The check at 14 s comes before the trainee's line of the same time.
             Row{"length = 1 min\n", "adv_failed at 3 m\n", descent},
             // At 2 m from 13 s: each check there counts the second before it.
             Row{"length = 1 min\n", "adv_failed after 5 s at 2 m\n", descent},
             Row{"length = 1 min\n", "adv_failed at 4 m\n", descent},
             Row{"length = 2 min\n", "cell_drift 2 s after calibration\n", kPreDive},
             // The flush at 5 s comes before the drift is in force (10 ms after Change now).
             Row{"length = 1 min\n",
                 "cell_drift at 5 s\nadv_failed 10 s after cell_drift answered\n",
                 "5 hold Image5 500\n9 tap Image5\n"},
             Row{"length = 1 min\n", "cell_drift at 5 s delayed 2 min\nadv_failed at 10 s\n", ""},
             Row{"length = 1 min\n", "adv_failed at 5 s\ncell_drift at 5 s\n", ""},
             // The drill ends before the trigger.
             Row{"length = 1 min\n", "cell_drift at 61 s\n", ""},
         }) {
        said += row.failures;
        for (const std::string& line : injections(row.drill, row.failures, row.trainee))
            said += "    " + line + "\n";
    }
    expectMatchesGoldenFile(said, "drill-injections.txt");
}

// A trainee's line at the takeover itself is the trainee's; one before it is refused, with
// its line and why, as the runner's drill tests have it.
TEST(DrillEngine, TheTraineeActsFromTheTakeover) {
    const Drill drill =
        parseDrill(
            "[drill]\ntitle = t\nlength = 1 min\n[start]\n10 tap Image7\n[pass marks]\notu >= 0\n",
            nullptr)
            .drill;
    EXPECT_FALSE(refusedTraineeScenario(drill, parseScenario("10 tap Image4\n", nullptr)));
    EXPECT_TRUE(refusedTraineeScenario(drill, parseScenario("9.999 tap Image4\n", nullptr)));
}

// Checking once a second advances the clock in steps; nothing the unit does may depend on
// it. The demo (holds of the whole program, a prompt, the options' own delay) plays to the
// same recording and the same last state.
TEST(DrillEngine, ADrillWithoutFailuresPlaysAsTheScenarioDoes) {
    const std::string demo = readTestFile(std::string(LOOPSIM_SCENARIOS) + "/demo.scenario");
    auto played = [&](bool asDrill) {
        Simulation simulation;
        const Scenario scenario = parseScenario(demo, &simulation.input());
        if (asDrill) {
            const DrillRead read = parseDrill(
                "[drill]\ntitle = t\nlength = 20 min\n[pass marks]\notu >= 0\n", nullptr);
            EXPECT_FALSE(playDrill(simulation, read.drill, scenario, std::nullopt, [] {}));
        } else {
            EXPECT_FALSE(playScenario(simulation, scenario, std::nullopt, [] {}));
        }
        return recordingFileText(simulation.recording().table(), simulation.state().RecordIndex,
                                 {}) +
               stateDumpJson(simulation, {});
    };
    EXPECT_EQ(played(true), played(false));
}

}  // namespace
}  // namespace loopsim
