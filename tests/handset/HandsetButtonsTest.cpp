#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "HandsetFixture.h"

namespace loopsim {
namespace {

// Turning on, the start-up questions and the setup menus on a whole routine are pinned by the
// pre-dive scenario's recording and dumps; these are the paths it does not take.

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
    EXPECT_EQ(timer("RecordingTimer").due(), 5500);
    EXPECT_EQ(timer("Timer8").due(), 7500);
}

TEST_F(HandsetFixture, ValueMenusStepAndStayWithinTheirBounds) {
    struct Row {
        int screen;
        double start;
        const char* button;  // Label8 Down, Label9 Up
        int clicks;
        double value;  // the screen's own value afterwards
        std::string text;
    };
    const Row rows[] = {
        {18, 710, "Label8", 1, 700, "    Ambient Pressure      Down   700mb     Up "},
        {18, 710, "Label8", 2, 700, "    Ambient Pressure      Down   700mb     Up "},
        {18, 1050, "Label9", 1, 1050, "    Ambient Pressure      Down   1050mb     Up "},
        {18, 1000, "Label9", 3, 1030, "    Ambient Pressure      Down   1030mb     Up "},
        {19, 22, "Label8", 2, 21, "      OXYGEN %      Down    21%     Up "},
        {19, 99, "Label9", 2, 100, "      OXYGEN %      Down    100%     Up "},
        {40, 1.3, "Label9", 1, 1.35, "     HIGH SETPOINT       Down    1.35    UP  "},
        {40, 1.3, "Label9", 4, 1.5, "     HIGH SETPOINT       Down    1.50    UP  "},
        {40, 1.3, "Label9", 5, 1.5, "     HIGH SETPOINT       Down    1.50    UP  "},
        {40, 1.0, "Label8", 1, 1.0, "     HIGH SETPOINT       Down    1.00    UP  "},
        {41, 0.7, "Label8", 4, 0.5, "     LOW SETPOINT        Down    0.50     UP  "},
        {41, 0.7, "Label8", 5, 0.5, "     LOW SETPOINT        Down    0.50     UP  "},
        {41, 0.95, "Label9", 2, 1.0, "     LOW SETPOINT        Down    1.00     UP  "},
        {42, 0, "Label8", 1, 0, "      BRIGHTNESS       Down   0      UP  "},
        {42, 98, "Label9", 2, 99, "      BRIGHTNESS       Down   99      UP  "},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << "screen " << row.screen << ", " << row.clicks
                                          << " clicks on " << row.button);
        HandsetRig rig;
        rig.putOn(rig.left, row.screen);
        rig.s.CalPressure = rig.s.CalOxygenPercent = rig.left.Brightness =
            static_cast<int>(row.start);
        rig.left.HighSetpoint = rig.left.LowSetpoint = row.start;
        for (int i = 0; i < row.clicks; ++i)
            rig.click(row.button);
        EXPECT_EQ(rig.text("Label14"), row.text);
        const std::map<int, double> values = {{18, rig.s.CalPressure},
                                              {19, rig.s.CalOxygenPercent},
                                              {40, rig.left.HighSetpoint},
                                              {41, rig.left.LowSetpoint},
                                              {42, rig.left.Brightness}};
        // Exactly the bounds, not a sum of steps; the other menus' values are not touched.
        for (const auto& [screen, value] : values) {
            const double untouched =
                screen == 40 || screen == 41 ? row.start : std::trunc(row.start);
            EXPECT_EQ(value, screen == row.screen ? row.value : untouched) << screen;
        }
        EXPECT_EQ(rig.left.Screen, row.screen);
    }
}

// One click on a handset's button and what its display shows right after.
struct Step {
    const char* button;
    int screen;
    std::string text;
    std::vector<std::string> sounds = {};
};

void walk(HandsetRig& rig, const HandsetState& handset, const std::vector<Step>& steps) {
    const char* display = &handset == &rig.left ? "Label14" : "Label15";
    for (const Step& step : steps) {
        SCOPED_TRACE(::testing::Message() << step.button << " to screen " << step.screen);
        rig.click(step.button);
        EXPECT_EQ(handset.Screen, step.screen);
        EXPECT_EQ(rig.text(display), step.text);
        EXPECT_EQ(rig.sounds(), step.sounds);
    }
}

