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

TEST_F(FreeFlowTest, AllFourFreeFlowsActInOneTick) {
    tap("Image7");
    tap("Image4");
    s.AdvFreeFlow = 1;
    s.OxygenInjectorStuckOn = 1;
    s.DiluentInjectorStuckOn = 1;
    s.SolenoidState = "Open";
    s.Depth = 10;  // with no leak failure the depth only sets the pressure
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
    bool oxygenOpen;
    bool diluentOpen;
    bool advBoxTicked;
    void (*fault)(SimulationState&);
    double volumeAfter;
};

class FreeFlowRuleTest : public FreeFlowTest, public ::testing::WithParamInterface<FlowCase> {};

TEST_P(FreeFlowRuleTest, FlowsOnlyWithItsValveOpen) {
    const FlowCase& c = GetParam();
    if (c.oxygenOpen)
        tap("Image7");
    if (c.diluentOpen)
        tap("Image4");
    if (!c.advBoxTicked)
        act(Verb::Uncheck, "ADVOn");
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
    ::testing::Values(FlowCase{"AdvFreeFlow", false, true, true, advFreeFlow, 24.375},
                      FlowCase{"AdvFreeFlowBoxUnticked", false, true, false, advFreeFlow, 20},
                      FlowCase{"AdvFreeFlowValveClosed", true, false, true, advFreeFlow, 20},
                      FlowCase{"OxygenStuck", true, false, true, oxygenStuck, 24.375},
                      FlowCase{"OxygenStuckValveClosed", false, true, true, oxygenStuck, 20},
                      FlowCase{"DiluentStuck", false, true, false, diluentStuck, 24.375},
                      FlowCase{"DiluentStuckValveClosed", true, false, true, diluentStuck, 20},
                      FlowCase{"SolenoidOpen", true, false, true, solenoidOpen, 24.375},
                      FlowCase{"SolenoidOpenValveClosed", false, true, true, solenoidOpen, 20}),
    kCaseName);

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
        LeakCase{"OxygenButtonAtSurface", 0, &SimulationState::OxygenButtonMissing, 20},
        LeakCase{"OxygenButtonAtDepth", 5, &SimulationState::OxygenButtonMissing, 15},
        // Not a failure that leaks.
        LeakCase{"AdvFailedAtDepth", 5, &SimulationState::AdvFailed, 20}),
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

TEST_F(FreeFlowTest, SoundBoxUntickedFlowsInSilence) {
    act(Verb::Uncheck, "Check1");
    tap("Image7");
    s.OxygenInjectorStuckOn = 1;
    s.Depth = 2;
    s.DumpValveFailed = 1;
    at(kFreeFlowTick);
    EXPECT_DOUBLE_EQ(s.CounterlungVolume, 20 + 4.375 - 5);
    EXPECT_TRUE(takeSounds().empty());
}

TEST_F(FreeFlowTest, UntickingTheAdvBoxStopsTheAutomaticAdvAndItsFreeFlow) {
    sim.clock().timer("Timer1").setEnabled(true);
    tap("Image4");
    s.AdvFreeFlow = 1;
    act(Verb::Uncheck, "ADVOn");
    at(2 * kFreeFlowTick);
    EXPECT_EQ(s.CounterlungVolume, 20);
}

}  // namespace
}  // namespace loopsim
