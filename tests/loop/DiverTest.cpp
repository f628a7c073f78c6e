#include <gtest/gtest.h>

#include "loop/LoopFixture.h"

namespace loopsim {
namespace {

constexpr Millis kMinute = 60000;

using Diver = LoopFixture;

// Only the breath ticks run, so LoopPO2 changes by breaths alone.
struct BreathRig : LoopRig {
    BreathRig() {
        onlyTicks();
        breathe();
    }
};
struct Breath : ::testing::Test, BreathRig {};

TEST_F(Breath, FirstBreathAfter6003MsTakesItsShareAndMarksTheGauge) {
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

// The intervals follow the metabolic rate, halves rounded to the even neighbour. A zero
// rate and an empty loop consume nothing; with no oxygen left the tick does nothing at all.
TEST(BreathInterval, FollowsTheRateAndTheLoop) {
    struct Row {
        const char* name;
        double rate;
        double volume;
        double loopPO2;
        int breath;
        int mark;
        double loopPO2After;
        int border;
    };
    const double used = (3.2 - 0.10005) / 3.2;  // the first breath at 1 litre a minute
    const Row rows[] = {
        {"rate 1", 1, 20, 1.0, 6000, 3000, used, 5},
        {"rate 2", 2, 20, 1.0, 3000, 1500, (3.2 - 0.2001) / 3.2, 5},
        {"rate 1.3", 1.3, 20, 1.0, 4615, 2308, (3.2 - 0.13 * 1.0005) / 3.2, 5},
        {"rate 1.01, 2970.5 to 2970", 1.01, 20, 1.0, 5941, 2970, (3.2 - 0.101 * 1.0005) / 3.2, 5},
        {"rate 0.1", 0.1, 20, 1.0, 60000, 30000, (3.2 - 0.010005) / 3.2, 5},
        {"rate 0, 3001.5 to 3002", 0, 20, 0.21, 6003, 3002, 0.21, 5},
        {"empty loop", 2, 0, 0.21, 3000, 1500, 0.21, 5},
        {"no oxygen left", 1, 20, -0.01, 6003, 3000, -0.01, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        BreathRig r;
        r.s.MetabolicRate = row.rate;
        r.s.CounterlungVolume = row.volume;
        r.s.LoopPO2 = row.loopPO2;
        r.at(6003);
        EXPECT_DOUBLE_EQ(r.s.LoopPO2, row.loopPO2After);
        EXPECT_EQ(r.element("Shape3").borderWidth(), row.border);
        EXPECT_EQ(r.timer("BreathTimer").interval(), row.breath);
        EXPECT_EQ(r.timer("BreathOffTimer").interval(), row.mark);
        EXPECT_EQ(r.timer("BreathTimer").due(), 6003 + row.breath);
    }
}

TEST_F(Diver, MouthpieceShowsItsPictureAndWritesItsMessage) {
    EXPECT_EQ(element("Image18").picture(), "\\MouthC.jpg");
    tap("Image18");
    EXPECT_EQ(s.Mouthpiece, MouthpieceState::Open);
    EXPECT_EQ(element("Image18").picture(), "\\MouthO.jpg");
    EXPECT_EQ(status(), "Mouthpiece Opened");
    tap("Image18");
    EXPECT_EQ(s.Mouthpiece, MouthpieceState::Closed);
    EXPECT_EQ(element("Image18").picture(), "\\MouthC.jpg");
    EXPECT_EQ(status(), "Mouthpiece Closed");
}

TEST_F(Diver, RegulatorIntoAClosedMouthpieceWarnsAndDoesNotBreathe) {
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

TEST_F(Diver, BreathingRunsOnlyWithTheRegulatorInAndTheMouthpieceOpen) {
    breathe();
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

TEST_F(Diver, BailOutParksTheRegulatorAndTheDialogKeepsTheRunGoing) {
    breathe();
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

TEST_F(Diver, BailOutWithTheMouthpieceClosedIsSilentAndExitEndsWithoutSaving) {
    tap("Bailout.Exit");
    EXPECT_EQ(sim.dialogs().ending(), Ending::Running) << "no dialog, no button";
    tap("Image20");
    EXPECT_TRUE(takeSounds().empty());
    tap("Bailout.Exit");
    EXPECT_EQ(sim.dialogs().ending(), Ending::WithoutSaving);
}

// The scrubber counts only while breathing with a handset on; the on time counts with
// either handset on; an exhausted scrubber breaks through whatever is on.
TEST_F(Diver, ScrubberAndOnTimeCountWhileAHandsetIsOn) {
    breathe();
    at(3 * 60 * kMinute);
    EXPECT_EQ(s.ScrubberMinutes, 14);
    EXPECT_EQ(s.LeftHandset.OnMinutes, 14);
    EXPECT_EQ(s.MetabolicRate, 1);
    tap("Image19");
    s.LeftHandset.OnMinutes = 0;
    s.RightHandset.UnitOn = 1;
    at(210 * kMinute);
    EXPECT_EQ(s.ScrubberMinutes, 14);
    EXPECT_EQ(s.LeftHandset.OnMinutes, 30);
    EXPECT_EQ(s.RightHandset.OnMinutes, 0);
    tap("Image19");
    at(255 * kMinute);
    EXPECT_EQ(s.ScrubberMinutes, 14 + 45);
    EXPECT_EQ(s.LeftHandset.OnMinutes, 75);
    tap("Image19");
    s.RightHandset.UnitOn = 0;
    s.ScrubberMinutes = 181;
    at(265 * kMinute);
    EXPECT_NEAR(s.MetabolicRate, 2.0, 1e-9);
}

TEST_F(Diver, ExhaustedScrubberRaisesTheMetabolicRateEveryMinute) {
    // Three hours of breathing on a fill that had 14 minutes: breakthrough comes when the
    // count passes 180, at minute 167, and adds a tenth each minute from then on.
    s.LeftHandset.UnitOn = 1;
    breathe();
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

// A flooded handset is the master: one of its cell factors creeps down each tick.
TEST(HandsetFlood, OneCellFactorOfTheMasterCreepsDownEachTick) {
    for (const int leftIsMaster : {1, 0}) {
        SCOPED_TRACE(leftIsMaster ? "left master" : "right master");
        LoopRig r;
        r.onlyTicks({"FloodTimer"});
        r.s.LeftHandset.IsMaster = leftIsMaster;
        HandsetState& flooded = leftIsMaster ? r.s.LeftHandset : r.s.RightHandset;
        HandsetState& dry = leftIsMaster ? r.s.RightHandset : r.s.LeftHandset;
        const CellValues dryFactors = dry.CellFactor;
        for (int tick = 1; tick <= 20; ++tick) {
            const CellValues previous = flooded.CellFactor;
            r.at(tick * 5000);
            int changed = 0;
            for (int cell = 1; cell <= 3; ++cell) {
                const double drop = previous[cell] - flooded.CellFactor[cell];
                EXPECT_GE(drop, 0);
                EXPECT_LT(drop, 0.001);
                changed += drop > 0;
            }
            EXPECT_EQ(changed, 1) << "tick " << tick;
        }
        EXPECT_EQ(dry.CellFactor, dryFactors);
    }
}

}  // namespace
}  // namespace loopsim
