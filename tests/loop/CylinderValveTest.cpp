#include <gtest/gtest.h>

#include "loop/LoopFixture.h"

namespace loopsim {
namespace {

using loopsim::PrintTo;  // table rows print by their name

using CylinderValveTest = LoopFixture;

struct ToggleCase {
    const char* name;
    const char* element;
    bool oxygen;  // else diluent
    bool startOpen;
    const char* message;  // empty: the toggle writes no message
};

class ValveToggleTest : public LoopFixture, public ::testing::WithParamInterface<ToggleCase> {};

TEST_P(ValveToggleTest, FlipsTheValveAndShowsItsLabel) {
    const ToggleCase& c = GetParam();
    std::string& valve = c.oxygen ? s.OxygenValve : s.DiluentValve;
    const char* label = c.oxygen ? "Label6" : "Label7";
    valve = c.startOpen ? "OPEN" : "OFF";
    tap(c.element);
    const char* expected = c.startOpen ? "OFF" : "OPEN";
    EXPECT_EQ(valve, expected);
    EXPECT_EQ(status(), c.message);
    EXPECT_EQ(element(label).text(), expected);
    EXPECT_EQ(element(label).visible(), true);
    EXPECT_TRUE(timer(c.oxygen ? "Timer2" : "Timer3").enabled());
}

INSTANTIATE_TEST_SUITE_P(
    PicturesAndLabels, ValveToggleTest,
    ::testing::Values(
        ToggleCase{"OxygenPictureOpens", "Image7", true, false, "O2 Valve Opened"},
        ToggleCase{"OxygenPictureCloses", "Image7", true, true, "O2 Valve Closed"},
        ToggleCase{"OxygenLabelOpens", "Label6", true, false, ""},
        ToggleCase{"OxygenLabelCloses", "Label6", true, true, ""},
        ToggleCase{"DiluentPictureOpens", "Image4", false, false, "Diluent Valve Opened"},
        ToggleCase{"DiluentPictureCloses", "Image4", false, true, "Diluent Valve Closed"},
        ToggleCase{"DiluentLabelOpens", "Label7", false, false, ""},
        ToggleCase{"DiluentLabelCloses", "Label7", false, true, ""}),
    kCaseName);

TEST_F(CylinderValveTest, PointingShowsTheLabelForThreeSecondsAfterTheLastMove) {
    EXPECT_EQ(element("Label6").visible(), false);
    act(Verb::Move, "Image7");
    EXPECT_EQ(s.OxygenValve, "OFF");
    EXPECT_EQ(element("Label6").text(), "OFF");
    at(2000);
    act(Verb::Move, "Label6");
    at(4999);
    EXPECT_EQ(element("Label6").visible(), true);
    at(5000);
    EXPECT_EQ(element("Label6").visible(), false);
    EXPECT_FALSE(timer("Timer2").enabled());
    EXPECT_EQ(status(), "");
}

struct ClosingCase {
    const char* name;
    const char* picture;
    const char* label;
    void (*fault)(SimulationState&);
    int channel;
};

class ValveClosingSoundTest : public LoopFixture,
                              public ::testing::WithParamInterface<ClosingCase> {};

// Closing the valve stops the free flow it fed, with or without the Sound box.
TEST_P(ValveClosingSoundTest, StopsTheFreeFlowItFed) {
    const ClosingCase& c = GetParam();
    act(Verb::Uncheck, "Check1");
    tap(c.picture);
    c.fault(s);
    tap(c.label);
    tap(c.label);
    EXPECT_TRUE(takeSounds().empty()) << "the label toggles silently";
    at(100);
    tap(c.picture);
    EXPECT_EQ(takeSounds(), (std::vector<SoundCall>{stopped(100, c.channel)}));
}

INSTANTIATE_TEST_SUITE_P(
    Faults, ValveClosingSoundTest,
    ::testing::Values(ClosingCase{"OxygenInjectorStuckOn", "Image7", "Label6",
                                  [](SimulationState& s) { s.OxygenInjectorStuckOn = 1; }, 6},
                      ClosingCase{"SolenoidStuckOpen", "Image7", "Label6",
                                  [](SimulationState& s) { s.SolenoidState = "Open"; }, 5},
                      ClosingCase{"AdvFreeFlow", "Image4", "Label7",
                                  [](SimulationState& s) { s.AdvFreeFlow = 1; }, 6},
                      ClosingCase{"DiluentInjectorStuckOn", "Image4", "Label7",
                                  [](SimulationState& s) { s.DiluentInjectorStuckOn = 1; }, 6}),
    kCaseName);

}  // namespace
}  // namespace loopsim
