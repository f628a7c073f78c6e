#include <gtest/gtest.h>

#include <iostream>

#include "HandsetFixture.h"
#include "handset/Calibration.h"

namespace loopsim {
namespace {

constexpr double kSurfaceTarget = 1.013;  // 1013 mb of pure oxygen

// The left handset, master, about to run its calibration screen at 3000 ms with the oxygen
// valve open.
struct CalibrationRig : HandsetRig {
    Millis started = 0;
    Millis ended = 0;

    CalibrationRig() {
        s.OxygenValve = "OPEN";
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
        const SimTimer& tick = sim.clock().timer("Timer8");
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

    const Millis flush = ended - started;
    std::cout << "Flush from air at the surface: " << flush << " ms of simulated time\n";
    RecordProperty("FlushMilliseconds", std::to_string(flush));
    EXPECT_GE(flush, 15000);
    EXPECT_LE(flush, 40000);

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
    const auto& table = sim.recording().table();
    EXPECT_EQ(std::get<std::string>(table.row(3)[kStatusColumn]), "Calibration Started");
    EXPECT_EQ(std::get<std::string>(table.row(static_cast<int>(ended / 1000))[kStatusColumn]),
              "Calibration ended");
    const auto played = sounds();
    EXPECT_EQ(played.front(), "7:injector.wav");
    EXPECT_EQ(played.back(), "-7");
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
    EXPECT_EQ(sim.clock().timer("Timer8").due(), closing + 10000);
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
    s.OxygenValve = "OFF";
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
    EXPECT_EQ(sim.clock().timer("Timer8").due(), ended + 3000);

    const char* cycle[] = {"          NO OXYGEN            Check Valve  ", "     NO CALIBRATION   ",
                           "       NO DIVE       "};
    for (int round = 0; round < 6; ++round) {
        runTimer("Timer8");
        EXPECT_EQ(text("Label14"), cycle[round % 3]);
    }
}

TEST_F(CalibrationFixture, WithTheMouthpieceOpenTheCounterlungKeepsItsVolume) {
    s.Mouthpiece = "Open";
    startCalibration();
    runFor(10000);
    EXPECT_EQ(s.CounterlungVolume, 20);
    EXPECT_GT(s.LoopPO2, 0.5);
}

TEST_F(CalibrationFixture, FlushStartedAtTheTargetFindsTheCellsStuck) {
    s.LoopPO2 = kSurfaceTarget;
    const CellValues factors = left.CellFactor;
    calibrate();
    EXPECT_EQ(left.Screen, 26);
    EXPECT_EQ(left.CellFactor, factors);
    EXPECT_EQ(s.CalibrationCount, 0);
    runTimer("Timer8");
    EXPECT_EQ(text("Label14"), "      CELL STUCK       ");
    EXPECT_EQ(left.Screen, 26);
}

TEST_F(CalibrationFixture, LoopAlreadyPastTheTargetEndsTheFlushAtOnce) {
    s.Depth = 10;
    s.LoopPO2 = kSurfaceTarget + 0.1;
    startCalibration();
    EXPECT_EQ(left.Screen, 26);
    EXPECT_EQ(s.LoopPO2, kSurfaceTarget + 0.1);
    EXPECT_EQ(sim.clock().timer("Timer8").due(), started + 3000);
}

TEST_F(CalibrationFixture, SlowCellFindsTheCellsStuck) {
    shortFlush();
    s.SlowCell = 2;
    calibrate();
    EXPECT_EQ(left.Screen, 26);
}

TEST_F(CalibrationFixture, CellAtZeroMillivoltsFailsTheCalibration) {
    shortFlush();
    s.OxygenCells[2].Millivolts = 0;
    s.DrawnCell = 2;
    const CellValues factors = left.CellFactor;
    calibrate();
    EXPECT_EQ(left.Screen, 27);
    EXPECT_EQ(left.CellFactor, factors);
    const char* cycle[] = {"      CELL 2 FAILURE      REPLACE", "      OUT OF RANGE     ",
                           "      CELL 2 FAILURE      REPLACE", "      NO DIVE       ",
                           "     NO CALIBRATION    "};
    for (int round = 0; round < 10; ++round) {
        runTimer("Timer8");
        EXPECT_EQ(text("Label14"), cycle[round % 5]);
    }
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
    EXPECT_EQ(sim.clock().timer("Timer8").due(), ended + 3000);
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
