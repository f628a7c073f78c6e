#include <gtest/gtest.h>

#include "loop/LoopFixture.h"
#include "loop/LoopPhysics.h"

namespace loopsim {
namespace {

using loopsim::PrintTo;  // table rows print by their name

using GasSupplyTest = LoopFixture;

// The loop at its start values: 20 % of 16 litres at 0.21 bar, surface pressure 1.013 bar.
constexpr double kStartLitres = 3.2;
constexpr double kSurfaceBar = 1.013;

double mixedPO2(double litres, double oxygenFraction) {
    return (0.21 * kStartLitres + kSurfaceBar * oxygenFraction * litres) / (kStartLitres + litres);
}

struct AdditionCase {
    const char* name;
    const char* valve;   // picture that opens the valve the button needs
    const char* button;  // the button held down
    Millis heldMs;
    double litres;
    double oxygenFraction;
    const char* message;
};

class ManualAdditionTest : public LoopFixture,
                           public ::testing::WithParamInterface<AdditionCase> {};

TEST_P(ManualAdditionTest, AddsItsVolumeAndMixesItsGas) {
    const AdditionCase& c = GetParam();
    stopTicks();
    tap(c.valve);
    hold(c.button, c.heldMs);
    EXPECT_DOUBLE_EQ(s.CounterlungVolume, 20 + c.litres * 100 / 16);
    EXPECT_DOUBLE_EQ(s.LoopPO2, mixedPO2(c.litres, c.oxygenFraction));
    EXPECT_EQ(status(), c.message);
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, ManualAdditionTest,
    ::testing::Values(
        // Oxygen and diluent give 5 litres per second of pressing, the ADV button 2.
        AdditionCase{"Oxygen200ms", "Image7", "Image6", 200, 1.0, 1.0, "Manual O2 Addition"},
        AdditionCase{"Oxygen1s", "Image7", "Image6", 1000, 5.0, 1.0, "Manual O2 Addition"},
        AdditionCase{"Diluent200ms", "Image4", "Image5", 200, 1.0, 0.21, "Manual Diluent Addition"},
        AdditionCase{"Diluent30ms", "Image4", "Image5", 30, 0.15, 0.21, "Manual Diluent Addition"},
        AdditionCase{"Adv500ms", "Image4", "Image17", 500, 1.0, 0.21, "ADV Manually operated"},
        AdditionCase{"Adv1500ms", "Image4", "Image17", 1500, 3.0, 0.21, "ADV Manually operated"}),
    kCaseName);

TEST_F(GasSupplyTest, OxygenAdditionCarriesTheAnalysedFraction) {
    stopTicks();
    s.OxygenAnalysis = 80;
    tap("Image7");
    hold("Image6", 200);
    EXPECT_DOUBLE_EQ(s.LoopPO2, mixedPO2(1.0, 0.8));
}

struct BlockedCase {
    const char* name;
    const char* valve;  // nullptr: the valve stays closed
    const char* button;
    int SimulationState::*failure;  // nullptr: no failure
    bool untickAdvBox;
};

class BlockedAdditionTest : public LoopFixture,
                            public ::testing::WithParamInterface<BlockedCase> {};

TEST_P(BlockedAdditionTest, AddsNothingAndWritesNothing) {
    const BlockedCase& c = GetParam();
    stopTicks();
    if (c.valve)
        tap(c.valve);
    if (c.failure)
        s.*c.failure = 1;
    if (c.untickAdvBox)
        act(Verb::Uncheck, "ADVOn");
    const std::string before = status();
    hold(c.button, 200);
    EXPECT_EQ(s.CounterlungVolume, 20);
    EXPECT_EQ(s.LoopPO2, 0.21);
    EXPECT_EQ(status(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Guards, BlockedAdditionTest,
    ::testing::Values(BlockedCase{"OxygenValveClosed", nullptr, "Image6", nullptr, false},
                      BlockedCase{"OxygenInjectorFailed", "Image7", "Image6",
                                  &SimulationState::OxygenInjectorFailed, false},
                      BlockedCase{"OxygenButtonMissing", "Image7", "Image6",
                                  &SimulationState::OxygenButtonMissing, false},
                      BlockedCase{"DiluentValveClosed", nullptr, "Image5", nullptr, false},
                      BlockedCase{"DiluentInjectorFailed", "Image4", "Image5",
                                  &SimulationState::DiluentInjectorFailed, false},
                      BlockedCase{"DiluentButtonMissing", "Image4", "Image5",
                                  &SimulationState::DiluentButtonMissing, false},
                      BlockedCase{"AdvValveClosed", nullptr, "Image17", nullptr, false},
                      BlockedCase{"AdvFailed", "Image4", "Image17", &SimulationState::AdvFailed,
                                  false},
                      BlockedCase{"AdvBoxUnticked", "Image4", "Image17", nullptr, true}),
    kCaseName);

TEST_F(GasSupplyTest, OpenMouthpieceLetsTheAddedVolumeOutButKeepsTheMix) {
    stopTicks();
    tap("Image18");
    tap("Image7");
    hold("Image6", 200);
    EXPECT_EQ(s.CounterlungVolume, 20);
    EXPECT_DOUBLE_EQ(s.LoopPO2, mixedPO2(1.0, 1.0));
}

TEST_F(GasSupplyTest, BreathingFromTheOpenMouthpieceKeepsTheAddedVolume) {
    stopTicks();
    tap("Image18");
    tap("Image19");
    ASSERT_EQ(s.Breathing, 1);
    tap("Image4");
    hold("Image5", 200);
    EXPECT_DOUBLE_EQ(s.CounterlungVolume, 26.25);
}

TEST_F(GasSupplyTest, ZeroLengthPressIntoAnEmptyLoopKeepsLoopPO2) {
    stopTicks();
    s.CounterlungVolume = 0;
    s.LoopPO2 = 0.5;
    tap("Image7");
    tap("Image6");
    EXPECT_EQ(s.CounterlungVolume, 0);
    EXPECT_EQ(s.LoopPO2, 0.5);
    EXPECT_EQ(status(), "Manual O2 Addition");
}

TEST_F(GasSupplyTest, ClickWithoutAPressRepeatsTheLastPressLength) {
    stopTicks();
    tap("Image7");
    hold("Image6", 200);
    act(Verb::Click, "Image6");
    EXPECT_DOUBLE_EQ(s.CounterlungVolume, 20 + 2 * 6.25);
}

TEST_F(GasSupplyTest, DiluentAndAdvButtonsShareTheirPressTimes) {
    stopTicks();
    tap("Image4");
    hold("Image5", 200);
    act(Verb::Click, "Image17");  // the diluent press's 200 ms at the ADV's 2 litres a second
    EXPECT_DOUBLE_EQ(s.CounterlungVolume, 20 + 6.25 + 0.4 * 100 / 16);
}

TEST_F(GasSupplyTest, HeldButtonHissesOnChannel5) {
    stopTicks();
    tap("Image7");
    takeSounds();
    hold("Image6", 200);
    EXPECT_EQ(takeSounds(),
              (std::vector<SoundCall>{played(0, 5, "shorthiss.wav"), stopped(200, 5)}));
}

TEST_F(GasSupplyTest, HeldButtonIsSilentWithTheSoundBoxUnticked) {
    stopTicks();
    act(Verb::Uncheck, "Check1");
    tap("Image7");
    tap("Image4");
    hold("Image6", 200);
    hold("Image17", 200);
    hold("Image8", 200);
    EXPECT_TRUE(takeSounds().empty());
}

TEST_F(GasSupplyTest, FailedInjectorIsSilentButTheAdvPressStillCountsItsStart) {
    stopTicks();
    tap("Image7");
    tap("Image4");
    s.OxygenInjectorFailed = 1;
    s.AdvFailed = 1;
    takeSounds();
    hold("Image6", 200);
    at(1000);
    act(Verb::Press, "Image17");
    EXPECT_TRUE(takeSounds().empty());
    // Repaired before the release: the release and click use the press's start.
    s.AdvFailed = 0;
    at(1500);
    act(Verb::Release, "Image17");
    act(Verb::Click, "Image17");
    EXPECT_DOUBLE_EQ(s.CounterlungVolume, 20 + 1.0 * 100 / 16);
}

struct DumpCase {
    const char* name;
    double volumeBefore;
    Millis heldMs;
    double volumeAfter;
};

class DumpValveTest : public LoopFixture, public ::testing::WithParamInterface<DumpCase> {};

TEST_P(DumpValveTest, RemovesTwentyPointsPerSecondNeverBelowZero) {
    const DumpCase& c = GetParam();
    stopTicks();
    s.CounterlungVolume = c.volumeBefore;
    hold("Image8", c.heldMs);
    EXPECT_DOUBLE_EQ(s.CounterlungVolume, c.volumeAfter);
    EXPECT_EQ(s.LoopPO2, 0.21);
    EXPECT_EQ(element("ClungVolBar").height(), volumeBarCoverHeight(c.volumeAfter));
}

INSTANTIATE_TEST_SUITE_P(Holds, DumpValveTest,
                         ::testing::Values(DumpCase{"From50For1500ms", 50, 1500, 20},
                                           DumpCase{"From20For1500ms", 20, 1500, 0},
                                           DumpCase{"From80For250ms", 80, 250, 75},
                                           DumpCase{"ZeroLength", 10, 0, 10}),
                         kCaseName);

TEST_F(GasSupplyTest, DumpValveWritesItsMessageOnThePressAndBubblesWhileHeld) {
    stopTicks();
    act(Verb::Press, "Image8");
    EXPECT_EQ(status(), "Dump Valve Operated");
    at(700);
    act(Verb::Release, "Image8");
    EXPECT_EQ(takeSounds(), (std::vector<SoundCall>{played(0, 5, "bubbles.wav"), stopped(700, 5)}));
}

TEST_F(GasSupplyTest, DumpValveWorksWhenItsLeakFailureIsInForce) {
    stopTicks();
    s.DumpValveFailed = 1;
    hold("Image8", 500);
    EXPECT_DOUBLE_EQ(s.CounterlungVolume, 10);
}

}  // namespace
}  // namespace loopsim
