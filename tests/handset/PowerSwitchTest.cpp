#include <gtest/gtest.h>

#include "HandsetFixture.h"

namespace loopsim {
namespace {

std::string messageAt(const Simulation& sim, int row) {
    const auto* text = std::get_if<std::string>(&sim.recording().table().row(row)[kStatusColumn]);
    return text ? *text : std::string();
}

TEST_F(HandsetFixture, FirstClickOnTheSwitchMakesTheHandsetReadyButLeavesItDark) {
    EXPECT_EQ(picture("Image2"), "\\HSOff.jpg");
    tap("LHOO");
    EXPECT_EQ(left.SwitchOn, 1);
    EXPECT_EQ(left.UnitOn, 0);
    EXPECT_EQ(left.Screen, 0);
    EXPECT_EQ(picture("Image2"), "\\HSOn.jpg");
    EXPECT_EQ(lastMessage(), "Left handset hardware switch On");
    runTimer("Timer8");
    EXPECT_EQ(text("Label14"), " ");
}

TEST_F(HandsetFixture, SwitchOnAndOffWithoutTheButtonHandsNothingOver) {
    runFor(500);
    tap("RHOO");
    runFor(1000);
    tap("RHOO");
    EXPECT_EQ(right.SwitchOn, 0);
    EXPECT_EQ(right.UnitOn, 0);
    EXPECT_EQ(left.IsMaster, 0);
    EXPECT_EQ(picture("Image3"), "\\HSOff.jpg");
    EXPECT_EQ(messageAt(sim, 0), "Right handset hardware switch On");
    EXPECT_EQ(messageAt(sim, 1), "Right handset hardware switch Off");
    EXPECT_TRUE(sounds().empty());
}

TEST_F(HandsetFixture, SwitchingTheMasterOffHandsOverToARunningSlave) {
    putOn(left, 17);
    left.IsMaster = 1;
    putOn(right, 5);
    tap("LHOO");
    EXPECT_EQ(right.IsMaster, 1);
    EXPECT_EQ(right.Screen, 17);
    EXPECT_EQ(left.IsMaster, 0);
    EXPECT_EQ(left.UnitOn, 0);
    EXPECT_EQ(left.Screen, 0);
    EXPECT_EQ(text("Label14"), "");
    EXPECT_EQ(picture("Image2"), "\\HSOff.jpg");
    EXPECT_EQ(lastMessage(), "Left handset hardware switch Off");
    EXPECT_EQ(sounds(), (std::vector<std::string>{"1:lowo2.wav"}));
}

TEST_F(HandsetFixture, ASlaveStillWaitingTakesOverAtOnce) {
    putOn(left, 2);
    left.IsMaster = 1;
    putOn(right, 4);
    s.SoundEnabled = 0;
    tap("LHOO");
    EXPECT_EQ(right.IsMaster, 1);
    EXPECT_EQ(right.Screen, 17);
    EXPECT_TRUE(sounds().empty());
}

TEST_F(HandsetFixture, SwitchingTheSlaveOffLeavesTheMasterAlone) {
    putOn(left, 17);
    left.IsMaster = 1;
    putOn(right, 5);
    tap("RHOO");
    EXPECT_EQ(left.IsMaster, 1);
    EXPECT_EQ(left.Screen, 17);
    EXPECT_EQ(right.UnitOn, 0);
    EXPECT_TRUE(sounds().empty());
}

TEST_F(HandsetFixture, BacklightGoesBackToTheDisplayColourOnceAfterItsInterval) {
    tap("LHOO");
    s.DisplayColour = {12, 40, 12};  // darkened with depth meanwhile
    press("Label8");
    EXPECT_EQ(sim.view().element("Shape1").fill(), (Rgb{0, 192, 0}));
    runFor(4999);
    EXPECT_EQ(sim.view().element("Shape1").fill(), (Rgb{0, 192, 0}));
    runFor(1);
    EXPECT_EQ(sim.view().element("Shape1").fill(), (Rgb{12, 40, 12}));
    EXPECT_FALSE(sim.clock().timer("LHLightTimer").enabled());
}

}  // namespace
}  // namespace loopsim
