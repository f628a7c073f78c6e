#include <gtest/gtest.h>

#include "core/LoopGas.h"
#include "loop/CounterlungGauge.h"
#include "loop/LoopFixture.h"

namespace loopsim {
namespace {

constexpr Millis kFreeFlowTick = 1020;

// Only the free-flow tick runs, so its changes are seen alone.
struct FreeFlowRig : LoopRig {
    FreeFlowRig() { onlyTicks({"FreeFlowTimer"}); }
};
struct FreeFlow : ::testing::Test, FreeFlowRig {};

TEST_F(FreeFlow, AllFourFreeFlowsActInOneTickAtTheTicksPressure) {
    tap("Image7");
    tap("Image4");
    s.AdvFreeFlow = 1;
    s.OxygenInjectorStuckOn = 1;
    s.DiluentInjectorStuckOn = 1;
    s.SolenoidState = SolenoidCondition::StuckOpen;
    s.Depth = 10;
    takeSounds();
    at(kFreeFlowTick);

    SimulationState expected;
    expected.CounterlungVolume = 20;
    expected.LoopPO2 = 0.21;
    expected.LoopCapacity = 16;
    for (double fraction : {0.21, 1.0, 0.21, 1.0})
        addGasToLoop(expected, 0.7, fraction, 2.013);
    EXPECT_DOUBLE_EQ(s.CounterlungVolume, 20 + 4 * 4.375);
    EXPECT_DOUBLE_EQ(s.LoopPO2, expected.LoopPO2);
    EXPECT_EQ(takeSounds(), (std::vector<SoundCall>{played(kFreeFlowTick, 6, "longhiss.wav"),
                                                    played(kFreeFlowTick, 6, "longhiss.wav"),
                                                    played(kFreeFlowTick, 6, "longthiss.wav"),
                                                    played(kFreeFlowTick, 5, "injector.wav")}));
    EXPECT_EQ(element("ClungVolBar").height(), volumeBarCoverHeight(37.5));
}

// Each free flow feeds the loop through its own valve only: 0.7 litres, 4.375 points.
TEST(FreeFlowRule, FlowsOnlyThroughItsOpenValve) {
    struct Row {
        const char* name;
        const char* valve;  // the one valve opened
        void (*fault)(SimulationState&);
        double volumeAfter;
    };
    auto adv = [](SimulationState& s) { s.AdvFreeFlow = 1; };
    auto oxygen = [](SimulationState& s) { s.OxygenInjectorStuckOn = 1; };
    auto diluent = [](SimulationState& s) { s.DiluentInjectorStuckOn = 1; };
    auto solenoid = [](SimulationState& s) { s.SolenoidState = SolenoidCondition::StuckOpen; };
    const Row rows[] = {{"ADV", "Image4", adv, 24.375},
                        {"ADV, oxygen open", "Image7", adv, 20},
                        {"oxygen stuck", "Image7", oxygen, 24.375},
                        {"oxygen stuck, diluent open", "Image4", oxygen, 20},
                        {"diluent stuck", "Image4", diluent, 24.375},
                        {"diluent stuck, oxygen open", "Image7", diluent, 20},
                        {"solenoid open", "Image7", solenoid, 24.375},
                        {"solenoid open, diluent open", "Image4", solenoid, 20}};
    for (const Row& row : rows) {
        FreeFlowRig r;
        r.tap(row.valve);
        row.fault(r.s);
        r.at(kFreeFlowTick);
        EXPECT_DOUBLE_EQ(r.s.CounterlungVolume, row.volumeAfter) << row.name;
    }
}

TEST_F(FreeFlow, UntickedAdvBoxHidesItsButtonAndStopsTheAdvAndItsFreeFlow) {
    sim.clock().timer("Timer1").setEnabled(true);
    tap("Image4");
    s.AdvFreeFlow = 1;
    act(Verb::Uncheck, "ADVOn");
    EXPECT_EQ(element("Image17").visible(), false);
    at(2 * kFreeFlowTick);
    EXPECT_EQ(s.CounterlungVolume, 20);
    act(Verb::Check, "ADVOn");
    EXPECT_EQ(element("Image17").visible(), true);
}

TEST(FreeFlowLeak, LeaksOnlyUnderWater) {
    struct Row {
        const char* name;
        int depth;
        int SimulationState::*failure;
        double volumeAfter;
    };
    const Row rows[] = {
        {"dump valve at the surface", 0, &SimulationState::DumpValveFailed, 20},
        {"dump valve at 1 m", 1, &SimulationState::DumpValveFailed, 15},
        {"diluent button at the surface", 0, &SimulationState::DiluentButtonMissing, 20},
        {"diluent button at 30 m", 30, &SimulationState::DiluentButtonMissing, 15},
        {"oxygen button at 5 m", 5, &SimulationState::OxygenButtonMissing, 15},
        {"failed ADV does not leak", 5, &SimulationState::AdvFailed, 20}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FreeFlowRig r;
        r.s.Depth = row.depth;
        r.s.*row.failure = 1;
        r.at(kFreeFlowTick);
        EXPECT_EQ(r.s.CounterlungVolume, row.volumeAfter);
        const auto bubbles = LoopRig::played(kFreeFlowTick, 4, "Bubbles.wav");
        EXPECT_EQ(r.takeSounds(), row.volumeAfter < 20 ? std::vector<SoundCall>{bubbles}
                                                       : std::vector<SoundCall>{});
    }
}

TEST_F(FreeFlow, LeakHasNoLowerLimitAndTheBarShowsEmpty) {
    s.Depth = 3;
    s.DumpValveFailed = 1;
    s.OxygenButtonMissing = 1;  // several failures still leak once per tick
    s.CounterlungVolume = 2;
    at(kFreeFlowTick);
    EXPECT_EQ(s.CounterlungVolume, -3);
    EXPECT_EQ(element("ClungVolBar").height(), kGaugeHeight);
}

}  // namespace
}  // namespace loopsim
