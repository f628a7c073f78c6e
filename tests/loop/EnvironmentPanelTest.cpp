#include <gtest/gtest.h>

#include "loop/LoopFixture.h"

namespace loopsim {
namespace {

// Only the panel's handlers act: the loop-gas step would limit LoopPO2 and run the ADV.
struct PanelRig : LoopRig {
    PanelRig() { onlyTicks(); }
};
struct Panel : ::testing::Test, PanelRig {};

TEST(PanelDepth, DownAndBackFollowsBoylesLaw) {
    const std::tuple<double, int, double, double> rows[] = {{20, 1, 20 / 1.1, 0.21 * 1.1},
                                                            {80, 30, 20, 0.84}};
    for (const auto& [volume, depth, volumeThere, loopPO2There] : rows) {
        SCOPED_TRACE(depth);
        PanelRig r;
        r.s.CounterlungVolume = volume;
        while (r.s.Depth < depth)
            r.tap("Image10");
        EXPECT_EQ(r.element("Label1").text(), std::to_string(depth));
        EXPECT_NEAR(r.s.CounterlungVolume, volumeThere, 1e-12);
        EXPECT_NEAR(r.s.LoopPO2, loopPO2There, 1e-12);
        while (r.s.Depth > 0)
            r.tap("Image9");
        EXPECT_EQ(r.element("Label1").text(), "0");
        EXPECT_NEAR(r.s.CounterlungVolume, volume, 1e-12);
        EXPECT_NEAR(r.s.LoopPO2, 0.21, 1e-12);
    }
}

// Gas expanding over a full counterlung escapes with a bubble sound.
TEST(PanelDepth, AscentFrom10mOverAFullCounterlung) {
    const std::tuple<double, double, bool> rows[] = {
        {95, 100, false}, {96, 100, true}, {50, 50 / 0.95, false}};
    for (const auto& [volumeAt10m, volumeAt9m, bubbles] : rows) {
        PanelRig r;
        r.s.Depth = 10;
        r.s.CounterlungVolume = volumeAt10m;
        r.tap("Image9");
        EXPECT_DOUBLE_EQ(r.s.CounterlungVolume, volumeAt9m) << volumeAt10m;
        EXPECT_EQ(r.takeSounds(), bubbles ? std::vector{LoopRig::played(0, 1, "bubbles.wav")}
                                          : std::vector<SoundCall>{});
    }
}

TEST_F(Panel, AscentLimitsLoopPO2ToTheAbsolutePressure) {
    // Above the pressure until the next loop-gas step would have limited it.
    s.Depth = 10;
    s.LoopPO2 = 2.05;
    tap("Image9");
    EXPECT_DOUBLE_EQ(s.LoopPO2, 1.913);
}

TEST_F(Panel, DescentStopsAtFortyMetres) {
    s.Depth = 40;
    tap("Image10");
    EXPECT_EQ(s.Depth, 40);
    EXPECT_EQ(s.CounterlungVolume, 20);
    EXPECT_EQ(s.LoopPO2, 0.21);
    EXPECT_EQ(element("Image11").visible(), false);
    EXPECT_EQ(element("Image9").visible(), true);
}

TEST_F(Panel, ArrowsShowWhatCanChangeAtTheSurfaceAndUnderWater) {
    auto visibleArrows = [this] {
        std::string shown;
        for (int number = 9; number <= 16; ++number)
            shown += element("Image" + std::to_string(number)).isVisible() ? '1' : '0';
        return shown;
    };
    EXPECT_EQ(visibleArrows(), "01111111");
    tap("Image10");
    EXPECT_EQ(visibleArrows(), "11000011");
    tap("Image10");
    tap("Image9");
    EXPECT_EQ(visibleArrows(), "11000011");
    tap("Image9");
    EXPECT_EQ(visibleArrows(), "01111111");
}

// Entering the water without breathing from the loop sounds the alarm, if both boxes allow.
TEST(PanelDepth, WaterEntryWarnsWithoutBreathingFromTheLoop) {
    struct Row {
        const char* name;
        int depth;
        int breathing;
        const char* untickedBox;
        bool alarm;
    };
    const Row rows[] = {{"not breathing", 0, 0, nullptr, true},
                        {"breathing", 0, 1, nullptr, false},
                        {"already under water", 3, 0, nullptr, false},
                        {"Warnings unticked", 0, 0, "Check2", false},
                        {"Sound unticked", 0, 0, "Check1", false}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        PanelRig r;
        r.s.Depth = row.depth;
        r.s.Breathing = row.breathing;
        if (row.untickedBox)
            r.act(Verb::Uncheck, row.untickedBox);
        r.tap("Image10");
        EXPECT_EQ(r.s.Depth, row.depth + 1);
        EXPECT_EQ(r.takeSounds(), row.alarm ? std::vector{LoopRig::played(0, 2, "alarm.wav")}
                                            : std::vector<SoundCall>{});
    }
}

// With the failure in force the display darkens in 10 m bands from 6 m; without it, it
// returns to its own green.
TEST(PanelDepth, DisplayDarkensWithDepthOnlyWhenTheFailureIsInForce) {
    const Rgb green{30, 100, 30};
    const std::pair<int, Rgb> rows[] = {{1, green},         {5, green},         {6, {15, 50, 15}},
                                        {15, {15, 50, 15}}, {16, {10, 30, 10}}, {25, {10, 30, 10}},
                                        {26, {5, 15, 5}},   {35, {5, 15, 5}},   {36, {1, 5, 1}},
                                        {40, {1, 5, 1}}};
    for (const auto& [depth, dark] : rows) {
        SCOPED_TRACE(depth);
        PanelRig r;
        r.s.Depth = depth - 1;
        r.s.DarkAtDepth = 1;
        r.tap("Image10");
        EXPECT_EQ(r.s.DisplayColour, dark);
        EXPECT_EQ(r.element("Shape1").fill(), dark);
        EXPECT_EQ(r.element("Shape2").fill(), dark);
        r.s.DarkAtDepth = 0;
        r.tap("Image9");
        EXPECT_EQ(r.s.DisplayColour, green);
        EXPECT_EQ(r.element("Shape2").fill(), green);
    }
}

// The press on the descent arrow, with no click after it, switches both units off.
TEST(PanelDepth, BatteryBounceSwitchesBothUnitsOffOnThePressAtTheSurface) {
    const std::tuple<bool, int, bool> rows[] = {
        {true, 0, true}, {false, 0, false}, {true, 4, false}};
    for (const auto& [boxTicked, depth, unitsOff] : rows) {
        SCOPED_TRACE(std::to_string(boxTicked) + " at " + std::to_string(depth));
        PanelRig r;
        EXPECT_EQ(r.element("Options.Check7").checked(), false);
        if (boxTicked)
            r.act(Verb::Check, "Options.Check7");
        r.s.Depth = depth;
        r.s.LeftHandset.UnitOn = 1;
        r.s.RightHandset.UnitOn = 1;
        r.act(Verb::Press, "Image10");
        EXPECT_EQ(r.s.LeftHandset.UnitOn, unitsOff ? 0 : 1);
        EXPECT_EQ(r.s.RightHandset.UnitOn, unitsOff ? 0 : 1);
        EXPECT_EQ(r.status(), unitsOff ? "Battery Bounce" : "");
        EXPECT_EQ(r.s.Depth, depth);
    }
}

// Image11 to Image16 step the pressure, the analysis and the rate, each down then up.
TEST(PanelArrows, StepWithinTheirLimits) {
    struct Row {
        int arrow;
        double before;
        double after;
        const char* shown;
        int ambientPressure = 1013;
    };
    const Row rows[] = {{11, 752, 751, "751"},    {11, 751, 750, "750"},   {12, 1013, 1014, "1014"},
                        {12, 1050, 1050, "1050"}, {13, 2, 1, "1"},         {14, 100, 101, "101"},
                        {14, 101, 101, "101"},    {14, 80, 80, "80", 809}, {15, 0.2, 0.1, "0.1"},
                        {15, 0, 0.1, "0.1"},      {16, 1, 1.1, "1.1"},     {16, 25, 25.1, "25.1"}};
    for (const Row& row : rows) {
        SCOPED_TRACE("Image" + std::to_string(row.arrow) + " from " + std::to_string(row.before));
        PanelRig r;
        const int quantity = (row.arrow - 11) / 2;
        r.s.AmbientPressure = quantity == 0 ? static_cast<int>(row.before) : row.ambientPressure;
        if (quantity == 1)
            r.s.OxygenAnalysis = static_cast<int>(row.before);
        if (quantity == 2)
            r.s.MetabolicRate = row.before;
        r.tap("Image" + std::to_string(row.arrow));
        const double values[] = {double(r.s.AmbientPressure), double(r.s.OxygenAnalysis),
                                 r.s.MetabolicRate};
        EXPECT_DOUBLE_EQ(values[quantity], row.after);
        EXPECT_EQ(r.element("Label" + std::to_string(2 + quantity)).text(), row.shown);
    }
}

TEST_F(Panel, SurfaceArrowsDoNothingUnderWater) {
    s.Depth = 1;
    for (const char* arrow : {"Image11", "Image12", "Image13", "Image14"})
        tap(arrow);
    EXPECT_EQ(s.AmbientPressure, 1013);
    EXPECT_EQ(s.OxygenAnalysis, 100);
}

// The three readouts ask for a value; answers are limited and stored, anything else keeps
// the value and the readout.
TEST(PanelPrompts, NumericAnswersAreLimitedAndStored) {
    struct Prompt {
        const char* readout;
        Verb opens;
        const char* prompt;
        const char* title;
        const char* defaultText;
    };
    const Prompt prompts[] = {
        {"Label2", Verb::Click, "Ambient Pressure ?", "Ambient Pressure in Millibars", "1013"},
        {"Label3", Verb::DblClick, "Oxygen Percentage ?", "Oxygen Analysis as a percentage", "100"},
        {"Label4", Verb::Click, "Metabolic Rate ?", "MetabolicRate in litres per minute", "1"}};
    struct Row {
        int prompt;
        const char* answer;  // nullptr: cancelled
        double expected;
        const char* shown;  // nullptr: the readout is left as it was
    };
    const Row rows[] = {
        {0, "990", 990, "990"},      {0, "1500", 1050, "1050"},  {0, "700", 750, "750"},
        {0, "999.9", 999, "999"},    {0, "high", 1013, nullptr}, {0, "", 1013, nullptr},
        {0, nullptr, 1013, nullptr}, {1, "20.9", 20, "20"},      {1, "-3", 0, "0"},
        {1, "150", 101, "101"},      {2, "1.333", 1.33, "1.33"}, {2, "0.996", 1, "1.00"},
        {2, "25", 20, "20.00"},      {2, "-1", 0, "0.00"},       {2, "fast", 1, nullptr}};
    for (const Row& row : rows) {
        const Prompt& p = prompts[row.prompt];
        SCOPED_TRACE(std::string(p.readout) + " answered " +
                     (row.answer ? row.answer : "(cancel)"));
        PanelRig r;
        const std::string shownBefore = r.element(p.readout).textOrEmpty();
        r.act(p.opens, p.readout);
        const auto& open = r.sim.dialogs().prompt();
        ASSERT_TRUE(open);
        EXPECT_EQ(open->prompt, p.prompt);
        EXPECT_EQ(open->title, p.title);
        EXPECT_EQ(open->defaultText, p.defaultText);
        if (row.answer)
            r.act(Verb::Answer, {}, row.answer);
        else
            r.act(Verb::Cancel);
        EXPECT_FALSE(r.sim.dialogs().prompt());
        const double values[] = {double(r.s.AmbientPressure), double(r.s.OxygenAnalysis),
                                 r.s.MetabolicRate};
        EXPECT_DOUBLE_EQ(values[row.prompt], row.expected);
        EXPECT_EQ(r.element(p.readout).textOrEmpty(), row.shown ? row.shown : shownBefore);
    }
}

TEST_F(Panel, SurfaceOnlyPromptsDoNotOpenUnderWater) {
    tap("Image10");
    act(Verb::Click, "Label2");
    EXPECT_FALSE(sim.dialogs().prompt());
    act(Verb::DblClick, "Label3");
    EXPECT_FALSE(sim.dialogs().prompt());
    act(Verb::Click, "Label4");
    ASSERT_TRUE(sim.dialogs().prompt());
    act(Verb::Answer, {}, "2");
    EXPECT_EQ(s.MetabolicRate, 2);
}

TEST_F(Panel, TypedRateIsOfferedBackAsTypedUntilTheRateChanges) {
    act(Verb::Click, "Label4");
    act(Verb::Answer, {}, "1.3");
    act(Verb::Click, "Label4");
    EXPECT_EQ(sim.dialogs().prompt()->defaultText, "1.30");
    act(Verb::Cancel);
    s.MetabolicRate = s.MetabolicRate + 0.1;  // as CO2 breakthrough raises it
    act(Verb::Click, "Label4");
    EXPECT_EQ(sim.dialogs().prompt()->defaultText, "1.4");
}

TEST_F(Panel, SoundBoxOnlyStopsNewSounds) {
    EXPECT_EQ(element("Check1").checked(), true);
    EXPECT_EQ(element("Check2").checked(), true);
    tap("Image7");
    act(Verb::Press, "Image6");
    takeSounds();
    act(Verb::Uncheck, "Check1");
    EXPECT_EQ(s.SoundEnabled, 0);
    // The hiss already playing goes on: the release leaves its channel alone.
    act(Verb::Release, "Image6");
    EXPECT_TRUE(takeSounds().empty());
    act(Verb::Check, "Check1");
    EXPECT_EQ(s.SoundEnabled, 1);
}

}  // namespace
}  // namespace loopsim
