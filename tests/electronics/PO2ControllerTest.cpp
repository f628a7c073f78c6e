#include <cmath>

#include "DivingUnit.h"
#include "core/Format.h"
#include "electronics/PO2Controller.h"

namespace loopsim::testing {
namespace {

constexpr Millis kFirstControllerTick = 6001;

struct VoteCase {
    CellValues readings;
    double handsetPO2;
    const char* shown;
    double cellSpread;
};

class Vote : public ::testing::TestWithParam<VoteCase> {};

TEST_P(Vote, DiscardsTheOddReading) {
    const VoteCase& c = GetParam();
    const CellVote vote = voteCells(c.readings);
    EXPECT_NEAR(vote.meanPO2, c.handsetPO2, 1e-12);
    EXPECT_EQ(formatFixed(vote.meanPO2, 2), c.shown);
    EXPECT_NEAR(vote.cellSpread, c.cellSpread, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    PO2Controller, Vote,
    ::testing::Values(VoteCase{{0, 0.70, 0.72, 1.20}, 0.71, "0.71", 0.48},
                      VoteCase{{0, 1.20, 0.72, 0.70}, 0.71, "0.71", 0.48},    // any order
                      VoteCase{{0, 0.50, 1.00, 1.50}, 0.75, "0.75", 0.5},     // equal gaps
                      VoteCase{{0, 0.30, 1.00, 1.02}, 1.01, "1.01", 0.7},     // low one odd
                      VoteCase{{0, 1.00, 1.00, 1.00}, 1.00, "1.00", 0.0},     // all agree
                      VoteCase{{0, -0.20, 0.90, 1.00}, 0.95, "0.95", 1.1}));  // a drifted cell

TEST(FireSeconds, GrowsWithTheShortfallWithinItsLimits) {
    EXPECT_NEAR(fireSeconds(1.3, 1.2), 0.8, 1e-12);
    EXPECT_NEAR(fireSeconds(1.3, 0.7), 7.3, 1e-12);
    EXPECT_EQ(fireSeconds(1.3, 0.1), 15);
    EXPECT_EQ(fireSeconds(0.7, 0.68), 0.1);
}

// The controller votes at 6001 ms; the cell tick last ran at 5522 ms and next runs at
// 6024 ms, so readings set at 6000 ms are the ones voted.
struct Controller : DivingUnit {
    void voteAt(double setpoint, double reading) {
        advanceTo(kFirstControllerTick - 1);
        s.ActiveSetpoint = setpoint;
        s.LeftHandset.CellPO2 = {0, reading, reading, reading};
        advanceTo(kFirstControllerTick);
    }

    std::vector<Millis> playsOfTheSolenoid() {
        std::vector<Millis> times;
        for (const SoundCall& call : callsOn(7))
            if (call.isPlay && call.file == "injectorshort.wav")
                times.push_back(call.time);
        return times;
    }
};

struct FiringCase {
    double setpoint;
    double handsetPO2;
    const char* mouthpiece;
    int soundMilliseconds;
    int steps;
};

class Firing : public Controller, public ::testing::WithParamInterface<FiringCase> {};

TEST_P(Firing, AddsOneStepAtOnceAndOneMoreEachFurtherSecond) {
    const FiringCase& c = GetParam();
    s.Mouthpiece = c.mouthpiece;
    const bool closed = s.Mouthpiece == "Closed";
    voteAt(c.setpoint, c.handsetPO2);
    EXPECT_EQ(simulation.clock().timer("MakeNoiseSolenoidTimer").interval(), c.soundMilliseconds);
    // The valve is only looked at when deciding: shut now, it keeps the controller tick
    // that is due when this firing ends from firing again, so this firing is seen alone.
    s.OxygenValve = "OFF";

    const Millis end = kFirstControllerTick + 1000 * c.steps;
    double beforeLastStep = closed ? 20 : 0.21;
    if (c.steps > 1) {
        advanceTo(end - 1001);
        beforeLastStep = closed ? s.CounterlungVolume : s.LoopPO2;
    }
    advanceTo(end - 1);
    if (closed) {
        // 0.2 litre into a 16 litre loop is 1.25 % of its volume.
        EXPECT_EQ(s.CounterlungVolume, 20 + 1.25 * c.steps);
        EXPECT_EQ(beforeLastStep, 20 + 1.25 * (c.steps - 1));
    } else {
        // With the mouthpiece open the volume stays at 3.2 litres: 0.0625 bar per step.
        EXPECT_EQ(s.CounterlungVolume, 20);
        EXPECT_NEAR(s.LoopPO2, 0.21 + 0.0625 * c.steps, 1e-9);
        EXPECT_NEAR(beforeLastStep, 0.21 + 0.0625 * (c.steps - 1), 1e-9);
    }

    // The solenoid sound stops after the firing time; the hiss channel when the firing ends.
    advanceTo(end);
    const std::vector<SoundCall> solenoid = callsOn(7);
    ASSERT_GE(solenoid.size(), 2u);
    EXPECT_EQ(solenoid[0], (SoundCall{kFirstControllerTick, true, 7, "injectorshort.wav"}));
    EXPECT_EQ(solenoid[1], (SoundCall{kFirstControllerTick + c.soundMilliseconds, false, 7, ""}));
    const std::vector<SoundCall> hiss = callsOn(5);
    ASSERT_FALSE(hiss.empty());
    EXPECT_EQ(hiss[0], (SoundCall{end, false, 5, ""}));
}

INSTANTIATE_TEST_SUITE_P(PO2Controller, Firing,
                         ::testing::Values(FiringCase{1.3, 1.2, "Closed", 800, 1},
                                           FiringCase{1.3, 1.0, "Open", 3400, 4},
                                           FiringCase{1.3, 0.7, "Closed", 7300, 8},
                                           FiringCase{1.3, 0.7, "Open", 7300, 8},
                                           FiringCase{1.3, 0.1, "Open", 15000, 15},
                                           FiringCase{1.3, 0.0, "Closed", 15000, 15},
                                           FiringCase{0.7, 0.68, "Open", 100, 1},
                                           FiringCase{1.3, 1.29, "Closed", 100, 1}),
                         [](const auto& info) {
                             const FiringCase& c = info.param;
                             return "Reading" + std::to_string(std::lround(c.handsetPO2 * 100)) +
                                    "Setpoint" + std::to_string(std::lround(c.setpoint * 100)) +
                                    "Mouthpiece" + c.mouthpiece;
                         });

TEST_F(Controller, VotedPO2IsPublishedAsText) {
    advanceTo(kFirstControllerTick - 1);
    s.LeftHandset.CellPO2 = {0, 0.70, 0.72, 1.20};
    advanceTo(kFirstControllerTick);
    EXPECT_EQ(s.HandsetPO2, "0.71");
    EXPECT_NEAR(s.CellSpread, 0.48, 1e-12);
}

TEST_F(Controller, RightMasterIsVotedEvenWhenTheLeftShowsAMasterScreen) {
    s.LeftHandset.IsMaster = 0;
    s.RightHandset.IsMaster = 1;
    s.RightHandset.Screen = kMasterMainScreen;
    advanceTo(kFirstControllerTick - 1);
    s.LeftHandset.CellPO2 = {0, 1.0, 1.0, 1.0};
    s.RightHandset.CellPO2 = {0, 0.50, 0.52, 0.90};
    advanceTo(kFirstControllerTick);
    EXPECT_EQ(s.HandsetPO2, "0.51");
    EXPECT_NEAR(s.CellSpread, 0.38, 1e-12);
}

struct NoFiringCase {
    const char* name;
    const char* oxygenValve;
    const char* solenoid;
    double reading;
};

class NoFiring : public Controller, public ::testing::WithParamInterface<NoFiringCase> {};

TEST_P(NoFiring, NeitherGasNorBatteryDrain) {
    const NoFiringCase& c = GetParam();
    s.OxygenValve = c.oxygenValve;
    s.SolenoidState = c.solenoid;
    voteAt(0.7, c.reading);
    advanceTo(kFirstControllerTick + 1000);
    EXPECT_TRUE(playsOfTheSolenoid().empty());
    EXPECT_EQ(s.LoopPO2, 0.21);
    EXPECT_EQ(s.LeftHandset.BatteryVolts, 6.2);
    EXPECT_EQ(s.RightHandset.BatteryVolts, 6.2);
}

INSTANTIATE_TEST_SUITE_P(PO2Controller, NoFiring,
                         ::testing::Values(NoFiringCase{"ValveClosed", "OFF", "Normal", 0.1},
                                           NoFiringCase{"StuckClosed", "OPEN", "Closed", 0.1},
                                           NoFiringCase{"StuckOpen", "OPEN", "Open", 0.1},
                                           NoFiringCase{"AtSetpoint", "OPEN", "Normal", 0.7}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Controller, NothingIsVotedWithoutAMasterMainScreen) {
    s.LeftHandset.Screen = 42;
    voteAt(0.7, 0.1);
    EXPECT_EQ(s.HandsetPO2, "");
    EXPECT_TRUE(playsOfTheSolenoid().empty());
}

TEST_F(Controller, MasterWarningScreenReturnsToTheMainScreenFirst) {
    advanceTo(kFirstControllerTick - 1);
    s.LeftHandset.Screen = 51;
    s.LeftHandset.CellPO2 = {0, 0.1, 0.1, 0.1};
    advanceTo(kFirstControllerTick);
    EXPECT_EQ(s.HandsetPO2, "0.10");
    EXPECT_EQ(playsOfTheSolenoid(), std::vector<Millis>{kFirstControllerTick});
}

TEST_F(Controller, FiringDrainsTheMasterTwiceAsFastAsTheOther) {
    voteAt(1.3, 1.2);
    EXPECT_DOUBLE_EQ(s.LeftHandset.BatteryVolts, 6.2 - 0.00006);
    EXPECT_DOUBLE_EQ(s.RightHandset.BatteryVolts, 6.2 - 0.00003);
}

TEST_F(Controller, RightMasterDrainsItsOwnBatteryFaster) {
    std::swap(s.LeftHandset.IsMaster, s.RightHandset.IsMaster);
    std::swap(s.LeftHandset.Screen, s.RightHandset.Screen);
    advanceTo(kFirstControllerTick - 1);
    s.RightHandset.CellPO2 = {0, 0.5, 0.5, 0.5};
    advanceTo(kFirstControllerTick);
    EXPECT_DOUBLE_EQ(s.LeftHandset.BatteryVolts, 6.2 - 0.00003);
    EXPECT_DOUBLE_EQ(s.RightHandset.BatteryVolts, 6.2 - 0.00006);
}

TEST_F(Controller, TickDueDuringAFiringRunsOnceWhenItEnds) {
    // A master that reads nothing always asks for the longest firing, 15 s.
    s.LeftHandset.CellFactor = {0, 0, 0, 0};
    s.ActiveSetpoint = 1.3;
    s.Mouthpiece = "Open";
    advanceTo(21000);
    EXPECT_NEAR(s.LoopPO2, 0.21 + 15 * 0.0625, 1e-9);
    // The ticks due at 12002 and 18003 come as one, right after the first firing.
    advanceTo(36000);
    EXPECT_EQ(playsOfTheSolenoid(), (std::vector<Millis>{6001, 21001}));
    EXPECT_NEAR(s.LoopPO2, 0.21 + 30 * 0.0625, 1e-9);
    EXPECT_DOUBLE_EQ(s.LeftHandset.BatteryVolts, 6.2 - 2 * 0.00006);
    advanceTo(36001);
    EXPECT_EQ(playsOfTheSolenoid().back(), 36001);
    EXPECT_EQ(s.HandsetPO2, "0.00");
}

TEST_F(Controller, ReadingsFollowTheLoopDuringAFiring) {
    s.Mouthpiece = "Open";
    voteAt(1.3, 0.1);
    const double before = s.LeftHandset.CellPO2[1];
    // Cell ticks raise the outputs between steps; the firing recomputes the readings after
    // each wait, without the display's cap.
    advanceTo(kFirstControllerTick + 10000);
    EXPECT_GT(s.LeftHandset.CellPO2[1], before);
    EXPECT_NEAR(s.LeftHandset.CellPO2[1], s.OxygenCells[1].Millivolts * s.LeftHandset.CellFactor[1],
                1e-12);
}

TEST_F(Controller, NoSolenoidSoundWithSoundOff) {
    s.SoundEnabled = 0;
    voteAt(1.3, 0.7);
    advanceTo(kFirstControllerTick + 7999);
    EXPECT_TRUE(callsOn(7).empty());
    EXPECT_TRUE(callsOn(5).empty());
    EXPECT_FALSE(simulation.clock().timer("MakeNoiseSolenoidTimer").enabled());
    EXPECT_EQ(s.CounterlungVolume, 20 + 1.25 * 8);
}

}  // namespace
}  // namespace loopsim::testing
