#include <gtest/gtest.h>

#include "loop/LoopFixture.h"

namespace loopsim {
namespace {

using loopsim::PrintTo;  // table rows print by their name

// Only the panel's handlers act: the loop-gas step would limit LoopPO2 and run the ADV.
class EnvironmentPanelTest : public LoopFixture {
  protected:
    void SetUp() override { stopTicks(); }
    void descendTo(int depth) {
        while (s.Depth < depth)
            tap("Image10");
    }
    void ascendTo(int depth) {
        while (s.Depth > depth)
            tap("Image9");
    }
};

TEST_F(EnvironmentPanelTest, OneMetreDownAndBackRestoresTheLoop) {
    tap("Image10");
    EXPECT_EQ(s.Depth, 1);
    EXPECT_EQ(element("Label1").text(), "1");
    EXPECT_DOUBLE_EQ(s.CounterlungVolume, 20 / 1.1);
    EXPECT_DOUBLE_EQ(s.LoopPO2, 0.21 * 1.1);
    tap("Image9");
    EXPECT_EQ(s.Depth, 0);
    EXPECT_EQ(element("Label1").text(), "0");
    EXPECT_DOUBLE_EQ(s.CounterlungVolume, 20);
    EXPECT_DOUBLE_EQ(s.LoopPO2, 0.21);
}

TEST_F(EnvironmentPanelTest, ThirtyMetresDownAndBackFollowsBoylesLaw) {
    s.CounterlungVolume = 80;
    descendTo(30);
    EXPECT_NEAR(s.CounterlungVolume, 20, 1e-12);
    EXPECT_NEAR(s.LoopPO2, 0.84, 1e-12);
    ascendTo(0);
    EXPECT_NEAR(s.CounterlungVolume, 80, 1e-12);
    EXPECT_NEAR(s.LoopPO2, 0.21, 1e-12);
}

struct AscentCase {
    const char* name;
    double volumeAt10m;
    double volumeAt9m;
    bool bubbles;
};

class AscentTest : public EnvironmentPanelTest, public ::testing::WithParamInterface<AscentCase> {};

TEST_P(AscentTest, ExpandingGasOverAFullCounterlungEscapes) {
    const AscentCase& c = GetParam();
    s.Depth = 10;
    s.CounterlungVolume = c.volumeAt10m;
    tap("Image9");
    EXPECT_DOUBLE_EQ(s.CounterlungVolume, c.volumeAt9m);
    const auto sounds = takeSounds();
    if (c.bubbles)
        EXPECT_EQ(sounds, (std::vector<SoundCall>{played(0, 1, "bubbles.wav")}));
    else
        EXPECT_TRUE(sounds.empty());
}

INSTANTIATE_TEST_SUITE_P(Volumes, AscentTest,
                         ::testing::Values(AscentCase{"Exactly100", 95, 100, false},
                                           AscentCase{"Over100", 96, 100, true},
                                           AscentCase{"HalfFull", 50, 50 / 0.95, false}),
                         kCaseName);

TEST_F(EnvironmentPanelTest, AscentLimitsLoopPO2ToTheAbsolutePressure) {
    // Above the pressure until the next loop-gas step would have limited it.
    s.Depth = 10;
    s.LoopPO2 = 2.05;
    tap("Image9");
    EXPECT_DOUBLE_EQ(s.LoopPO2, 1.913);
}

TEST_F(EnvironmentPanelTest, DescentStopsAtFortyMetres) {
    s.Depth = 40;
    tap("Image10");
    EXPECT_EQ(s.Depth, 40);
    EXPECT_EQ(s.CounterlungVolume, 20);
    EXPECT_EQ(s.LoopPO2, 0.21);
    EXPECT_EQ(element("Image11").visible(), false);
    EXPECT_EQ(element("Image9").visible(), true);
}

TEST_F(EnvironmentPanelTest, ArrowsShowWhatCanChangeAtTheSurfaceAndUnderWater) {
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

struct EntryCase {
    const char* name;
    int depth;
    bool breathing;
    bool warnings;
    bool sound;
    bool alarm;
};

class WaterEntryTest : public EnvironmentPanelTest,
                       public ::testing::WithParamInterface<EntryCase> {};

TEST_P(WaterEntryTest, WarnsWhenEnteringWithoutBreathingFromTheLoop) {
    const EntryCase& c = GetParam();
    s.Depth = c.depth;
    s.Breathing = c.breathing;
    if (!c.warnings)
        act(Verb::Uncheck, "Check2");
    if (!c.sound)
        act(Verb::Uncheck, "Check1");
    tap("Image10");
    EXPECT_EQ(s.Depth, c.depth + 1);
    const auto sounds = takeSounds();
    if (c.alarm)
        EXPECT_EQ(sounds, (std::vector<SoundCall>{played(0, 2, "alarm.wav")}));
    else
        EXPECT_TRUE(sounds.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Entries, WaterEntryTest,
    ::testing::Values(EntryCase{"NotBreathing", 0, false, true, true, true},
                      EntryCase{"Breathing", 0, true, true, true, false},
                      EntryCase{"AlreadyUnderWater", 3, false, true, true, false},
                      EntryCase{"WarningsUnticked", 0, false, false, true, false},
                      EntryCase{"SoundUnticked", 0, false, true, false, false}),
    kCaseName);

struct ColourCase {
    const char* name;
    int depth;
    Rgb dark;
};

class DisplayColourTest : public EnvironmentPanelTest,
                          public ::testing::WithParamInterface<ColourCase> {};

TEST_P(DisplayColourTest, DarkensWithDepthOnlyWhenTheFailureIsInForce) {
    const ColourCase& c = GetParam();
    s.Depth = c.depth - 1;
    s.DarkAtDepth = 1;
    tap("Image10");
    EXPECT_EQ(s.DisplayColour, c.dark);
    EXPECT_EQ(element("Shape1").fill(), c.dark);
    EXPECT_EQ(element("Shape2").fill(), c.dark);
    s.DarkAtDepth = 0;
    tap("Image9");
    EXPECT_EQ(s.DisplayColour, (Rgb{30, 100, 30}));
    EXPECT_EQ(element("Shape2").fill(), (Rgb{30, 100, 30}));
}

INSTANTIATE_TEST_SUITE_P(
    Depths, DisplayColourTest,
    ::testing::Values(ColourCase{"Depth1", 1, {30, 100, 30}},
                      ColourCase{"Depth5", 5, {30, 100, 30}}, ColourCase{"Depth6", 6, {15, 50, 15}},
                      ColourCase{"Depth15", 15, {15, 50, 15}},
                      ColourCase{"Depth16", 16, {10, 30, 10}},
                      ColourCase{"Depth25", 25, {10, 30, 10}},
                      ColourCase{"Depth26", 26, {5, 15, 5}}, ColourCase{"Depth35", 35, {5, 15, 5}},
                      ColourCase{"Depth36", 36, {1, 5, 1}}, ColourCase{"Depth40", 40, {1, 5, 1}}),
    kCaseName);

struct BounceCase {
    const char* name;
    bool boxTicked;
    int depth;
    bool unitsOff;
};

class BatteryBounceTest : public EnvironmentPanelTest,
                          public ::testing::WithParamInterface<BounceCase> {};

TEST_P(BatteryBounceTest, SwitchesBothUnitsOffOnThePressAtTheSurface) {
    const BounceCase& c = GetParam();
    EXPECT_EQ(element("Options.Check7").checked(), false);
    if (c.boxTicked)
        act(Verb::Check, "Options.Check7");
    s.Depth = c.depth;
    s.LeftHandset.UnitOn = 1;
    s.RightHandset.UnitOn = 1;
    act(Verb::Press, "Image10");  // no click needs to follow
    EXPECT_EQ(s.LeftHandset.UnitOn, c.unitsOff ? 0 : 1);
    EXPECT_EQ(s.RightHandset.UnitOn, c.unitsOff ? 0 : 1);
    EXPECT_EQ(status(), c.unitsOff ? "Battery Bounce" : "");
    EXPECT_EQ(s.Depth, c.depth);
}

INSTANTIATE_TEST_SUITE_P(Boxes, BatteryBounceTest,
                         ::testing::Values(BounceCase{"TickedAtSurface", true, 0, true},
                                           BounceCase{"UntickedAtSurface", false, 0, false},
                                           BounceCase{"TickedUnderWater", true, 4, false}),
                         kCaseName);

double ambient(const SimulationState& s) {
    return s.AmbientPressure;
}
double analysis(const SimulationState& s) {
    return s.OxygenAnalysis;
}
double rate(const SimulationState& s) {
    return s.MetabolicRate;
}

struct ArrowCase {
    const char* name;
    int arrow;  // Image11 to Image16: pressure, analysis and rate, each down then up
    double before;
    double after;
    const char* shown;
    int AmbientPressure = 1013;
};

class ArrowClampTest : public EnvironmentPanelTest,
                       public ::testing::WithParamInterface<ArrowCase> {};

TEST_P(ArrowClampTest, StepsAndStaysWithinItsLimits) {
    const ArrowCase& c = GetParam();
    const int quantity = (c.arrow - 11) / 2;
    s.AmbientPressure = quantity == 0 ? static_cast<int>(c.before) : c.AmbientPressure;
    if (quantity == 1)
        s.OxygenAnalysis = static_cast<int>(c.before);
    if (quantity == 2)
        s.MetabolicRate = c.before;
    tap("Image" + std::to_string(c.arrow));
    double (*const read[])(const SimulationState&) = {ambient, analysis, rate};
    EXPECT_DOUBLE_EQ(read[quantity](s), c.after);
    EXPECT_EQ(element("Label" + std::to_string(2 + quantity)).text(), c.shown);
}

INSTANTIATE_TEST_SUITE_P(Arrows, ArrowClampTest,
                         ::testing::Values(ArrowCase{"PressureDownTo751", 11, 752, 751, "751"},
                                           ArrowCase{"PressureDownBelow751", 11, 751, 750, "750"},
                                           ArrowCase{"PressureUp", 12, 1013, 1014, "1014"},
                                           ArrowCase{"PressureUpAtTop", 12, 1050, 1050, "1050"},
                                           ArrowCase{"AnalysisDownToOne", 13, 2, 1, "1"},
                                           ArrowCase{"AnalysisUpAbove100", 14, 100, 101, "101"},
                                           ArrowCase{"AnalysisUpAtLimit", 14, 101, 101, "101"},
                                           ArrowCase{"AnalysisUpAtLowPressure", 14, 80, 80, "80",
                                                     809},
                                           ArrowCase{"RateDownToTheFloor", 15, 0.2, 0.1, "0.1"},
                                           ArrowCase{"RateDownFromZero", 15, 0, 0.1, "0.1"},
                                           ArrowCase{"RateUp", 16, 1, 1.1, "1.1"},
                                           ArrowCase{"RateUpHasNoLimit", 16, 25, 25.1, "25.1"}),
                         kCaseName);

TEST_F(EnvironmentPanelTest, SurfaceArrowsDoNothingUnderWater) {
    s.Depth = 1;
    for (const char* arrow : {"Image11", "Image12", "Image13", "Image14"})
        tap(arrow);
    EXPECT_EQ(s.AmbientPressure, 1013);
    EXPECT_EQ(s.OxygenAnalysis, 100);
}

struct TypedCase {
    const char* name;
    const char* readout;
    Verb opens;
    const char* prompt;
    const char* title;
    const char* defaultText;
    const char* answer;  // nullptr: cancelled
    double (*read)(const SimulationState&);
    double expected;
    const char* shown;
};

class TypedValueTest : public EnvironmentPanelTest,
                       public ::testing::WithParamInterface<TypedCase> {};

TEST_P(TypedValueTest, NumericAnswersAreLimitedAndStored) {
    const TypedCase& c = GetParam();
    const std::string shownBefore = element(c.readout).textOrEmpty();
    act(c.opens, c.readout);
    const auto& prompt = sim.dialogs().prompt();
    ASSERT_TRUE(prompt);
    EXPECT_EQ(prompt->prompt, c.prompt);
    EXPECT_EQ(prompt->title, c.title);
    EXPECT_EQ(prompt->defaultText, c.defaultText);
    if (c.answer)
        act(Verb::Answer, {}, c.answer);
    else
        act(Verb::Cancel);
    EXPECT_FALSE(sim.dialogs().prompt());
    EXPECT_DOUBLE_EQ(c.read(s), c.expected);
    EXPECT_EQ(element(c.readout).textOrEmpty(), c.shown ? c.shown : shownBefore);
}

constexpr const char* kPressurePrompt = "Ambient Pressure ?";
constexpr const char* kPressureTitle = "Ambient Pressure in Millibars";
constexpr const char* kAnalysisPrompt = "Oxygen Percentage ?";
constexpr const char* kAnalysisTitle = "Oxygen Analysis as a percentage";
constexpr const char* kRatePrompt = "Metabolic Rate ?";
constexpr const char* kRateTitle = "MetabolicRate in litres per minute";

TypedCase pressure(const char* name, const char* answer, double expected, const char* shown) {
    return {name,   "Label2", Verb::Click, kPressurePrompt, kPressureTitle,
            "1013", answer,   ambient,     expected,        shown};
}
TypedCase oxygen(const char* name, const char* answer, double expected, const char* shown) {
    return {name,  "Label3", Verb::DblClick, kAnalysisPrompt, kAnalysisTitle,
            "100", answer,   analysis,       expected,        shown};
}
TypedCase metabolic(const char* name, const char* answer, double expected, const char* shown) {
    return {name, "Label4", Verb::Click, kRatePrompt, kRateTitle,
            "1",  answer,   rate,        expected,    shown};
}

INSTANTIATE_TEST_SUITE_P(Answers, TypedValueTest,
                         ::testing::Values(pressure("PressureInRange", "990", 990, "990"),
                                           pressure("PressureAboveTop", "1500", 1050, "1050"),
                                           pressure("PressureBelowBottom", "700", 750, "750"),
                                           pressure("PressureRoundedDown", "999.9", 999, "999"),
                                           pressure("PressureNotANumber", "high", 1013, nullptr),
                                           pressure("PressureEmpty", "", 1013, nullptr),
                                           pressure("PressureCancelled", nullptr, 1013, nullptr),
                                           oxygen("AnalysisRoundedDown", "20.9", 20, "20"),
                                           oxygen("AnalysisBelowZero", "-3", 0, "0"),
                                           oxygen("AnalysisAboveTheLimit", "150", 101, "101"),
                                           metabolic("RateTwoDecimals", "1.333", 1.33, "1.33"),
                                           metabolic("RateRoundedUp", "0.996", 1, "1.00"),
                                           metabolic("RateAboveTop", "25", 20, "20.00"),
                                           metabolic("RateBelowZero", "-1", 0, "0.00"),
                                           metabolic("RateNotANumber", "fast", 1, nullptr)),
                         kCaseName);

TEST_F(EnvironmentPanelTest, SurfaceOnlyPromptsDoNotOpenUnderWater) {
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

TEST_F(EnvironmentPanelTest, TypedRateIsOfferedBackAsTypedUntilTheRateChanges) {
    act(Verb::Click, "Label4");
    act(Verb::Answer, {}, "1.3");
    act(Verb::Click, "Label4");
    EXPECT_EQ(sim.dialogs().prompt()->defaultText, "1.30");
    act(Verb::Cancel);
    s.MetabolicRate = s.MetabolicRate + 0.1;  // as CO2 breakthrough raises it
    act(Verb::Click, "Label4");
    EXPECT_EQ(sim.dialogs().prompt()->defaultText, "1.4");
}

TEST_F(EnvironmentPanelTest, SoundBoxOnlyStopsNewSounds) {
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
