#include <gtest/gtest.h>

#include "HandsetFixture.h"

namespace loopsim {
namespace {

TEST_F(HandsetFixture, BothOuterButtonsOpenTheSetupMenusOnReleaseWithTheLowSetpointInForce) {
    putOn(left, 17);
    left.HighSetpoint = 1.2;
    press("Label18");
    EXPECT_EQ(left.Screen, 17);
    EXPECT_EQ(picture("Image2"), "\\HSBothOuter.jpg");
    EXPECT_EQ(tag("Label18"), "1");
    EXPECT_EQ(lastMessage(), "Left handset: both outer buttons");
    release("Label18");
    EXPECT_EQ(left.Screen, 40);
    EXPECT_EQ(text("Label14"), "     HIGH SETPOINT       Down    1.20    UP  ");
    EXPECT_EQ(picture("Image2"), "\\HSOn.jpg");
    EXPECT_EQ(tag("Label18"), "");
}

TEST_F(HandsetFixture, BothOuterButtonsOnlyRestoreThePictureElsewhere) {
    putOn(left, 17);
    s.ActiveSetpoint = 1.3;  // the high setpoint is in force
    tap("Label18");
    EXPECT_EQ(left.Screen, 17);
    putOn(right, 5);
    tap("Label20");
    EXPECT_EQ(right.Screen, 5);
    EXPECT_EQ(picture("Image3"), "\\HSOn.jpg");
}

TEST_F(HandsetFixture, BothRightButtonsStartTheSwitchOffTickUntilReleased) {
    putOn(right, 5);
    SimTimer& switchOff = timer("SwitchOffTimer");
    switchOff.setEnabled(false);
    runFor(100);
    press("Label21");
    EXPECT_EQ(s.SwitchOffSide, "Right");
    EXPECT_EQ(switchOff.due(), 1100);
    EXPECT_EQ(picture("Image3"), "\\HSBothRight.jpg");
    EXPECT_EQ(fill("Shape2"), (Rgb{0, 192, 0}));
    EXPECT_EQ(timer("RHLightTimer").interval(), 5000);
    EXPECT_EQ(lastMessage(), "Right handset: both right buttons");
    release("Label21");
    EXPECT_FALSE(switchOff.enabled());
    EXPECT_EQ(tag("Label21"), "");
}

TEST_F(HandsetFixture, WithTheSwitchOffAGesturePressShowsNothing) {
    timer("SwitchOffTimer").setEnabled(false);
    press("Label19");
    EXPECT_EQ(tag("Label19"), "1");
    EXPECT_EQ(lastMessage(), "Left handset: both right buttons");
    EXPECT_EQ(picture("Image2"), "\\HSOff.jpg");
    EXPECT_EQ(fill("Shape1"), s.DisplayColour);
    EXPECT_TRUE(timer("SwitchOffTimer").enabled());
    move("Label18");
    EXPECT_EQ(picture("Image2"), "\\HSOff.jpg");
}

TEST_F(HandsetFixture, HoverPictureGivesWayWithinASecond) {
    tap("LHOO");
    runFor(100);
    move("Label18");
    EXPECT_EQ(picture("Image2"), "\\HSLineOuters.jpg");
    runFor(500);
    move("Label18");  // the picture tick already runs: its count goes on
    EXPECT_EQ(timer("Timer6").due(), 1100);
    runFor(500);
    EXPECT_EQ(picture("Image2"), "\\HSOn.jpg");
    EXPECT_FALSE(timer("Timer6").enabled());
    move("Label19");
    EXPECT_EQ(picture("Image2"), "\\HSLineRights.jpg");
}

TEST_F(HandsetFixture, MovingWhileHeldKeepsThePressedPicture) {
    tap("LHOO");
    press("Label19");
    move("Label19");
    EXPECT_EQ(picture("Image2"), "\\HSBothRight.jpg");
    EXPECT_FALSE(timer("Timer6").enabled());
    press("Label8");  // a single button's press stops the hover picture's tick as well
    EXPECT_EQ(picture("Image2"), "\\HSLeft.jpg");
}

}  // namespace
}  // namespace loopsim
