#include <gtest/gtest.h>

#include "loop/LoopFixture.h"

namespace loopsim {
namespace {

using ValveLabel = LoopFixture;

// A click on the valve's picture or on its label flips the valve and shows the label; only
// the picture writes a message.
TEST(CylinderValve, PictureAndLabelFlipTheValve) {
    struct Row {
        const char* element;
        bool oxygen;  // else diluent
        bool startOpen;
        const char* message;
    };
    const Row rows[] = {
        {"Image7", true, false, "O2 Valve Opened"},
        {"Image7", true, true, "O2 Valve Closed"},
        {"Label6", true, false, ""},
        {"Label6", true, true, ""},
        {"Image4", false, false, "Diluent Valve Opened"},
        {"Image4", false, true, "Diluent Valve Closed"},
        {"Label7", false, false, ""},
        {"Label7", false, true, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.element) + (row.startOpen ? " closes" : " opens"));
        LoopRig r;
        ValveState& valve = row.oxygen ? r.s.OxygenValve : r.s.DiluentValve;
        const char* label = row.oxygen ? "Label6" : "Label7";
        valve = row.startOpen ? ValveState::Open : ValveState::Off;
        r.tap(row.element);
        const ValveState expected = row.startOpen ? ValveState::Off : ValveState::Open;
        EXPECT_EQ(valve, expected);
        EXPECT_EQ(r.status(), row.message);
        EXPECT_EQ(r.element(label).text(), text(expected));
        EXPECT_EQ(r.element(label).visible(), true);
        EXPECT_TRUE(r.timer(row.oxygen ? "Timer2" : "Timer3").enabled());
    }
}

TEST_F(ValveLabel, PointingShowsItForThreeSecondsAfterTheLastMove) {
    EXPECT_EQ(element("Label6").visible(), false);
    act(Verb::Move, "Image7");
    EXPECT_EQ(s.OxygenValve, ValveState::Off);
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

// Closing the valve stops the free flow it fed, with or without the Sound box; the label
// toggles silently.
TEST(CylinderValve, ClosingStopsTheFreeFlowItFed) {
    struct Row {
        const char* name;
        bool oxygen;
        void (*fault)(SimulationState&);
        int channel;
    };
    const Row rows[] = {
        {"oxygen injector stuck on", true, [](SimulationState& s) { s.OxygenInjectorStuckOn = 1; },
         6},
        {"solenoid stuck open", true,
         [](SimulationState& s) { s.SolenoidState = SolenoidCondition::StuckOpen; }, 5},
        {"ADV free flow", false, [](SimulationState& s) { s.AdvFreeFlow = 1; }, 6},
        {"diluent injector stuck on", false,
         [](SimulationState& s) { s.DiluentInjectorStuckOn = 1; }, 6},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        LoopRig r;
        const char* picture = row.oxygen ? "Image7" : "Image4";
        const char* label = row.oxygen ? "Label6" : "Label7";
        r.act(Verb::Uncheck, "Check1");
        r.tap(picture);
        row.fault(r.s);
        r.tap(label);
        r.tap(label);
        EXPECT_TRUE(r.takeSounds().empty());
        r.at(100);
        r.tap(picture);
        EXPECT_EQ(r.takeSounds(), (std::vector<SoundCall>{LoopRig::stopped(100, row.channel)}));
    }
}

}  // namespace
}  // namespace loopsim
