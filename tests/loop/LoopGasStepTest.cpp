#include <gtest/gtest.h>

#include "core/Simulation.h"
#include "loop/LoopPhysics.h"

namespace loopsim {
namespace {

// Runs exactly one loop-gas step (the first falls due at 503 ms).
struct LoopGasFixture : ::testing::Test {
    Simulation simulation;
    SimulationState& s = simulation.state();

    void runOneStep() { simulation.advanceTo(simulation.now() + 503); }
    const ElementView& element(const char* name) { return *simulation.view().find(name); }
};

TEST_F(LoopGasFixture, PressureLimitAtTheSurface) {
    s.LoopPO2 = 1.2;
    runOneStep();
    EXPECT_DOUBLE_EQ(s.LoopPO2, 1.013);
    // The readout was written before the limit, the limit shows on the next step.
    EXPECT_EQ(element("Label16").text(), "1.20");
    runOneStep();
    EXPECT_EQ(element("Label16").text(), "1.01");
}

TEST_F(LoopGasFixture, AdvMixesHalfALitreOfAir) {
    s.DiluentValve = "OPEN";
    s.Depth = 20;
    s.LoopPO2 = 1.0;
    runOneStep();
    EXPECT_DOUBLE_EQ(s.CounterlungVolume, 23.125);
    EXPECT_DOUBLE_EQ(s.LoopPO2, (3.2 + 3.013 * 0.105) / 3.7);
    EXPECT_EQ(simulation.sound().log().back(), (SoundCall{503, true, 1, "shorthiss.wav"}));
}

TEST_F(LoopGasFixture, AdvStaysSilentWhenItCannotFire) {
    struct Row {
        const char* why;
        void (*set)(SimulationState&, ViewModel&);
    };
    const Row rows[] = {
        {"box unticked",
         [](SimulationState&, ViewModel& v) { v.element("ADVOn").setChecked(false); }},
        {"valve closed", [](SimulationState& s, ViewModel&) { s.DiluentValve = "OFF"; }},
        {"ADV failed", [](SimulationState& s, ViewModel&) { s.AdvFailed = 1; }},
        {"oxygen button missing",
         [](SimulationState& s, ViewModel&) { s.OxygenButtonMissing = 1; }},
        {"diluent button missing",
         [](SimulationState& s, ViewModel&) { s.DiluentButtonMissing = 1; }},
        {"volume at 25", [](SimulationState& s, ViewModel&) { s.CounterlungVolume = 25; }},
    };
    for (const Row& row : rows) {
        Simulation fresh;
        fresh.state().DiluentValve = "OPEN";
        row.set(fresh.state(), fresh.view());
        const double volume = fresh.state().CounterlungVolume;
        fresh.advanceTo(503);
        EXPECT_EQ(fresh.state().CounterlungVolume, volume) << row.why;
        EXPECT_TRUE(fresh.sound().log().empty()) << row.why;
    }
}

TEST_F(LoopGasFixture, OverFullLoopVentsUnlessTheAdvFailed) {
    s.CounterlungVolume = 96;
    runOneStep();
    EXPECT_EQ(s.CounterlungVolume, 76);
    EXPECT_EQ(simulation.sound().log().back(), (SoundCall{503, true, 4, "bubbles.wav"}));

    s.CounterlungVolume = 96;
    s.AdvFailed = 1;
    runOneStep();
    EXPECT_EQ(s.CounterlungVolume, 96);
}

TEST_F(LoopGasFixture, GaugeColoursAndBorderByVolume) {
    const Rgb lightRed{255, 128, 128}, lightYellow{255, 255, 128}, lightGreen{128, 255, 128};
    const std::pair<double, Rgb> rows[] = {
        {5, lightRed},    {14.9, lightRed},   {15, lightYellow}, {24.9, lightYellow},
        {25, lightGreen}, {44.9, lightGreen}, {45, lightYellow}, {65, lightYellow},
        {65.1, lightRed}, {95, lightRed}};
    for (auto [volume, colour] : rows) {
        s.CounterlungVolume = volume;
        runOneStep();
        EXPECT_EQ(element("Shape3").fill(), colour) << volume;
        const bool alarm = volume <= 5;
        EXPECT_EQ(element("Shape3").borderWidth(), alarm ? 5 : 1) << volume;
        const Rgb border = alarm ? Rgb{255, 0, 0} : Rgb{255, 255, 0};
        EXPECT_EQ(element("ClungVolBar").border(), border);
    }
}

TEST_F(LoopGasFixture, ReadoutsAndTitlesAtTheSurfaceAndUnderWater) {
    runOneStep();
    EXPECT_EQ(element("Label2").text(), "1013");
    EXPECT_EQ(element("Frame6").text(), "Ambient Pressure (mb)");
    EXPECT_EQ(element("Label3").text(), "100");
    EXPECT_EQ(element("Frame7").text(), "Oxygen Analysis (%)");
    s.Depth = 20;
    s.LoopPO2 = 0.964;
    runOneStep();
    EXPECT_EQ(element("Label1").text(), "20");
    EXPECT_EQ(element("Label2").text(), "3.013");
    EXPECT_EQ(element("Frame6").text(), "Ambient Pressure (bar)");
    EXPECT_EQ(element("Label3").text(), "32%");
    EXPECT_EQ(element("Frame7").text(), "Nitrox mix (% O2)");
}

TEST(LoopPhysics, VolumeBarCoverHeight) {
    const std::pair<double, int> rows[] = {{-10, 4800}, {0, 4800}, {20, 3840},
                                           {50, 2400},  {100, 0},  {120, 0}};
    for (auto [volume, height] : rows)
        EXPECT_EQ(volumeBarCoverHeight(volume), height) << volume;
}

TEST(LoopPhysics, AdditionIntoAnEmptyLoopKeepsThePartialPressure) {
    Simulation simulation;
    SimulationState& s = simulation.state();
    s.CounterlungVolume = 0;
    s.LoopPO2 = 0.5;
    addGasToLoop(s, 0, 1.0);
    EXPECT_EQ(s.LoopPO2, 0.5);
    EXPECT_EQ(s.CounterlungVolume, 0);
    addGasToLoop(s, 1.6, 1.0);
    EXPECT_DOUBLE_EQ(s.CounterlungVolume, 10);
    EXPECT_DOUBLE_EQ(s.LoopPO2, 1.013);
}

}  // namespace
}  // namespace loopsim
