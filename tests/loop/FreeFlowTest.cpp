#include <gtest/gtest.h>

#include "loop/LoopFixture.h"
#include "loop/LoopPhysics.h"

namespace loopsim {
namespace {

using loopsim::PrintTo;  // table rows print by their name

constexpr Millis kFreeFlowTick = 1020;

// Only the free-flow tick runs, so its changes are seen alone.
class FreeFlowTest : public LoopFixture {
  protected:
    void SetUp() override {
        stopTicks();
        sim.clock().timer("FreeFlowTimer").setEnabled(true);
    }
};

TEST_F(FreeFlowTest, AllFourFreeFlowsActInOneTickAtTheTicksPressure) {
    tap("Image7");
    tap("Image4");
    s.AdvFreeFlow = 1;
    s.OxygenInjectorStuckOn = 1;
    s.DiluentInjectorStuckOn = 1;
    s.SolenoidState = "Open";
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

struct FlowCase {
    const char* name;
    const char* valve;  // the one valve opened
    void (*fault)(SimulationState&);
    double volumeAfter;
};

class FreeFlowRuleTest : public FreeFlowTest, public ::testing::WithParamInterface<FlowCase> {};

TEST_P(FreeFlowRuleTest, FlowsOnlyThroughItsOpenValve) {
    const FlowCase& c = GetParam();
    tap(c.valve);
    c.fault(s);
    at(kFreeFlowTick);
    EXPECT_DOUBLE_EQ(s.CounterlungVolume, c.volumeAfter);
}

void advFreeFlow(SimulationState& s) {
    s.AdvFreeFlow = 1;
}
void oxygenStuck(SimulationState& s) {
    s.OxygenInjectorStuckOn = 1;
}
void diluentStuck(SimulationState& s) {
    s.DiluentInjectorStuckOn = 1;
}
void solenoidOpen(SimulationState& s) {
    s.SolenoidState = "Open";
}

INSTANTIATE_TEST_SUITE_P(
    Rules, FreeFlowRuleTest,
    ::testing::Values(FlowCase{"AdvFreeFlow", "Image4", advFreeFlow, 24.375},
                      FlowCase{"AdvFreeFlowOxygenOpen", "Image7", advFreeFlow, 20},
                      FlowCase{"OxygenStuck", "Image7", oxygenStuck, 24.375},
                      FlowCase{"OxygenStuckDiluentOpen", "Image4", oxygenStuck, 20},
                      FlowCase{"DiluentStuck", "Image4", diluentStuck, 24.375},
                      FlowCase{"DiluentStuckOxygenOpen", "Image7", diluentStuck, 20},
                      FlowCase{"SolenoidOpen", "Image7", solenoidOpen, 24.375},
                      FlowCase{"SolenoidOpenDiluentOpen", "Image4", solenoidOpen, 20}),
    kCaseName);

TEST_F(FreeFlowTest, UntickedAdvBoxHidesItsButtonAndStopsTheAdvAndItsFreeFlow) {
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

struct LeakCase {
    const char* name;
    int depth;
    int SimulationState::*failure;
    double volumeAfter;
};

class LeakTest : public FreeFlowTest, public ::testing::WithParamInterface<LeakCase> {};

TEST_P(LeakTest, LeaksOnlyUnderWater) {
    const LeakCase& c = GetParam();
    s.Depth = c.depth;
    s.*c.failure = 1;
    at(kFreeFlowTick);
    EXPECT_EQ(s.CounterlungVolume, c.volumeAfter);
    const auto sounds = takeSounds();
    if (c.volumeAfter < 20)
        EXPECT_EQ(sounds, (std::vector<SoundCall>{played(kFreeFlowTick, 4, "Bubbles.wav")}));
    else
        EXPECT_TRUE(sounds.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Failures, LeakTest,
    ::testing::Values(
        LeakCase{"DumpValveAtSurface", 0, &SimulationState::DumpValveFailed, 20},
        LeakCase{"DumpValveAtDepth", 1, &SimulationState::DumpValveFailed, 15},
        LeakCase{"DiluentButtonAtSurface", 0, &SimulationState::DiluentButtonMissing, 20},
        LeakCase{"DiluentButtonAtDepth", 30, &SimulationState::DiluentButtonMissing, 15},
        LeakCase{"OxygenButtonAtDepth", 5, &SimulationState::OxygenButtonMissing, 15},
        LeakCase{"AdvFailedDoesNotLeak", 5, &SimulationState::AdvFailed, 20}),
    kCaseName);

TEST_F(FreeFlowTest, LeakHasNoLowerLimitAndTheBarShowsEmpty) {
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
