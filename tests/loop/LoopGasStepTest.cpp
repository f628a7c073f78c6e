#include <gtest/gtest.h>

#include "core/LoopGas.h"
#include "loop/CounterlungGauge.h"
#include "loop/LoopFixture.h"

namespace loopsim {
namespace {

// Runs exactly one loop-gas step (the first falls due at 503 ms).
struct LoopGasStep : LoopFixture {
    void step() { at(sim.now() + 503); }
};

TEST_F(LoopGasStep, PressureLimitAtTheSurface) {
    s.LoopPO2 = 1.2;
    step();
    EXPECT_DOUBLE_EQ(s.LoopPO2, 1.013);
    // The readout was written before the limit, the limit shows on the next step.
    EXPECT_EQ(element("Label16").text(), "1.20");
    step();
    EXPECT_EQ(element("Label16").text(), "1.01");
}

TEST_F(LoopGasStep, AdvMixesHalfALitreOfAir) {
    s.DiluentValve = ValveState::Open;
    s.Depth = 20;
    s.LoopPO2 = 1.0;
    step();
    EXPECT_DOUBLE_EQ(s.CounterlungVolume, 23.125);
    EXPECT_DOUBLE_EQ(s.LoopPO2, (3.2 + 3.013 * 0.105) / 3.7);
    EXPECT_EQ(takeSounds().back(), played(503, 1, "shorthiss.wav"));
}

TEST(LoopGasStepAdv, StaysSilentWhenItCannotFire) {
    const std::pair<const char*, void (*)(LoopRig&)> rows[] = {
        {"box unticked", [](LoopRig& r) { r.act(Verb::Uncheck, "ADVOn"); }},
        {"valve closed", [](LoopRig& r) { r.s.DiluentValve = ValveState::Off; }},
        {"ADV failed", [](LoopRig& r) { r.s.AdvFailed = 1; }},
        {"oxygen button missing", [](LoopRig& r) { r.s.OxygenButtonMissing = 1; }},
        {"diluent button missing", [](LoopRig& r) { r.s.DiluentButtonMissing = 1; }},
        {"volume at 25", [](LoopRig& r) { r.s.CounterlungVolume = 25; }},
    };
    for (const auto& [why, set] : rows) {
        LoopRig r;
        r.s.DiluentValve = ValveState::Open;
        set(r);
        const double volume = r.s.CounterlungVolume;
        r.at(503);
        EXPECT_EQ(r.s.CounterlungVolume, volume) << why;
        EXPECT_TRUE(r.takeSounds().empty()) << why;
    }
}

TEST_F(LoopGasStep, OverFullLoopVentsUnlessTheAdvFailed) {
    s.CounterlungVolume = 96;
    step();
    EXPECT_EQ(s.CounterlungVolume, 76);
    EXPECT_EQ(takeSounds().back(), played(503, 4, "bubbles.wav"));
    s.CounterlungVolume = 96;
    s.AdvFailed = 1;
    step();
    EXPECT_EQ(s.CounterlungVolume, 96);
}

TEST_F(LoopGasStep, GaugeColoursAndBorderByVolume) {
    const Rgb red{255, 128, 128}, yellow{255, 255, 128}, green{128, 255, 128};
    const std::pair<double, Rgb> rows[] = {{5, red},    {14.9, red},   {15, yellow}, {24.9, yellow},
                                           {25, green}, {44.9, green}, {45, yellow}, {65, yellow},
                                           {65.1, red}, {95, red}};
    for (auto [volume, colour] : rows) {
        s.CounterlungVolume = volume;
        step();
        EXPECT_EQ(element("Shape3").fill(), colour) << volume;
        const bool alarm = volume <= 5;
        EXPECT_EQ(element("Shape3").borderWidth(), alarm ? 5 : 1) << volume;
        EXPECT_EQ(element("ClungVolBar").border(), (alarm ? Rgb{255, 0, 0} : Rgb{255, 255, 0}));
    }
}

TEST_F(LoopGasStep, ReadoutsAndTitlesAtTheSurfaceAndUnderWater) {
    step();
    EXPECT_EQ(element("Label2").text(), "1013");
    EXPECT_EQ(element("Frame6").text(), "Ambient Pressure (mb)");
    EXPECT_EQ(element("Label3").text(), "100");
    EXPECT_EQ(element("Frame7").text(), "Oxygen Analysis (%)");
    s.Depth = 20;
    s.LoopPO2 = 0.964;
    step();
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

// A zero-length press still notes the addition; nothing into an empty loop keeps its
// partial pressure, gas into it takes the gas's own.
TEST_F(LoopGasStep, AdditionIntoAnEmptyLoop) {
    onlyTicks();
    s.CounterlungVolume = 0;
    s.LoopPO2 = 0.5;
    tap("Image7");
    tap("Image6");
    EXPECT_EQ(s.CounterlungVolume, 0);
    EXPECT_EQ(s.LoopPO2, 0.5);
    EXPECT_EQ(status(), "Manual O2 Addition");
    addGasToLoop(s, 1.6, 1.0);
    EXPECT_DOUBLE_EQ(s.CounterlungVolume, 10);
    EXPECT_DOUBLE_EQ(s.LoopPO2, 1.013);
}

}  // namespace
}  // namespace loopsim
