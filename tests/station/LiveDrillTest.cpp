// A drill started on a session under way: its plan counts from the moment it starts, and
// only drills of the folder's list can be started.
#include <gtest/gtest.h>

#include "SimulationRig.h"
#include "files/Scenario.h"
#include "station/LiveDrill.h"

namespace loopsim {
namespace {

TEST(LiveDrill, ThePlanCountsFromItsStart) {
    test::Rig rig;
    rig.at(30'000);
    rig.s.Depth = 20;
    auto read = readNamedDrill(LOOPSIM_DRILLS, "cell-drift", rig.sim);
    ASSERT_TRUE(std::holds_alternative<Drill>(read)) << std::get<std::string>(read);
    const Millis length = std::get<Drill>(read).end - std::get<Drill>(read).takeover;
    LiveDrill drill("cell-drift", std::move(std::get<Drill>(read)), rig.sim);
    EXPECT_EQ(drill.nextCheck(), 30'000);
    EXPECT_EQ(drill.end(), 30'000 + length);

    // "after 1 min at 20 m": a minute of checks at depth, then the options window's actions.
    std::string injected;
    while (injected.empty() && rig.sim.now() < drill.end()) {
        rig.at(drill.nextCheck());
        for (const Action& action : drill.check())
            injected += formatScenarioLine(rig.sim.now(), action) + "\n";
    }
    EXPECT_EQ(injected, "90 check Options.Check4\n90 tap Options.Command1\n");
}

TEST(LiveDrill, OnlyDrillsOfTheList) {
    test::Rig rig;
    const std::vector<std::string> shipped = {"adv-failed-on-descent", "cell-drift",
                                              "handset-flood",         "master-battery",
                                              "scrubber-breakthrough", "solenoid-stuck-closed",
                                              "solenoid-stuck-open",   "two-cell-drift"};
    EXPECT_EQ(drillNamesIn(LOOPSIM_DRILLS), shipped);
    EXPECT_EQ(drillNamesIn("/nonexistent/folder"), std::vector<std::string>{});
    for (const char* name : {"cell", "../drills/cell-drift", "cell-drift.drill", ""}) {
        auto read = readNamedDrill(LOOPSIM_DRILLS, name, rig.sim);
        ASSERT_TRUE(std::holds_alternative<std::string>(read)) << name;
        EXPECT_EQ(std::get<std::string>(read), "no drill named '" + std::string(name) + "'");
    }
}

}  // namespace
}  // namespace loopsim
