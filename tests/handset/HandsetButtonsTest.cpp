#include <gtest/gtest.h>

#include "HandsetFixture.h"

namespace loopsim {
namespace {

TEST_F(HandsetFixture, LeftButtonTurnsTheHandsetOnAsMasterOrSlave) {
    tap("LHOO");
    tap("Label8");
    EXPECT_EQ(left.UnitOn, 1);
    EXPECT_EQ(left.IsMaster, 1);
    EXPECT_EQ(left.Screen, 1);
    EXPECT_EQ(lastMessage(), "Left handset on as Master");
    EXPECT_EQ(sounds(), (std::vector<std::string>{"1:Turnonr.wav"}));
    runFor(1999);
    EXPECT_TRUE(sounds().empty());
    runFor(1);
    EXPECT_EQ(sounds(), (std::vector<std::string>{"1:CLICK.wav"}));

    tap("RHOO");
    tap("Label11");
    EXPECT_EQ(right.IsMaster, 0);
    EXPECT_EQ(lastMessage(), "Right handset on as Slave");
}

TEST_F(HandsetFixture, TurnOnWaitHoldsEveryTimerAndInput) {
    runFor(2500);
    EXPECT_EQ(s.RecordIndex, 2);
    tap("LHOO");
    tap("Label8");  // the whole program waits until 4500
    runFor(500);
    tap("RHOO");  // arrives during the wait
    sim.advanceTo(4499);
    EXPECT_EQ(s.RecordIndex, 2);
    EXPECT_EQ(right.SwitchOn, 0);
    EXPECT_EQ(text("Label14"), "");
    sounds();

    sim.advanceTo(4500);
    EXPECT_EQ(sounds(), (std::vector<std::string>{"1:CLICK.wav"}));
    EXPECT_EQ(right.SwitchOn, 1);
    // The ticks due at 3000 and 4000 come once, when the wait ends.
    EXPECT_EQ(s.RecordIndex, 3);
    EXPECT_EQ(text("Label14"), "  K.T.Varnel    Calvendrite  ");
    EXPECT_EQ(sim.clock().timer("RecordingTimer").due(), 5500);
    EXPECT_EQ(sim.clock().timer("Timer8").due(), 7500);
}

TEST_F(HandsetFixture, ValueMenusStepAndStayWithinTheirBounds) {
    struct Row {
        int screen;
        double start;
        const char* button;  // Label8 Down, Label9 Up
        int clicks;
        std::string text;
    };
    const Row rows[] = {
        {18, 710, "Label8", 1, "    Ambient Pressure      Down   700mb     Up "},
        {18, 710, "Label8", 2, "    Ambient Pressure      Down   700mb     Up "},
        {18, 1050, "Label9", 1, "    Ambient Pressure      Down   1050mb     Up "},
        {18, 1000, "Label9", 3, "    Ambient Pressure      Down   1030mb     Up "},
        {19, 22, "Label8", 2, "      OXYGEN %      Down    21%     Up "},
        {19, 99, "Label9", 2, "      OXYGEN %      Down    100%     Up "},
        {40, 1.3, "Label9", 1, "     HIGH SETPOINT       Down    1.35    UP  "},
        {40, 1.3, "Label9", 4, "     HIGH SETPOINT       Down    1.50    UP  "},
        {40, 1.3, "Label9", 5, "     HIGH SETPOINT       Down    1.50    UP  "},
        {40, 1.0, "Label8", 1, "     HIGH SETPOINT       Down    1.00    UP  "},
        {41, 0.7, "Label8", 4, "     LOW SETPOINT        Down    0.50     UP  "},
        {41, 0.7, "Label8", 5, "     LOW SETPOINT        Down    0.50     UP  "},
        {41, 0.95, "Label9", 2, "     LOW SETPOINT        Down    1.00     UP  "},
        {42, 0, "Label8", 1, "      BRIGHTNESS       Down   0      UP  "},
        {42, 98, "Label9", 2, "      BRIGHTNESS       Down   99      UP  "},
    };
    for (const Row& row : rows) {
        HandsetRig rig;
        rig.putOn(rig.left, row.screen);
        rig.s.CalPressure = static_cast<int>(row.start);
        rig.s.CalOxygenPercent = static_cast<int>(row.start);
        rig.left.HighSetpoint = row.start;
        rig.left.LowSetpoint = row.start;
        rig.left.Brightness = static_cast<int>(row.start);
        for (int i = 0; i < row.clicks; ++i)
            rig.click(row.button);
        EXPECT_EQ(rig.text("Label14"), row.text)
            << "screen " << row.screen << ", " << row.clicks << " clicks on " << row.button;
        EXPECT_EQ(rig.left.Screen, row.screen);
    }
}

TEST_F(HandsetFixture, ClampedValuesAreTheBoundsExactly) {
    putOn(left, 40);
    for (int i = 0; i < 5; ++i)
        click("Label9");
    EXPECT_EQ(left.HighSetpoint, 1.5);
    left.Screen = 41;
    for (int i = 0; i < 5; ++i)
        click("Label8");
    EXPECT_EQ(left.LowSetpoint, 0.5);
    EXPECT_EQ(s.CalPressure, 1000);  // the other menus' values are not touched
}

TEST_F(HandsetFixture, StartupDialogueOfTheMaster) {
    putOn(left, 2);
    left.IsMaster = 1;
    click("Label10");
    EXPECT_EQ(left.Screen, 13);
    EXPECT_EQ(text("Label14"), "     CHECK DILUENT!      Confirm    ");
    EXPECT_EQ(lastMessage(), "Left handset: middle button");
    sounds();

    click("Label10");  // diluent valve still closed
    EXPECT_EQ(sounds(), (std::vector<std::string>{"2:alarm.wav"}));
    EXPECT_EQ(left.Screen, 14);
    EXPECT_EQ(text("Label14"), "     CALIBRATE ?      YES                     NO ");

    click("Label8");
    EXPECT_EQ(left.Screen, 18);
    EXPECT_EQ(text("Label14"), "    Ambient Pressure      Down   1000mb     Up ");
    EXPECT_EQ(lastMessage(), "Left handset: left button");
    click("Label10");
    EXPECT_EQ(left.Screen, 19);
    EXPECT_EQ(text("Label14"), "      OXYGEN %      Down    100%     Up ");
    click("Label10");
    EXPECT_EQ(left.Screen, 20);
    EXPECT_EQ(text("Label14"), "   Open Mouthpiece!       Confirm");
    click("Label10");
    EXPECT_EQ(left.Screen, 21);
    EXPECT_EQ(text("Label14"), "     OPEN O2 VALVE!        Confirm");
    EXPECT_EQ(sounds(), (std::vector<std::string>{"2:alarm.wav"}));  // mouthpiece closed
    s.OxygenValve = "OPEN";
    left.CellPO2 = {0, 0.21, 0.2, 1.005};
    click("Label10");
    EXPECT_EQ(left.Screen, 22);
    EXPECT_EQ(text("Label14"), "   FLUSHING BAG  0.21     0.20     1.00");
    EXPECT_TRUE(sounds().empty());
}

TEST_F(HandsetFixture, MustCalibrateAsksAgainAndNoStillLeadsToTheValvePrompt) {
    sim.view().element("Options.Check1").setChecked(true);
    sim.view().element("Check2").setChecked(false);  // Warnings off: no alarm
    putOn(left, 13);
    click("Label10");
    EXPECT_EQ(left.Screen, 15);
    EXPECT_EQ(text("Label14"), "   MUST CALIBRATE!      YES                     NO ");
    click("Label9");
    EXPECT_EQ(left.Screen, 16);
    EXPECT_EQ(text("Label14"), "    OPEN O2 VALVE    Confirm");
    click("Label10");
    EXPECT_EQ(left.Screen, 17);
    EXPECT_EQ(text("Label14"), "    OPEN O2 VALVE    Confirm");
    EXPECT_TRUE(sounds().empty());
}

TEST_F(HandsetFixture, YesToDiveNowAfterABatteryWarning) {
    putOn(left, 6);
    left.IsMaster = 1;
    s.ScrubberMinutes = 61;
    click("Label8");
    EXPECT_EQ(left.Screen, 2);
    EXPECT_EQ(text("Label14"), "     Elapsed ON Time     1 hrs 1 mins");
    putOn(right, 6);
    click("Label11");
    EXPECT_EQ(right.Screen, 4);
}

TEST_F(HandsetFixture, SetupMenuWalkAndOnTimeReset) {
    putOn(right, 40);
    left.OnMinutes = 125;
    click("Label12");
    EXPECT_EQ(text("Label15"), "     LOW SETPOINT        Down    0.70     UP  ");
    click("Label12");
    EXPECT_EQ(text("Label15"), "      BRIGHTNESS       Down   30      UP  ");
    click("Label12");
    EXPECT_EQ(right.Screen, 43);
    EXPECT_EQ(text("Label15"), "     Elapsed ON Time     2 hrs 5 mins");
    click("Label12");  // Confirm on the question changes nothing
    EXPECT_EQ(right.Screen, 43);
    click("Label11");  // YES
    EXPECT_EQ(left.OnMinutes, 0);
    EXPECT_EQ(right.Screen, 45);
    EXPECT_EQ(text("Label15"), "     Elapsed ON Time     0 hrs 0 mins");
    runTimer("Timer9");
    EXPECT_EQ(right.Screen, 17);

    putOn(left, 43);
    left.OnMinutes = 9;
    click("Label9");  // NO
    EXPECT_EQ(left.Screen, 17);
    EXPECT_EQ(left.OnMinutes, 9);
}

TEST_F(HandsetFixture, EachClickWritesOneMessageAndTheLaterOneWinsItsSecond) {
    putOn(left, 17);
    click("Label9");
    EXPECT_EQ(lastMessage(), "Left handset: right button");
    click("Label10");
    EXPECT_EQ(lastMessage(), "Left handset: middle button");
    runFor(1000);
    EXPECT_EQ(lastMessage(), "");
    // A click with the switch off still reports and re-arms the tick.
    left.SwitchOn = 0;
    left.UnitOn = 0;
    sim.clock().timer("Timer8").setEnabled(false);
    click("Label8");
    EXPECT_EQ(lastMessage(), "Left handset: left button");
    EXPECT_TRUE(sim.clock().timer("Timer8").enabled());
}

TEST_F(HandsetFixture, PressesShowPicturesLightTheDisplayAndStartTheSetpointTick) {
    press("Label10");  // switch off: no picture, no light, but the setpoint tick starts
    EXPECT_EQ(s.SetpointSide, "L");
    EXPECT_EQ(picture("Image2"), "\\HSOff.jpg");
    EXPECT_EQ(sim.view().element("Shape1").fill(), s.DisplayColour);
    EXPECT_TRUE(sim.clock().timer("SetPointTimer").enabled());
    release("Label10");
    EXPECT_FALSE(sim.clock().timer("SetPointTimer").enabled());

    tap("RHOO");
    press("Label12");  // electronics off: picture, no light
    EXPECT_EQ(s.SetpointSide, "R");
    EXPECT_EQ(picture("Image3"), "\\HSMid.jpg");
    EXPECT_FALSE(sim.clock().timer("RHLightTimer").enabled());
    release("Label12");
    EXPECT_EQ(picture("Image3"), "\\HSOn.jpg");

    putOn(right, 17);
    press("Label13");
    EXPECT_EQ(picture("Image3"), "\\HSRight.jpg");
    EXPECT_EQ(sim.view().element("Shape2").fill(), (Rgb{0, 192, 0}));
    EXPECT_EQ(sim.clock().timer("RHLightTimer").interval(), 15000);
    release("Label13");

    putOn(left, 22);
    press("Label8");  // no light while calibrating
    EXPECT_EQ(picture("Image2"), "\\HSLeft.jpg");
    EXPECT_FALSE(sim.clock().timer("LHLightTimer").enabled());
    left.Screen = 17;
    press("Label8");
    EXPECT_EQ(sim.clock().timer("LHLightTimer").interval(), 5000);
}

}  // namespace
}  // namespace loopsim
