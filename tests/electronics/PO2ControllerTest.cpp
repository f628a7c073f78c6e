#include "DivingUnit.h"
#include "core/Format.h"
#include "electronics/PO2Controller.h"

namespace loopsim::testing {
namespace {

// The closer pair of the sorted readings is averaged and the larger gap is the spread.
TEST(PO2Controller, VoteDiscardsTheOddReading) {
    const std::tuple<CellValues, double, double> rows[] = {
        {{0, 0.70, 0.72, 1.20}, 0.71, 0.48},
        {{0, 1.20, 0.72, 0.70}, 0.71, 0.48},
        {{0, 0.50, 1.00, 1.50}, 0.75, 0.5},  // a tie keeps the lower pair
        {{0, 0.30, 1.00, 1.02}, 1.01, 0.7},
        {{0, -0.20, 0.90, 1.00}, 0.95, 1.1}};
    for (const auto& [readings, meanPO2, spread] : rows) {
        const CellVote vote = voteCells(readings);
        EXPECT_NEAR(vote.meanPO2, meanPO2, 1e-12) << readings[1];
        EXPECT_NEAR(vote.cellSpread, spread, 1e-12) << readings[1];
    }
}

constexpr Millis kFirstTick = 6001;

// Readings set at 6000 ms are the ones voted at 6001: the cell tick ran at 5522 ms and
// runs again at 6024 ms.
struct ControllerRig : UnitRig {
    void voteAt(double setpoint, double reading) {
        at(kFirstTick - 1);
        s.ActiveSetpoint = setpoint;
        s.LeftHandset.CellPO2 = {0, reading, reading, reading};
        at(kFirstTick);
    }
    std::vector<Millis> solenoidPlays() {
        std::vector<Millis> times;
        for (const SoundCall& call : callsOn(7))
            if (call.isPlay)
                times.push_back(call.time);
        return times;
    }
};
struct Controller : ::testing::Test, ControllerRig {};

// One step at once and one at each further second: 0.2 litres into the counterlung with
// the mouthpiece closed, into the 3.2 litres of oxygen with it open.
TEST(PO2Controller, FiringLengthFollowsTheGapToTheSetpoint) {
    using M = MouthpieceState;
    const std::tuple<double, double, M, int, int> rows[] = {
        {1.3, 1.2, M::Closed, 800, 1},  {1.3, 1.0, M::Open, 3400, 4},
        {1.3, 0.7, M::Closed, 7300, 8}, {1.3, 0.7, M::Open, 7300, 8},
        {1.3, 0.1, M::Open, 15000, 15}, {1.3, 0.0, M::Closed, 15000, 15},
        {0.7, 0.68, M::Open, 100, 1}};
    for (const auto& [setpoint, reading, mouthpiece, soundMs, steps] : rows) {
        SCOPED_TRACE(std::to_string(reading) + " to " + std::to_string(setpoint) + ", " +
                     std::string(text(mouthpiece)));
        ControllerRig r;
        r.s.Mouthpiece = mouthpiece;
        r.voteAt(setpoint, reading);
        EXPECT_EQ(r.s.HandsetPO2, formatFixed(reading, 2));
        // The valve is looked at only when deciding: shut now, it keeps the tick that is due
        // when this firing ends from firing again.
        r.s.OxygenValve = ValveState::Off;
        const Millis end = kFirstTick + 1000 * steps;
        r.at(end - 1);
        if (r.s.Mouthpiece == MouthpieceState::Closed) {
            EXPECT_EQ(r.s.CounterlungVolume, 20 + 1.25 * steps);
        } else {
            EXPECT_EQ(r.s.CounterlungVolume, 20);
            EXPECT_NEAR(r.s.LoopPO2, 0.21 + 0.0625 * steps, 1e-9);
        }
        r.at(end);
        EXPECT_EQ(r.callsOn(7), (std::vector<SoundCall>{{kFirstTick, true, 7, "injectorshort.wav"},
                                                        {kFirstTick + soundMs, false, 7, ""}}));
        EXPECT_EQ(r.callsOn(5), (std::vector<SoundCall>{{end, false, 5, ""}}));
    }
}

// A solenoid stuck open feeds the loop through the free-flow tick, not the controller.
TEST(PO2Controller, NoFiringTakesNeitherGasNorBattery) {
    using V = ValveState;
    using C = SolenoidCondition;
    const std::tuple<V, C, double> rows[] = {{V::Off, C::Normal, 0.1},
                                             {V::Open, C::StuckClosed, 0.1},
                                             {V::Open, C::StuckOpen, 0.1},
                                             {V::Open, C::Normal, 0.7}};
    for (const auto& [oxygenValve, solenoid, reading] : rows) {
        SCOPED_TRACE(std::string(text(oxygenValve)) + ", solenoid " + std::string(text(solenoid)));
        ControllerRig r;
        r.s.OxygenValve = oxygenValve;
        r.s.SolenoidState = solenoid;
        r.voteAt(0.7, reading);
        r.at(kFirstTick + 1000);
        EXPECT_TRUE(r.solenoidPlays().empty());
        if (r.s.SolenoidState != SolenoidCondition::StuckOpen) {
            EXPECT_EQ(r.s.LoopPO2, 0.21);
        }
        EXPECT_EQ(r.s.LeftHandset.BatteryVolts, 6.2);
    }
}

TEST_F(Controller, RightMasterIsVotedAndDrainsItsOwnBatteryFaster) {
    s.LeftHandset.IsMaster = 0;
    s.RightHandset.IsMaster = 1;
    s.RightHandset.Screen = kMasterMainScreen;
    at(kFirstTick - 1);
    s.LeftHandset.CellPO2 = {0, 1.0, 1.0, 1.0};
    s.RightHandset.CellPO2 = {0, 0.50, 0.52, 0.90};
    at(kFirstTick);
    EXPECT_EQ(s.HandsetPO2, "0.51");
    EXPECT_NEAR(s.CellSpread, 0.38, 1e-12);
    EXPECT_DOUBLE_EQ(s.LeftHandset.BatteryVolts, 6.2 - 0.00003);
    EXPECT_DOUBLE_EQ(s.RightHandset.BatteryVolts, 6.2 - 0.00006);
}

TEST_F(Controller, TickDueDuringAFiringRunsOnceWhenItEnds) {
    // A master that reads nothing always asks for the longest firing, 15 s.
    s.LeftHandset.CellFactor = {0, 0, 0, 0};
    s.ActiveSetpoint = 1.3;
    s.Mouthpiece = MouthpieceState::Open;
    at(21000);
    EXPECT_NEAR(s.LoopPO2, 0.21 + 15 * 0.0625, 1e-9);
    // The ticks due at 12002 and 18003 come as one, right after the first firing.
    at(36001);
    EXPECT_EQ(solenoidPlays(), (std::vector<Millis>{6001, 21001, 36001}));
    EXPECT_NEAR(s.LoopPO2, 0.21 + 31 * 0.0625, 1e-9);
    EXPECT_DOUBLE_EQ(s.LeftHandset.BatteryVolts, 6.2 - 3 * 0.00006);
    EXPECT_DOUBLE_EQ(s.RightHandset.BatteryVolts, 6.2 - 3 * 0.00003);
}

}  // namespace
}  // namespace loopsim::testing
