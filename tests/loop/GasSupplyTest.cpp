#include <gtest/gtest.h>

#include "loop/LoopFixture.h"
#include "loop/LoopPhysics.h"

namespace loopsim {
namespace {

using loopsim::PrintTo;  // table rows print by their name

// Only the handlers driven by a test act: no loop-gas step, no free flows.
class GasSupplyTest : public LoopFixture {
  protected:
    void SetUp() override { stopTicks(); }
};

// The loop at its start values (20 % of 16 litres at 0.21 bar) after an addition at the
// surface (1.013 bar).
double mixedPO2(double litres, double oxygenFraction) {
    return (0.21 * 3.2 + 1.013 * oxygenFraction * litres) / (3.2 + litres);
}

struct AdditionCase {
    const char* name;
    const char* valve;  // the picture that opens the valve the button needs
    const char* button;
    Millis heldMs;
    double litres;
    double oxygenFraction;
    const char* message;
};

class ManualAdditionTest : public GasSupplyTest,
                           public ::testing::WithParamInterface<AdditionCase> {};

TEST_P(ManualAdditionTest, AddsItsVolumeAndMixesItsGas) {
    const AdditionCase& c = GetParam();
    tap(c.valve);
    hold(c.button, c.heldMs);
    EXPECT_DOUBLE_EQ(s.CounterlungVolume, 20 + c.litres * 100 / 16);
    EXPECT_DOUBLE_EQ(s.LoopPO2, mixedPO2(c.litres, c.oxygenFraction));
    EXPECT_EQ(status(), c.message);
}

// Oxygen and diluent give 5 litres per second of pressing, the ADV button 2.
INSTANTIATE_TEST_SUITE_P(
    Buttons, ManualAdditionTest,
    ::testing::Values(
        AdditionCase{"Oxygen200ms", "Image7", "Image6", 200, 1.0, 1.0, "Manual O2 Addition"},
        AdditionCase{"Oxygen1s", "Image7", "Image6", 1000, 5.0, 1.0, "Manual O2 Addition"},
        AdditionCase{"Diluent30ms", "Image4", "Image5", 30, 0.15, 0.21, "Manual Diluent Addition"},
        AdditionCase{"Adv500ms", "Image4", "Image17", 500, 1.0, 0.21, "ADV Manually operated"}),
    kCaseName);

struct BlockedCase {
    const char* name;
    const char* button;
    void (*prepare)(LoopFixture&);
};

class BlockedAdditionTest : public GasSupplyTest,
                            public ::testing::WithParamInterface<BlockedCase> {};

TEST_P(BlockedAdditionTest, AddsNothingAndWritesNothing) {
    GetParam().prepare(*this);
    hold(GetParam().button, 200);
    EXPECT_EQ(s.CounterlungVolume, 20);
    EXPECT_EQ(s.LoopPO2, 0.21);
    EXPECT_EQ(status(), "");
}

// Opens a valve without writing a message, so the row's status stays empty.
void openOxygen(LoopFixture& f) {
    f.s.OxygenValve = "OPEN";
}
void openDiluent(LoopFixture& f) {
    f.s.DiluentValve = "OPEN";
}

INSTANTIATE_TEST_SUITE_P(
    Guards, BlockedAdditionTest,
    ::testing::Values(BlockedCase{"OxygenValveClosed", "Image6", [](LoopFixture&) {}},
                      BlockedCase{"OxygenInjectorFailed", "Image6",
                                  [](LoopFixture& f) {
                                      openOxygen(f);
                                      f.s.OxygenInjectorFailed = 1;
                                  }},
                      BlockedCase{"OxygenButtonMissing", "Image6",
                                  [](LoopFixture& f) {
                                      openOxygen(f);
                                      f.s.OxygenButtonMissing = 1;
                                  }},
                      BlockedCase{"DiluentValveClosed", "Image5", [](LoopFixture&) {}},
                      BlockedCase{"DiluentInjectorFailed", "Image5",
                                  [](LoopFixture& f) {
                                      openDiluent(f);
                                      f.s.DiluentInjectorFailed = 1;
                                  }},
                      BlockedCase{"DiluentButtonMissing", "Image5",
                                  [](LoopFixture& f) {
                                      openDiluent(f);
                                      f.s.DiluentButtonMissing = 1;
                                  }},
                      BlockedCase{"AdvValveClosed", "Image17", [](LoopFixture&) {}},
                      BlockedCase{"AdvFailed", "Image17",
                                  [](LoopFixture& f) {
                                      openDiluent(f);
                                      f.s.AdvFailed = 1;
                                  }},
                      BlockedCase{"AdvBoxUnticked", "Image17",
                                  [](LoopFixture& f) {
                                      openDiluent(f);
                                      f.act(Verb::Uncheck, "ADVOn");
                                  }}),
    kCaseName);

TEST_F(GasSupplyTest, OpenMouthpieceLetsTheAddedVolumeOutUnlessTheDiverBreathes) {
    tap("Image18");
    tap("Image7");
    hold("Image6", 200);
    EXPECT_EQ(s.CounterlungVolume, 20);
    EXPECT_DOUBLE_EQ(s.LoopPO2, mixedPO2(1.0, 1.0));
    tap("Image19");
    hold("Image6", 200);
    EXPECT_DOUBLE_EQ(s.CounterlungVolume, 26.25);
}

TEST_F(GasSupplyTest, ZeroLengthPressIntoAnEmptyLoopKeepsLoopPO2) {
    s.CounterlungVolume = 0;
    s.LoopPO2 = 0.5;
    tap("Image7");
    tap("Image6");
    EXPECT_EQ(s.CounterlungVolume, 0);
    EXPECT_EQ(s.LoopPO2, 0.5);
    EXPECT_EQ(status(), "Manual O2 Addition");
}

TEST_F(GasSupplyTest, HeldButtonsHissAndTheDumpBubblesOnChannel5) {
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

TEST_F(GasSupplyTest, HeldButtonsAreSilentWithTheSoundBoxUnticked) {
    act(Verb::Uncheck, "Check1");
    tap("Image7");
    tap("Image4");
    for (const char* button : {"Image6", "Image5", "Image17", "Image8"})
        hold(button, 200);
    EXPECT_TRUE(takeSounds().empty());
}

struct DumpCase {
    const char* name;
    double volumeBefore;
    Millis heldMs;
    double volumeAfter;
};

class DumpValveTest : public GasSupplyTest, public ::testing::WithParamInterface<DumpCase> {};

TEST_P(DumpValveTest, RemovesTwentyPointsPerSecondNeverBelowZero) {
    const DumpCase& c = GetParam();
    s.CounterlungVolume = c.volumeBefore;
    s.DumpValveFailed = 1;  // the failure only adds a leak; the valve still works
    hold("Image8", c.heldMs);
    EXPECT_DOUBLE_EQ(s.CounterlungVolume, c.volumeAfter);
    EXPECT_EQ(s.LoopPO2, 0.21);
    EXPECT_EQ(element("ClungVolBar").height(), volumeBarCoverHeight(c.volumeAfter));
}

INSTANTIATE_TEST_SUITE_P(Holds, DumpValveTest,
                         ::testing::Values(DumpCase{"From50For1500ms", 50, 1500, 20},
                                           DumpCase{"From20For1500ms", 20, 1500, 0},
                                           DumpCase{"From80For250ms", 80, 250, 75}),
                         kCaseName);

}  // namespace
}  // namespace loopsim