TEST_F(HandsetFixture, StartupDialogueOfTheMasterAlarmsAtAClosedDiluentAndMouthpiece) {
    putOn(left, 2, true);
    walk(*this, left,
         {{"Label10", 13, "     CHECK DILUENT!      Confirm    "},
          {"Label10", 14, "     CALIBRATE ?      YES                     NO ", {"2:alarm.wav"}},
          {"Label8", 18, "    Ambient Pressure      Down   1000mb     Up "},
          {"Label10", 19, "      OXYGEN %      Down    100%     Up "},
          {"Label10", 20, "   Open Mouthpiece!       Confirm"},
          {"Label10", 21, "     OPEN O2 VALVE!        Confirm", {"2:alarm.wav"}}});
    s.OxygenValve = ValveState::Open;
    left.CellPO2 = {0, 0.21, 0.2, 1.005};
    walk(*this, left, {{"Label10", 22, "   FLUSHING BAG  0.21     0.20     1.00"}});
}

TEST_F(HandsetFixture, MustCalibrateAsksAgainAndNoStillLeadsToTheValvePrompt) {
    sim.view().element("Options.Check1").setChecked(true);
    sim.view().element("Check2").setChecked(false);  // Warnings off: no alarm
    putOn(left, 13);
    walk(*this, left,
         {{"Label10", 15, "   MUST CALIBRATE!      YES                     NO "},
          {"Label9", 16, "    OPEN O2 VALVE    Confirm"},
          {"Label10", 17, "    OPEN O2 VALVE    Confirm"}});
}

TEST_F(HandsetFixture, YesToDiveNowAfterABatteryWarning) {
    putOn(left, 6, true);
    s.ScrubberMinutes = 61;
    walk(*this, left, {{"Label8", 2, "     Elapsed ON Time     1 hrs 1 mins"}});
    putOn(right, 6);
    click("Label11");
    EXPECT_EQ(right.Screen, 4);
}

TEST_F(HandsetFixture, YesToResetNowClearsTheOnTime) {
    putOn(right, 42);
    left.OnMinutes = 125;
    walk(*this, right,
         {{"Label12", 43, "     Elapsed ON Time     2 hrs 5 mins"},
          {"Label12", 43, "     Elapsed ON Time     2 hrs 5 mins"},    // Confirm: nothing
          {"Label11", 45, "     Elapsed ON Time     0 hrs 0 mins"}});  // YES
    EXPECT_EQ(left.OnMinutes, 0);
    runTimer("Timer9");
    EXPECT_EQ(right.Screen, 17);
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
    timer("Timer8").setEnabled(false);
    click("Label8");
    EXPECT_EQ(lastMessage(), "Left handset: left button");
    EXPECT_TRUE(timer("Timer8").enabled());
}

TEST_F(HandsetFixture, PressesShowPicturesLightTheDisplayAndStartTheSetpointTick) {
    press("Label10");  // switch off: no picture, no light, but the setpoint tick starts
    EXPECT_EQ(s.SetpointSide, "L");
    EXPECT_EQ(picture("Image2"), "\\HSOff.jpg");
    EXPECT_EQ(fill("Shape1"), s.DisplayColour);
    EXPECT_TRUE(timer("SetPointTimer").enabled());
    release("Label10");
    EXPECT_FALSE(timer("SetPointTimer").enabled());

    tap("RHOO");
    press("Label12");  // electronics off: picture, no light
    EXPECT_EQ(s.SetpointSide, "R");
    EXPECT_EQ(picture("Image3"), "\\HSMid.jpg");
    EXPECT_FALSE(timer("RHLightTimer").enabled());
    release("Label12");
    EXPECT_EQ(picture("Image3"), "\\HSOn.jpg");

    putOn(right, 17);
    press("Label13");
    EXPECT_EQ(picture("Image3"), "\\HSRight.jpg");
    EXPECT_EQ(fill("Shape2"), (Rgb{0, 192, 0}));
    EXPECT_EQ(timer("RHLightTimer").interval(), 15000);
    release("Label13");

    putOn(left, 22);
    press("Label8");  // no light while calibrating
    EXPECT_EQ(picture("Image2"), "\\HSLeft.jpg");
    EXPECT_FALSE(timer("LHLightTimer").enabled());
    left.Screen = 17;
    press("Label8");
    EXPECT_EQ(timer("LHLightTimer").interval(), 5000);
}

}  // namespace
}  // namespace loopsim
