#include <gtest/gtest.h>

#include <tuple>

#include "HandsetFixture.h"

namespace loopsim {
namespace {

TEST_F(HandsetFixture, HardwareSwitchAloneLeavesTheHandsetDarkAndHandsNothingOver) {
    EXPECT_EQ(picture("Image2"), "\\HSOff.jpg");
    runFor(500);
    tap("LHOO");
    EXPECT_EQ(std::tuple(left.SwitchOn, left.UnitOn, left.Screen), std::tuple(1, 0, 0));
    EXPECT_EQ(picture("Image2"), "\\HSOn.jpg");
    runTimer("Timer8");
    EXPECT_EQ(text("Label14"), " ");
    tap("LHOO");
    EXPECT_EQ(std::tuple(left.SwitchOn, left.UnitOn, right.IsMaster), std::tuple(0, 0, 0));
    EXPECT_EQ(picture("Image2"), "\\HSOff.jpg");
    EXPECT_EQ(messageAt(0), "Left handset hardware switch On");
    EXPECT_EQ(messageAt(3), "Left handset hardware switch Off");
    EXPECT_TRUE(sounds().empty());
}

// The left handset is the master; one of the two is switched off at its hardware switch.
TEST(PowerSwitch, SwitchingTheMasterOffHandsOverToARunningOrWaitingSlave) {
    struct Row {
        int masterScreen, slaveScreen;
        int sound;
        const char* switchTapped;
        int newMasterScreen;  // the screen of whichever handset is master afterwards
        std::vector<std::string> sounds;
    };
    const Row rows[] = {
        {17, 5, 1, "LHOO", 17, {"1:lowo2.wav"}},
        {2, 4, 0, "LHOO", 17, {}},   // a slave still waiting takes over at once
        {17, 5, 1, "RHOO", 17, {}},  // switching the slave off leaves the master alone
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.switchTapped) + " with the slave on screen " +
                     std::to_string(row.slaveScreen));
        HandsetRig rig;
        rig.putOn(rig.left, row.masterScreen, true);
        rig.putOn(rig.right, row.slaveScreen);
        rig.s.SoundEnabled = row.sound;
        rig.tap(row.switchTapped);
        const bool masterOff = std::string(row.switchTapped) == "LHOO";
        HandsetState& on = masterOff ? rig.right : rig.left;
        HandsetState& off = masterOff ? rig.left : rig.right;
        EXPECT_EQ(on.IsMaster, 1);
        EXPECT_EQ(on.Screen, row.newMasterScreen);
        EXPECT_EQ(off.IsMaster, 0);
        EXPECT_EQ(off.UnitOn, 0);
        EXPECT_EQ(off.Screen, 0);
        EXPECT_EQ(rig.sounds(), row.sounds);
        if (masterOff) {
            EXPECT_EQ(rig.text("Label14"), "");
            EXPECT_EQ(rig.picture("Image2"), "\\HSOff.jpg");
            EXPECT_EQ(rig.lastMessage(), "Left handset hardware switch Off");
        }
    }
}

TEST_F(HandsetFixture, BacklightGoesBackToTheDisplayColourOnceAfterItsInterval) {
    tap("LHOO");
    s.DisplayColour = {12, 40, 12};  // darkened with depth meanwhile
    press("Label8");
    EXPECT_EQ(fill("Shape1"), (Rgb{0, 192, 0}));
    runFor(4999);
    EXPECT_EQ(fill("Shape1"), (Rgb{0, 192, 0}));
    runFor(1);
    EXPECT_EQ(fill("Shape1"), (Rgb{12, 40, 12}));
    EXPECT_FALSE(timer("LHLightTimer").enabled());
}

}  // namespace
}  // namespace loopsim
