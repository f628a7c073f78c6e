// What goes with loopsim-run --serve, and the instructor's note as the debrief lists it.
#include <gtest/gtest.h>

#include <sstream>

#include "debrief/EventList.h"
#include "debrief/SessionObserver.h"
#include "files/ScenarioPlay.h"
#include "headless/Runner.h"
#include "simulation/Simulation.h"

namespace loopsim {
namespace {

TEST(ServeOptions, ReadFromTheCommandLine) {
    std::ostringstream err;
    auto options = parseRunArguments({"a.scenario", "--serve", "--port", "8080", "--lan", "--log",
                                      "s.scenario", "--drills", "drills", "--until", "60"},
                                     err);
    ASSERT_TRUE(options) << err.str();
    ASSERT_TRUE(options->serve);
    EXPECT_EQ(options->serve->port, 8080);
    EXPECT_TRUE(options->serve->localNetwork);
    EXPECT_EQ(options->serve->log, "s.scenario");
    EXPECT_EQ(options->serve->drills, "drills");
    EXPECT_FALSE(parseRunArguments({"a.scenario"}, err)->serve);
    // The ends of the range: 0 asks for any free port.
    for (const int port : {0, 65535}) {
        const auto served =
            parseRunArguments({"a.scenario", "--serve", "--port", std::to_string(port)}, err);
        ASSERT_TRUE(served && served->serve) << port;
        EXPECT_EQ(served->serve->port, port);
    }
}

TEST(ServeOptions, RefusedWithWhy) {
    const char* const withServe = "--port, --lan, --log and --drills go with --serve";
    const std::string notAPort = "--port takes a port number from 0 to 65535, not ";
    const char* const servedOptions =
        "--serve plays a scenario with --out, --until, --settings, --port, --lan, --log and "
        "--drills only";
    const std::pair<std::vector<std::string>, std::string> rows[] = {
        {{"a.scenario", "--port", "80"}, withServe},
        {{"a.scenario", "--lan"}, withServe},
        {{"a.scenario", "--serve", "--port", "65536"}, notAPort + "'65536'"},
        {{"a.scenario", "--serve", "--port", "8.5"}, notAPort + "'8.5'"},
        {{"a.scenario", "--serve", "--dump", "d.jsonl"}, servedOptions},
        {{"--drill", "x.drill", "a.scenario", "--serve"}, servedOptions},
    };
    for (const auto& [arguments, why] : rows) {
        std::ostringstream err;
        EXPECT_FALSE(parseRunArguments(arguments, err));
        EXPECT_EQ(err.str().substr(0, err.str().find('\n')), "loopsim-run: " + why);
    }
}

TEST(ServeOptions, ARunnerWithoutTheStationRefusesToServe) {
    char program[] = "loopsim-run";
    char scenario[] = "a.scenario";
    char serve[] = "--serve";
    char* argv[] = {program, scenario, serve, nullptr};
    testing::internal::CaptureStderr();
    EXPECT_EQ(runnerMain(3, argv, nullptr), kRunRefused);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "loopsim-run: --serve needs the instructor station, which this build leaves out "
              "(it was built without Qt)\n");
}

TEST(InstructorNote, ListedAmongTheInstructorsEvents) {
    Simulation simulation;
    SessionObserver observer(simulation);
    const Scenario scenario = parseScenario(
        "1 tap Image18\n2.5 note slow to see the drift\n3 end\n", &simulation.input());
    ASSERT_FALSE(scenario.error);
    playScenario(
        simulation, scenario, std::nullopt, [] {},
        [&](const Action& action) { observer.actionApplied(action); });
    std::string listed;
    for (const ListedEvent& event : listedEvents(computeDebrief(observer.finish()))) {
        if (event.kind != EventKind::Unit)
            listed += std::to_string(event.time) + " " + std::string(eventKindName(event.kind)) +
                      " " + event.what + "\n";
    }
    EXPECT_EQ(listed, "1000 trainee tap mouthpiece\n2500 instructor note: slow to see the drift\n");
}

}  // namespace
}  // namespace loopsim
