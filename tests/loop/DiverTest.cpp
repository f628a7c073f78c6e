#include <gtest/gtest.h>

#include "loop/LoopFixture.h"

namespace loopsim {
namespace {

using loopsim::PrintTo;  // table rows print by their name

using DiverTest = LoopFixture;

constexpr Millis kMinute = 60000;

// Only the breath ticks run, so LoopPO2 changes by breaths alone.
class BreathTest : public LoopFixture {
  protected:
    void SetUp() override {
        stopTicks();
        tap("Image18");
        tap("Image19");
    }
};

TEST_F(BreathTest, FirstBreathAfter6003MsTakesItsShareAndMarksTheGauge) {
    s.LoopPO2 = 1.0;
    at(6002);
    EXPECT_EQ(s.LoopPO2, 1.0);
    at(6003);
    // 60 / 6.003 breaths a minute at 1 litre a minute: 0.10005 litre each.
    EXPECT_DOUBLE_EQ(s.LoopPO2, (3.2 - 0.10005) / 3.2);
    EXPECT_EQ(element("Shape3").borderWidth(), 5);
    at(9002);
    EXPECT_EQ(element("Shape3").borderWidth(), 5);
    at(9003);
    EXPECT_EQ(element("Shape3").borderWidth(), 1);
    EXPECT_FALSE(timer("BreathOffTimer").enabled());
    const double afterFirst = s.LoopPO2;
    at(12002);
    EXPECT_EQ(s.LoopPO2, afterFirst);
    at(12003);
    EXPECT_DOUBLE_EQ(s.LoopPO2, (afterFirst * 3.2 - 0.1) / 3.2);
}

struct IntervalCase {
    const char* name;
    double MetabolicRate;
    int breathInterval;
    int markInterval;
};

class BreathIntervalTest : public BreathTest, public ::testing::WithParamInterface<IntervalCase> {};

TEST_P(BreathIntervalTest, FollowsTheMetabolicRateRoundingHalvesToEven) {
    const IntervalCase& c = GetParam();
    s.LoopPO2 = 1.0;
    s.MetabolicRate = c.MetabolicRate;
    at(6003);
    EXPECT_EQ(timer("BreathTimer").interval(), c.breathInterval);
    EXPECT_EQ(timer("BreathOffTimer").interval(), c.markInterval);
    EXPECT_EQ(timer("BreathTimer").due(), 6003 + c.breathInterval);
    EXPECT_EQ(timer("BreathOffTimer").due(), 6003 + c.markInterval);
}

INSTANTIATE_TEST_SUITE_P(Rates, BreathIntervalTest,
                         ::testing::Values(IntervalCase{"Rate1", 1, 6000, 3000},
                                           IntervalCase{"Rate2", 2, 3000, 1500},
                                           IntervalCase{"Rate1_3", 1.3, 4615, 2308},
                                           // 2970.5 goes down to the even 2970.
                                           IntervalCase{"Rate1_01", 1.01, 5941, 2970},
                                           IntervalCase{"Rate0_1", 0.1, 60000, 30000}),
                         kCaseName);

TEST_F(BreathTest, ZeroMetabolicRateConsumesNothingAndKeepsTheInterval) {
    s.MetabolicRate = 0;
    at(6003);
    EXPECT_EQ(s.LoopPO2, 0.21);
    EXPECT_EQ(timer("BreathTimer").interval(), 6003);
    EXPECT_EQ(timer("BreathOffTimer").interval(), 3002);  // 3001.5 to the even neighbour
}

TEST_F(BreathTest, NoOxygenLeftMeansTheTickDoesNothing) {
    s.LoopPO2 = -0.01;
    at(6003);
    EXPECT_EQ(s.LoopPO2, -0.01);
    EXPECT_EQ(element("Shape3").borderWidth(), 1);
    EXPECT_EQ(timer("BreathTimer").interval(), 6003);
}

TEST_F(BreathTest, EmptyLoopSkipsTheConsumptionButNotTheIntervals) {
    s.CounterlungVolume = 0;
    s.MetabolicRate = 2;
    at(6003);
    EXPECT_EQ(s.LoopPO2, 0.21);
    EXPECT_EQ(timer("BreathTimer").interval(), 3000);
}

TEST_F(DiverTest, MouthpieceShowsItsPictureAndWritesItsMessage) {
    EXPECT_EQ(element("Image18").picture(), "\\MouthC.jpg");
    tap("Image18");
    EXPECT_EQ(s.Mouthpiece, "Open");
    EXPECT_EQ(element("Image18").picture(), "\\MouthO.jpg");
    EXPECT_EQ(status(), "Mouthpiece Opened");
    tap("Image18");
    EXPECT_EQ(s.Mouthpiece, "Closed");
    EXPECT_EQ(element("Image18").picture(), "\\MouthC.jpg");
    EXPECT_EQ(status(), "Mouthpiece Closed");
}

TEST_F(DiverTest, RegulatorIntoAClosedMouthpieceWarnsAndDoesNotBreathe) {
    tap("Image19");
    EXPECT_EQ(element("Image19").left(), 6120);
    EXPECT_EQ(element("Image19").height(), 1800);
    EXPECT_EQ(s.Breathing, 0);
    EXPECT_FALSE(timer("BreathTimer").enabled());
    EXPECT_EQ(status(), "");
    EXPECT_EQ(takeSounds(), (std::vector<SoundCall>{played(0, 2, "alarm.wav")}));
    tap("Image19");  // the next click takes it out again
    EXPECT_EQ(element("Image19").left(), 6360);
    EXPECT_EQ(element("Image19").width(), 600);
    EXPECT_EQ(status(), "Breathing Stopped");
    act(Verb::Uncheck, "Check2");
    tap("Image19");
    EXPECT_TRUE(takeSounds().empty()) << "no warning with the Warnings box unticked";
}

TEST_F(DiverTest, BreathingRunsOnlyWithTheRegulatorInAndTheMouthpieceOpen) {
    tap("Image18");
    tap("Image19");
    EXPECT_EQ(s.Breathing, 1);
    EXPECT_EQ(status(), "Breathing Started");
    EXPECT_EQ(element("Image19").top(), 1200);
    EXPECT_EQ(element("Image19").width(), 1080);
    at(1000);
    tap("Image18");
    EXPECT_FALSE(timer("BreathTimer").enabled());
    EXPECT_EQ(s.Breathing, 1);
    at(2000);
    tap("Image18");  // resumes without another click on the regulator
    EXPECT_EQ(timer("BreathTimer").due(), 2000 + 6003);
    tap("Image19");
    EXPECT_EQ(s.Breathing, 0);
    EXPECT_FALSE(timer("BreathTimer").enabled());
    EXPECT_EQ(element("Image19").top(), 2160);
    EXPECT_EQ(element("Image19").height(), 480);
}

TEST_F(DiverTest, BailOutParksTheRegulatorAndTheDialogKeepsTheRunGoing) {
    tap("Image18");
    tap("Image19");
    at(500);
    tap("Image20");
    EXPECT_EQ(s.Breathing, 0);
    EXPECT_FALSE(timer("BreathTimer").enabled());
    EXPECT_EQ(element("Image19").left(), 6360);
    EXPECT_EQ(status(), "Bailed Out");
    EXPECT_TRUE(sim.dialogs().isOpen("Bailout"));
    EXPECT_TRUE(timer("Bailout.Timer1").enabled());
    EXPECT_EQ(takeSounds(), (std::vector<SoundCall>{played(500, 1, "alarm.wav")}));
    at(5000);
    EXPECT_EQ(s.RecordIndex, 5);
    tap("Bailout.Return");
    EXPECT_EQ(status(), "Returned to loop");
    EXPECT_FALSE(sim.dialogs().isOpen("Bailout"));
    EXPECT_FALSE(timer("Bailout.Timer1").enabled());
    EXPECT_EQ(s.Breathing, 0);
    EXPECT_EQ(sim.dialogs().ending(), Ending::Running);
}

TEST_F(DiverTest, BailOutWithTheMouthpieceClosedIsSilentAndExitEndsWithoutSaving) {
    tap("Bailout.Exit");
    EXPECT_EQ(sim.dialogs().ending(), Ending::Running) << "no dialog, no button";
    tap("Image20");
    EXPECT_TRUE(takeSounds().empty());
    tap("Bailout.Exit");
    EXPECT_EQ(sim.dialogs().ending(), Ending::WithoutSaving);
}

TEST_F(DiverTest, ScrubberAndOnTimeRestWhileBothHandsetsAreOff) {
    tap("Image18");
    tap("Image19");
    at(3 * 60 * kMinute);
    EXPECT_EQ(s.ScrubberMinutes, 14);
    EXPECT_EQ(s.LeftHandset.OnMinutes, 14);
    EXPECT_EQ(s.MetabolicRate, 1);
}

TEST_F(DiverTest, OnTimeCountsWithEitherHandsetOnButTheScrubberOnlyWhileBreathing) {
    s.LeftHandset.OnMinutes = 0;
    s.RightHandset.UnitOn = 1;
    at(30 * kMinute);
    EXPECT_EQ(s.ScrubberMinutes, 14);
    EXPECT_EQ(s.LeftHandset.OnMinutes, 30);
    EXPECT_EQ(s.RightHandset.OnMinutes, 0);
    tap("Image18");
    tap("Image19");
    at(75 * kMinute);
    EXPECT_EQ(s.ScrubberMinutes, 14 + 45);
    EXPECT_EQ(s.LeftHandset.OnMinutes, 75);
}

TEST_F(DiverTest, ExhaustedScrubberRaisesTheMetabolicRateEveryMinute) {
    // Three hours of breathing on a fill that had 14 minutes: breakthrough comes when the
    // count passes 180, at minute 167, and adds a tenth each minute from then on.
    s.LeftHandset.UnitOn = 1;
    tap("Image18");
    tap("Image19");
    at(166 * kMinute);
    EXPECT_EQ(s.ScrubberMinutes, 180);
    EXPECT_EQ(s.MetabolicRate, 1);
    at(167 * kMinute);
    EXPECT_DOUBLE_EQ(s.MetabolicRate, 1.1);
    at(180 * kMinute);
    EXPECT_EQ(s.ScrubberMinutes, 194);
    EXPECT_NEAR(s.MetabolicRate, 2.4, 1e-9);
    EXPECT_EQ(element("Label4").text(), "1") << "the minute tick leaves the readout";
}

TEST_F(DiverTest, ExhaustedScrubberBreaksThroughWithNoHandsetOn) {
    s.ScrubberMinutes = 181;
    at(10 * kMinute);
    EXPECT_NEAR(s.MetabolicRate, 2.0, 1e-9);
}

struct FloodCase {
    const char* name;
    int leftIsMaster;
    HandsetState SimulationState::*flooded;
    HandsetState SimulationState::*dry;
};

class HandsetFloodTest : public LoopFixture, public ::testing::WithParamInterface<FloodCase> {};

TEST_P(HandsetFloodTest, OneCellFactorOfTheMasterCreepsDownEachTick) {
    const FloodCase& c = GetParam();
    stopTicks();
    s.LeftHandset.IsMaster = c.leftIsMaster;
    const CellValues dryFactors = (s.*c.dry).CellFactor;
    sim.clock().timer("FloodTimer").setEnabled(true);
    for (int tick = 1; tick <= 20; ++tick) {
        const CellValues previous = (s.*c.flooded).CellFactor;
        at(tick * 5000);
        int changed = 0;
        for (int cell = 1; cell <= 3; ++cell) {
            const double drop = previous[cell] - (s.*c.flooded).CellFactor[cell];
            EXPECT_GE(drop, 0);
            EXPECT_LT(drop, 0.001);
            changed += drop > 0;
        }
        EXPECT_EQ(changed, 1) << "tick " << tick;
    }
    EXPECT_EQ((s.*c.dry).CellFactor, dryFactors);
}

INSTANTIATE_TEST_SUITE_P(Masters, HandsetFloodTest,
                         ::testing::Values(FloodCase{"LeftMaster", 1, &SimulationState::LeftHandset,
                                                     &SimulationState::RightHandset},
                                           FloodCase{"LeftNotMaster", 0,
                                                     &SimulationState::RightHandset,
                                                     &SimulationState::LeftHandset}),
                         kCaseName);

}  // namespace
}  // namespace loopsim
