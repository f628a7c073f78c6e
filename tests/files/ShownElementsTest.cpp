// Input may name every element a state dump shows. The elements the unit has no handler for
// (readouts, frames, the pictures behind the handsets) take every pointer verb and nothing
// changes; they are not check boxes or sliders.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "files/FileText.h"
#include "files/ScenarioPlay.h"
#include "files/StateDump.h"
#include "simulation/Simulation.h"

namespace loopsim {
namespace {

namespace fs = std::filesystem;

// The elements the dumps of every scenario of the tests' data show, played to their end.
std::set<std::string> elementsDumpsShow() {
    std::set<std::string> shown;
    for (const fs::directory_entry& entry : fs::directory_iterator(LOOPSIM_TEST_DATA)) {
        if (entry.path().extension() != ".scenario")
            continue;
        Simulation simulation;
        const Scenario scenario =
            parseScenario(readFileText(entry.path()).value_or(""), &simulation.input());
        EXPECT_FALSE(scenario.error) << entry.path();
        playScenario(simulation, scenario, std::nullopt, [] {});
        for (const auto& [name, view] : simulation.view().elements())
            shown.insert(name);
    }
    return shown;
}

TEST(ShownElements, EveryElementADumpShowsIsAcceptedByTheRunner) {
    const std::set<std::string> shown = elementsDumpsShow();
    ASSERT_TRUE(shown.contains("Label16"));
    ASSERT_TRUE(shown.contains("Label17"));
    const Simulation simulation;
    for (const std::string& name : shown) {
        const Scenario scenario = parseScenario("1 click " + name + "\n", &simulation.input());
        EXPECT_FALSE(scenario.error) << name << ": " << scenario.error->message;
    }
}

// Under way: a handset on, the cylinders open, ten seconds run.
void startUnderWay(Simulation& simulation) {
    for (const char* element : {"Image7", "Image4", "LHOO", "Label8"})
        ASSERT_FALSE(simulation.apply({Verb::Tap, element, {}}));
    simulation.advanceTo(10'000);
}

// Side by side with a simulation that is left alone, one that takes every verb on one
// element shows the same a second later.
TEST(ShownElements, ElementsWithoutHandlersTakeEveryPointerVerbAndNothingChanges) {
    const Simulation reference;
    int withoutHandlers = 0;
    for (const auto& [name, view] : reference.view().elements()) {
        if (reference.input().find(name))
            continue;
        ++withoutHandlers;
        Simulation alone, acted;
        startUnderWay(alone);
        startUnderWay(acted);
        for (const Verb verb : {Verb::Press, Verb::Release, Verb::Click, Verb::Tap, Verb::DblClick,
                                Verb::Move, Verb::Hold})
            EXPECT_FALSE(acted.apply({verb, name, "100"})) << name;
        EXPECT_EQ(acted.apply({Verb::Check, name, {}}), name + " is not a check box");
        EXPECT_EQ(acted.apply({Verb::Set, name, "3"}), name + " is not a slider");
        alone.advanceTo(11'000);
        acted.advanceTo(11'000);
        EXPECT_EQ(stateDumpJson(acted, {}), stateDumpJson(alone, {})) << name;
    }
    EXPECT_GE(withoutHandlers, 2);
}

}  // namespace
}  // namespace loopsim
