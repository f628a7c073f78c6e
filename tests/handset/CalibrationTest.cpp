#include <gtest/gtest.h>

#include "HandsetFixture.h"

namespace loopsim {
namespace {

constexpr double kSurfaceTarget = 1.013;  // 1013 mb of pure oxygen

// The left handset, master, about to run its calibration screen at 3000 ms with the oxygen
// valve open.
struct CalibrationRig : HandsetRig {
    Millis started = 0;
    Millis ended = 0;

    CalibrationRig() {
        s.OxygenValve = ValveState::Open;
        for (std::size_t cell = 1; cell <= 3; ++cell)
            s.OxygenCells[cell].Millivolts = 10;
        putOn(left, 22);
        left.IsMaster = 1;
    }

    // A flush that starts near the target with a full counterlung: about 6 s.
    void shortFlush() {
        s.LoopPO2 = 0.9;
        s.CounterlungVolume = 100;
    }

    void startCalibration() {
        runTimer("Timer8");
        started = sim.now();
    }
    // Runs until the calibration screen has ended: the tick's timer stays stopped while
    // the run lasts.
    void runToEnd() {
        const SimTimer& tick = timer("Timer8");
        while (tick.due() == kNever && sim.now() < started + 200000)
            runFor(1);
        ended = sim.now();
    }
    void calibrate() {
        startCalibration();
        runToEnd();
    }
};

struct CalibrationFixture : ::testing::Test, CalibrationRig {};

TEST_F(CalibrationFixture, FlushFromAirAtTheSurfaceFillsTheLoopAndIsAccepted) {
    s.CalPressure = 990;
    s.CalOxygenPercent = 98;
    putOn(right, 4);
    calibrate();

    EXPECT_GE(ended - started, 15000);
    EXPECT_LE(ended - started, 40000);

    EXPECT_EQ(left.Screen, 32);
    EXPECT_EQ(s.LoopPO2, kSurfaceTarget);
    EXPECT_EQ(s.CounterlungVolume, 100);
    EXPECT_EQ(s.CalibrationCount, 1);
    const double air[] = {0, 10.5, 11.6, 9.5};
    for (std::size_t cell = 1; cell <= 3; ++cell) {
        const double settled = (10 + kSurfaceTarget * air[cell] * (100.0 / 21)) / 2;
        EXPECT_DOUBLE_EQ(s.OxygenCells[cell].Millivolts, settled) << "cell " << cell;
        EXPECT_DOUBLE_EQ(left.CellFactor[cell], 0.99 * 0.98 / settled) << "cell " << cell;
        EXPECT_EQ(right.CellFactor[cell], left.CellFactor[cell]) << "cell " << cell;
    }
}

TEST_F(CalibrationFixture, FlushShowsTheReadingsOfEachBatch) {
    shortFlush();
    left.CellFactor = {0, 0.021, 0.02, 0.1};
    startCalibration();
    EXPECT_EQ(text("Label14"), "   FLUSHING BAG  0.21      0.20      1.00");
    s.OxygenCells[3].Millivolts = 12;
    runFor(1);
    EXPECT_EQ(text("Label14"), "   FLUSHING BAG  0.21      0.20      1.20");
    EXPECT_DOUBLE_EQ(left.CellPO2[3], 1.2);
}

TEST_F(CalibrationFixture, ClosingRunShowsCalibratingForSevenSecondsThenBeepsWithoutSound) {
    shortFlush();
    s.SoundEnabled = 0;
    calibrate();
    sounds();
    runTimer("Timer8");
    const Millis closing = sim.now();
    EXPECT_EQ(closing, ended + 3000);
    EXPECT_EQ(text("Label14"), "   CALIBRATING  ");
    sim.advanceTo(closing + 6999);
    EXPECT_EQ(left.Screen, 32);
    EXPECT_TRUE(sounds().empty());
    sim.advanceTo(closing + 7000);
    EXPECT_EQ(sounds(), (std::vector<std::string>{"1:DoubleBeep.wav"}));
    EXPECT_EQ(left.Screen, 17);
    EXPECT_EQ(timer("Timer8").due(), closing + 10000);
}

TEST_F(CalibrationFixture, TimeLimitEndsAFlushThatCannotFillTheLoop) {
    s.LoopCapacity = 400;
    calibrate();
    EXPECT_EQ(ended - started, 120001);
    EXPECT_LT(s.LoopPO2, kSurfaceTarget);
    EXPECT_EQ(left.Screen, 32);
}

TEST_F(CalibrationFixture, ClosingTheOxygenValveStopsTheFlush) {
    const CellValues factors = left.CellFactor;
    startCalibration();
    sim.advanceTo(started + 5000);
    s.OxygenValve = ValveState::Off;
    const double po2 = s.LoopPO2;
    const double volume = s.CounterlungVolume;
    sounds();
    runToEnd();
    EXPECT_EQ(left.Screen, 23);
    EXPECT_EQ(sounds(), (std::vector<std::string>{"-7"}));
    EXPECT_EQ(s.LoopPO2, po2);
    EXPECT_EQ(s.CounterlungVolume, volume);
    EXPECT_GT(volume, 20);
    EXPECT_EQ(left.CellFactor, factors);
    EXPECT_EQ(ended, started + 5001);
    EXPECT_EQ(timer("Timer8").due(), ended + 3000);
}

TEST_F(CalibrationFixture, WithTheMouthpieceOpenTheCounterlungKeepsItsVolume) {
    s.Mouthpiece = MouthpieceState::Open;
    startCalibration();
    runFor(10000);
    EXPECT_EQ(s.CounterlungVolume, 20);
    EXPECT_GT(s.LoopPO2, 0.5);
}

// What each failed check leads to; the failure screens' own cycles are the display tests'.
TEST(Calibration, FailedChecksKeepTheOldFactors) {
    struct Row {
        double loopPO2;
        std::size_t slowCell, deadCell;  // a dead cell gives 0 mV and is the one shown
        int screen;                      // 26 cells stuck, 27 out of range
    };
    for (const Row row : {Row{kSurfaceTarget, 0, 0, 26}, Row{0.9, 2, 0, 26}, Row{0.9, 0, 2, 27}}) {
        SCOPED_TRACE(::testing::Message()
                     << row.loopPO2 << " " << row.slowCell << " " << row.deadCell);
        CalibrationRig rig;
        rig.shortFlush();
        rig.s.LoopPO2 = row.loopPO2;
        rig.s.SlowCell = static_cast<int>(row.slowCell);
        if (row.deadCell) {
            rig.s.OxygenCells[row.deadCell].Millivolts = 0;
            rig.s.DrawnCell = static_cast<int>(row.deadCell);
        }
        const CellValues factors = rig.left.CellFactor;
        rig.calibrate();
        EXPECT_EQ(rig.left.Screen, row.screen);
        EXPECT_EQ(rig.left.CellFactor, factors);
        EXPECT_EQ(rig.s.CalibrationCount, 0);
    }
}

TEST_F(CalibrationFixture, LoopAlreadyPastTheTargetEndsTheFlushAtOnce) {
    s.Depth = 10;
    s.LoopPO2 = kSurfaceTarget + 0.1;
    startCalibration();
    EXPECT_EQ(left.Screen, 26);
    EXPECT_EQ(s.LoopPO2, kSurfaceTarget + 0.1);
    EXPECT_EQ(timer("Timer8").due(), started + 3000);
}

TEST_F(CalibrationFixture, OnlyASlaveWaitingForDataTakesTheNewFactors) {
    shortFlush();
    putOn(right, 5);
    const CellValues factors = right.CellFactor;
    calibrate();
    EXPECT_EQ(left.Screen, 32);
    EXPECT_NE(left.CellFactor, factors);
    EXPECT_EQ(right.CellFactor, factors);
}

TEST_F(CalibrationFixture, EverythingElseRunsDuringTheFlushButNotTheTickItself) {
    shortFlush();
    putOn(right, 2);
    right.IsMaster = 0;
    startCalibration();
    runFor(1000);
    EXPECT_EQ(left.Screen, 22);
    click("Label10");  // re-arms the running tick
    runFor(3000);
    EXPECT_EQ(left.Screen, 22);
    EXPECT_EQ(text("Label14").substr(0, 17), "   FLUSHING BAG  ");
    // The right handset went on cycling meanwhile.
    EXPECT_EQ(right.Screen, 2);
    EXPECT_EQ(text("Label15"), "       DIVE NOW ?        Confirm    ");
    EXPECT_GT(s.RecordIndex, 5);

    runToEnd();
    EXPECT_EQ(left.Screen, 32);
    EXPECT_GT(ended, started + 4000);
    EXPECT_EQ(text("Label14").substr(0, 17), "   FLUSHING BAG  ");
    // The re-armed tick still waits a whole cycle after the run's end.
    EXPECT_EQ(timer("Timer8").due(), ended + 3000);
}

TEST_F(CalibrationFixture, SwitchedOffDuringTheFlushTheFlushRunsOnAndTheNextTickBlanks) {
    shortFlush();
    startCalibration();
    runFor(1000);
    tap("LHOO");  // the switch was on: this switches off
    EXPECT_EQ(left.UnitOn, 0);
    runFor(1000);
    EXPECT_EQ(text("Label14").substr(0, 17), "   FLUSHING BAG  ");
    runToEnd();
    EXPECT_EQ(left.Screen, 32);
    EXPECT_EQ(text("Label14").substr(0, 17), "   FLUSHING BAG  ");
    runTimer("Timer8");
    EXPECT_EQ(text("Label14"), " ");
    EXPECT_EQ(left.Screen, 0);
}

}  // namespace
}  // namespace loopsim
