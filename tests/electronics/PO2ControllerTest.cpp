#include <cmath>

#include "DivingUnit.h"
#include "core/Format.h"
#include "electronics/PO2Controller.h"

namespace loopsim::testing {
namespace {

struct VoteCase {
    CellValues readings;
    double handsetPO2;
    double cellSpread;
};

class Vote : public ::testing::TestWithParam<VoteCase> {};

TEST_P(Vote, DiscardsTheOddReading) {
    const CellVote vote = voteCells(GetParam().readings);
    EXPECT_NEAR(vote.meanPO2, GetParam().handsetPO2, 1e-12);
    EXPECT_NEAR(vote.cellSpread, GetParam().cellSpread, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(PO2Controller, Vote,
                         ::testing::Values(VoteCase{{0, 0.70, 0.72, 1.20}, 0.71, 0.48},
                                           VoteCase{{0, 1.20, 0.72, 0.70}, 0.71, 0.48},
                                           VoteCase{{0, 0.50, 1.00, 1.50}, 0.75, 0.5},  // tie
                                           VoteCase{{0, 0.30, 1.00, 1.02}, 1.01, 0.7},
                                           VoteCase{{0, -0.20, 0.90, 1.00}, 0.95, 1.1}));

constexpr Millis kFirstTick = 6001;

// Readings set at 6000 ms are the ones voted at 6001: the cell tick ran at 5522 ms and
// runs again at 6024 ms.
struct Controller : DivingUnit {
    void voteAt(double setpoint, double reading) {
        advanceTo(kFirstTick - 1);
        s.ActiveSetpoint = setpoint;
        s.LeftHandset.CellPO2 = {0, reading, reading, reading};
        advanceTo(kFirstTick);
    }
    std::vector<Millis> solenoidPlays() {
        std::vector<Millis> times;
        for (const SoundCall& call : callsOn(7))
            if (call.isPlay)
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

TEST_P(Firing, OneStepAtOnceAndOneAtEachFurtherSecond) {
    const FiringCase& c = GetParam();
    s.Mouthpiece = c.mouthpiece;
    voteAt(c.setpoint, c.handsetPO2);
    EXPECT_EQ(s.HandsetPO2, formatFixed(c.handsetPO2, 2));
    // The valve is looked at only when deciding: shut now, it keeps the tick that is due
    // when this firing ends from firing again.
    s.OxygenValve = "OFF";

    const Millis end = kFirstTick + 1000 * c.steps;
    advanceTo(end - 1);
    if (s.Mouthpiece == "Closed") {
        EXPECT_EQ(s.CounterlungVolume, 20 + 1.25 * c.steps);  // 0.2 of 16 litres a step
    } else {
        EXPECT_EQ(s.CounterlungVolume, 20);
        EXPECT_NEAR(s.LoopPO2, 0.21 + 0.0625 * c.steps, 1e-9);  // 0.2 into 3.2 litres
    }
    advanceTo(end);
    EXPECT_EQ(callsOn(7),
              (std::vector<SoundCall>{{kFirstTick, true, 7, "injectorshort.wav"},
                                      {kFirstTick + c.soundMilliseconds, false, 7, ""}}));
    EXPECT_EQ(callsOn(5), (std::vector<SoundCall>{{end, false, 5, ""}}));
}

INSTANTIATE_TEST_SUITE_P(PO2Controller, Firing,
                         ::testing::Values(FiringCase{1.3, 1.2, "Closed", 800, 1},
                                           FiringCase{1.3, 1.0, "Open", 3400, 4},
                                           FiringCase{1.3, 0.7, "Closed", 7300, 8},
                                           FiringCase{1.3, 0.7, "Open", 7300, 8},
                                           FiringCase{1.3, 0.1, "Open", 15000, 15},
                                           FiringCase{1.3, 0.0, "Closed", 15000, 15},
                                           FiringCase{0.7, 0.68, "Open", 100, 1}),
                         [](const auto& info) {
                             const FiringCase& c = info.param;
                             return "Reading" + std::to_string(std::lround(c.handsetPO2 * 100)) +
                                    "Setpoint" + std::to_string(std::lround(c.setpoint * 100)) +
                                    "Mouthpiece" + c.mouthpiece;
                         });

struct NoFiringCase {
    const char* name;
    const char* oxygenValve;
    const char* solenoid;
    double reading;
};

class NoFiring : public Controller, public ::testing::WithParamInterface<NoFiringCase> {};

TEST_P(NoFiring, NeitherGasNorBatteryDrain) {
    s.OxygenValve = GetParam().oxygenValve;
    s.SolenoidState = GetParam().solenoid;
    voteAt(0.7, GetParam().reading);
    advanceTo(kFirstTick + 1000);
    EXPECT_TRUE(solenoidPlays().empty());
    // A solenoid stuck open feeds the loop through the free-flow tick, not the controller.
    if (s.SolenoidState != "Open") {
        EXPECT_EQ(s.LoopPO2, 0.21);
    }
    EXPECT_EQ(s.LeftHandset.BatteryVolts, 6.2);
}

INSTANTIATE_TEST_SUITE_P(PO2Controller, NoFiring,
                         ::testing::Values(NoFiringCase{"ValveClosed", "OFF", "Normal", 0.1},
                                           NoFiringCase{"StuckClosed", "OPEN", "Closed", 0.1},
                                           NoFiringCase{"StuckOpen", "OPEN", "Open", 0.1},
                                           NoFiringCase{"AtSetpoint", "OPEN", "Normal", 0.7}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Controller, RightMasterIsVotedAndDrainsItsOwnBatteryFaster) {
    s.LeftHandset.IsMaster = 0;
    s.RightHandset.IsMaster = 1;
    s.RightHandset.Screen = kMasterMainScreen;
    advanceTo(kFirstTick - 1);
    s.LeftHandset.CellPO2 = {0, 1.0, 1.0, 1.0};
    s.RightHandset.CellPO2 = {0, 0.50, 0.52, 0.90};
    advanceTo(kFirstTick);
    EXPECT_EQ(s.HandsetPO2, "0.51");
    EXPECT_NEAR(s.CellSpread, 0.38, 1e-12);
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
    advanceTo(36001);
    EXPECT_EQ(solenoidPlays(), (std::vector<Millis>{6001, 21001, 36001}));
    EXPECT_NEAR(s.LoopPO2, 0.21 + 31 * 0.0625, 1e-9);
    EXPECT_DOUBLE_EQ(s.LeftHandset.BatteryVolts, 6.2 - 3 * 0.00006);
    EXPECT_DOUBLE_EQ(s.RightHandset.BatteryVolts, 6.2 - 3 * 0.00003);
}

}  // namespace
}  // namespace loopsim::testing
