#include <gtest/gtest.h>

#include "loop/CounterlungGauge.h"
#include "loop/LoopFixture.h"

namespace loopsim {
namespace {

// Only the handlers driven by a test act: no loop-gas step, no free flows.
struct GasSupplyRig : LoopRig {
    GasSupplyRig() { onlyTicks(); }
};
struct GasSupply : ::testing::Test, GasSupplyRig {};

// The loop at its start values (20 % of 16 litres at 0.21 bar) after an addition at the
// surface (1.013 bar).
double mixedPO2(double litres, double oxygenFraction) {
    return (0.21 * 3.2 + 1.013 * oxygenFraction * litres) / (3.2 + litres);
}

// Oxygen and diluent give 5 litres per second of pressing, the ADV button 2.
TEST(GasSupplyButtons, AddTheirVolumeAndMixTheirGas) {
    struct Row {
        const char* valve;  // the picture that opens the valve the button needs
        const char* button;
        Millis heldMs;
        double litres;
        double oxygenFraction;
        const char* message;
    };
    const Row rows[] = {{"Image7", "Image6", 200, 1.0, 1.0, "Manual O2 Addition"},
                        {"Image7", "Image6", 1000, 5.0, 1.0, "Manual O2 Addition"},
                        {"Image4", "Image5", 30, 0.15, 0.21, "Manual Diluent Addition"},
                        {"Image4", "Image17", 500, 1.0, 0.21, "ADV Manually operated"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.button) + " for " + std::to_string(row.heldMs));
        GasSupplyRig r;
        r.tap(row.valve);
        r.hold(row.button, row.heldMs);
        EXPECT_DOUBLE_EQ(r.s.CounterlungVolume, 20 + row.litres * 100 / 16);
        EXPECT_DOUBLE_EQ(r.s.LoopPO2, mixedPO2(row.litres, row.oxygenFraction));
        EXPECT_EQ(r.status(), row.message);
    }
}

TEST(GasSupplyButtons, BlockedButtonsAddNothingAndWriteNothing) {
    struct Row {
        const char* why;
        const char* button;
        ValveState SimulationState::*valve;  // opened directly, so no message is written
        int SimulationState::*failure;
        bool advBoxUnticked = false;
    };
    using S = SimulationState;
    const Row rows[] = {
        {"oxygen valve closed", "Image6", nullptr, nullptr},
        {"oxygen injector failed", "Image6", &S::OxygenValve, &S::OxygenInjectorFailed},
        {"oxygen button missing", "Image6", &S::OxygenValve, &S::OxygenButtonMissing},
        {"diluent valve closed", "Image5", nullptr, nullptr},
        {"diluent injector failed", "Image5", &S::DiluentValve, &S::DiluentInjectorFailed},
        {"diluent button missing", "Image5", &S::DiluentValve, &S::DiluentButtonMissing},
        {"ADV valve closed", "Image17", nullptr, nullptr},
        {"ADV failed", "Image17", &S::DiluentValve, &S::AdvFailed},
        {"ADV box unticked", "Image17", &S::DiluentValve, nullptr, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.why);
        GasSupplyRig r;
        if (row.valve)
            r.s.*row.valve = ValveState::Open;
        if (row.failure)
            r.s.*row.failure = 1;
        if (row.advBoxUnticked)
            r.act(Verb::Uncheck, "ADVOn");
        r.hold(row.button, 200);
        EXPECT_EQ(r.s.CounterlungVolume, 20);
        EXPECT_EQ(r.s.LoopPO2, 0.21);
        EXPECT_EQ(r.status(), "");
    }
}

TEST_F(GasSupply, OpenMouthpieceLetsTheAddedVolumeOutUnlessTheDiverBreathes) {
    tap("Image18");
    tap("Image7");
    hold("Image6", 200);
    EXPECT_EQ(s.CounterlungVolume, 20);
    EXPECT_DOUBLE_EQ(s.LoopPO2, mixedPO2(1.0, 1.0));
    tap("Image19");
    hold("Image6", 200);
    EXPECT_DOUBLE_EQ(s.CounterlungVolume, 26.25);
}

TEST_F(GasSupply, HeldButtonsHissAndTheDumpBubblesOnChannel5) {
    tap("Image7");
    takeSounds();
    hold("Image6", 200);
    act(Verb::Press, "Image8");
    EXPECT_EQ(status(), "Dump Valve Operated");
    at(1000);
    act(Verb::Release, "Image8");
    EXPECT_EQ(takeSounds(),
              (std::vector<SoundCall>{played(0, 5, "shorthiss.wav"), stopped(200, 5),
                                      played(200, 5, "bubbles.wav"), stopped(1000, 5)}));
}

TEST_F(GasSupply, HeldButtonsAreSilentWithTheSoundBoxUnticked) {
    act(Verb::Uncheck, "Check1");
    tap("Image7");
    tap("Image4");
    for (const char* button : {"Image6", "Image5", "Image17", "Image8"})
        hold(button, 200);
    EXPECT_TRUE(takeSounds().empty());
}

// Twenty points per second, never below zero; the failure only adds a leak, the valve works.
TEST(GasSupplyDump, RemovesTwentyPointsPerSecondNeverBelowZero) {
    const std::tuple<double, Millis, double> rows[] = {
        {50, 1500, 20}, {20, 1500, 0}, {80, 250, 75}};
    for (const auto& [before, heldMs, after] : rows) {
        GasSupplyRig r;
        r.s.CounterlungVolume = before;
        r.s.DumpValveFailed = 1;
        r.hold("Image8", heldMs);
        EXPECT_DOUBLE_EQ(r.s.CounterlungVolume, after) << before;
        EXPECT_EQ(r.s.LoopPO2, 0.21);
        EXPECT_EQ(r.element("ClungVolBar").height(), volumeBarCoverHeight(after));
    }
}

}  // namespace
}  // namespace loopsim
