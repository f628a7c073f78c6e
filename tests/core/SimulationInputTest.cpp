#include <gtest/gtest.h>

#include "core/Simulation.h"

namespace loopsim {
namespace {

// Scenario files and session logs may hold numbers no pointer gives; each is held within
// what its field can take before it is converted (found by the random soak).
TEST(SimulationInput, SliderValuesBeyondAnIntegerAreHeldAtTheSlidersEnds) {
    const std::pair<const char*, int> moves[] = {
        {"99999999999", 15},
        {"-99999999999", 0},
        {"4294967296", 15},
        {"3.99", 3},
    };
    Simulation simulation;
    for (const auto& [value, minutes] : moves) {
        ASSERT_EQ(simulation.apply({Verb::Set, "Options.Slider1", value}), std::nullopt);
        EXPECT_EQ(simulation.view().find("Options.Slider1")->value(), minutes) << value;
    }
}

TEST(SimulationInput, HoldLongerThanAnyRunKeepsTheButtonPressed) {
    Simulation simulation;
    ASSERT_EQ(simulation.apply({Verb::Tap, "LHOO", {}}), std::nullopt);
    const std::string huge = "1" + std::string(300, '0');
    ASSERT_EQ(simulation.apply({Verb::Hold, "Label8", huge}), std::nullopt);
    simulation.advanceTo(3600 * 1000);
    EXPECT_EQ(simulation.view().find("Image2")->picture(), "\\HSLeft.jpg");
    EXPECT_EQ(simulation.state().LeftHandset.UnitOn, 0);  // the click never came
}

}  // namespace
}  // namespace loopsim
