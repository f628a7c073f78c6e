#include <gtest/gtest.h>

#include "loop/LoopFixture.h"

namespace loopsim {
namespace {

using loopsim::PrintTo;  // table rows print by their name

using CylinderValveTest = LoopFixture;

struct ToggleCase {
    const char* name;
    const char* element;
    std::string SimulationState::*valve;
    const char* label;
    const char* hideTimer;
    bool startOpen;
    const char* message;  // empty: the toggle writes no message
};

class ValveToggleTest : public LoopFixture, public ::testing::WithParamInterface<ToggleCase> {};

TEST_P(ValveToggleTest, FlipsTheValveAndShowsItsLabel) {
    const ToggleCase& c = GetParam();
    stopTicks();
    s.*c.valve = c.startOpen ? "OPEN" : "OFF";
    const char* expected = c.startOpen ? "OFF" : "OPEN";
    tap(c.element);
    EXPECT_EQ(s.*c.valve, expected);
    EXPECT_EQ(status(), c.message);
    EXPECT_EQ(element(c.label).text(), expected);
    EXPECT_EQ(element(c.label).visible(), true);
    EXPECT_TRUE(timer(c.hideTimer).enabled());
}

INSTANTIATE_TEST_SUITE_P(
    PicturesAndLabels, ValveToggleTest,
    ::testing::Values(ToggleCase{"OxygenPictureOpens", "Image7", &SimulationState::OxygenValve,
                                 "Label6", "Timer2", false, "O2 Valve Opened"},
                      ToggleCase{"OxygenPictureCloses", "Image7", &SimulationState::OxygenValve,
                                 "Label6", "Timer2", true, "O2 Valve Closed"},
                      ToggleCase{"OxygenLabelOpens", "Label6", &SimulationState::OxygenValve,
                                 "Label6", "Timer2", false, ""},
                      ToggleCase{"OxygenLabelCloses", "Label6", &SimulationState::OxygenValve,
                                 "Label6", "Timer2", true, ""},
                      ToggleCase{"DiluentPictureOpens", "Image4", &SimulationState::DiluentValve,
                                 "Label7", "Timer3", false, "Diluent Valve Opened"},
                      ToggleCase{"DiluentPictureCloses", "Image4", &SimulationState::DiluentValve,
                                 "Label7", "Timer3", true, "Diluent Valve Closed"},
                      ToggleCase{"DiluentLabelOpens", "Label7", &SimulationState::DiluentValve,
                                 "Label7", "Timer3", false, ""},
                      ToggleCase{"DiluentLabelCloses", "Label7", &SimulationState::DiluentValve,
                                 "Label7", "Timer3", true, ""}),
    kCaseName);

TEST_F(CylinderValveTest, LabelsStartHiddenWithTheirDesignCaption) {
    EXPECT_EQ(element("Label6").visible(), false);
    EXPECT_EQ(element("Label6").text(), "CLOSED");
    EXPECT_EQ(element("Label7").visible(), false);
    EXPECT_EQ(element("Label7").text(), "CLOSED");
}

TEST_F(CylinderValveTest, LabelToggleTurnsAnyOtherTextOff) {
    s.DiluentValve = "";
    tap("Label7");
    EXPECT_EQ(s.DiluentValve, "OFF");
}

TEST_F(CylinderValveTest, PointingShowsTheStateWithoutChangingIt) {
    act(Verb::Move, "Image4");
    EXPECT_EQ(s.DiluentValve, "OFF");
    EXPECT_EQ(element("Label7").text(), "OFF");
    EXPECT_EQ(element("Label7").visible(), true);
    EXPECT_EQ(status(), "");
}

TEST_F(CylinderValveTest, LabelHidesThreeSecondsAfterTheLastShow) {
    act(Verb::Move, "Image7");
    at(2000);
    act(Verb::Move, "Label6");
    at(4999);
    EXPECT_EQ(element("Label6").visible(), true);
    at(5000);
    EXPECT_EQ(element("Label6").visible(), false);
    EXPECT_FALSE(timer("Timer2").enabled());
}

TEST_F(CylinderValveTest, LabelHidesEvenIfThePointerStaysStill) {
    tap("Image4");
    at(3000);
    EXPECT_EQ(element("Label7").visible(), false);
}

struct ClosingCase {
    const char* name;
    const char* picture;
    void (*fault)(SimulationState&);
    std::vector<int> stoppedChannels;
};

class ValveClosingSoundTest : public LoopFixture,
                              public ::testing::WithParamInterface<ClosingCase> {};

// A stop is allowed with the Sound box unticked, and closing the valve makes one.
TEST_P(ValveClosingSoundTest, StopsTheFreeFlowItFed) {
    const ClosingCase& c = GetParam();
    stopTicks();
    act(Verb::Uncheck, "Check1");
    tap(c.picture);
    c.fault(s);
    at(100);
    tap(c.picture);
    std::vector<SoundCall> expected;
    for (int channel : c.stoppedChannels)
        expected.push_back(stopped(100, channel));
    EXPECT_EQ(takeSounds(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, ValveClosingSoundTest,
    ::testing::Values(
        ClosingCase{"OxygenNoFault", "Image7", [](SimulationState&) {}, {}},
        ClosingCase{"OxygenInjectorStuckOn",
                    "Image7",
                    [](SimulationState& s) { s.OxygenInjectorStuckOn = 1; },
                    {6}},
        ClosingCase{"SolenoidStuckOpen",
                    "Image7",
                    [](SimulationState& s) { s.SolenoidState = "Open"; },
                    {5}},
        ClosingCase{"OxygenBoth",
                    "Image7",
                    [](SimulationState& s) {
                        s.OxygenInjectorStuckOn = 1;
                        s.SolenoidState = "Open";
                    },
                    {6, 5}},
        ClosingCase{"DiluentNoFault", "Image4", [](SimulationState&) {}, {}},
        ClosingCase{"AdvFreeFlow", "Image4", [](SimulationState& s) { s.AdvFreeFlow = 1; }, {6}},
        ClosingCase{"DiluentInjectorStuckOn",
                    "Image4",
                    [](SimulationState& s) { s.DiluentInjectorStuckOn = 1; },
                    {6}}),
    kCaseName);

TEST_F(CylinderValveTest, ClosingTheLabelStopsNothing) {
    tap("Image7");
    s.OxygenInjectorStuckOn = 1;
    takeSounds();
    tap("Label6");
    EXPECT_TRUE(takeSounds().empty());
}

TEST_F(CylinderValveTest, AdvBoxShowsAndHidesTheAdvButton) {
    EXPECT_EQ(element("ADVOn").checked(), true);
    EXPECT_EQ(element("Image17").visible(), true);
    act(Verb::Uncheck, "ADVOn");
    EXPECT_EQ(element("Image17").visible(), false);
    act(Verb::Check, "ADVOn");
    EXPECT_EQ(element("Image17").visible(), true);
}

}  // namespace
}  // namespace loopsim
