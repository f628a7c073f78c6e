#include "GoldenFile.h"
#include "SimulationRig.h"
#include "files/RecordingFile.h"

namespace loopsim::test {
namespace {

// A dive at 20 m near the high setpoint with calibrated, settled cells. The instructor
// chooses "Cell Drift" with a one-minute delay; one cell then drifts away and the master
// gives cell warnings while its vote keeps the loop where it was.
TEST_F(RigTest, CellDriftAfterOneMinuteMatchesTheGoldenRecording) {
    diving();
    s.Mouthpiece = MouthpieceState::Open;
    s.LoopPO2 = 1.2;
    s.ActiveSetpoint = 1.3;
    for (std::size_t cell = 1; cell <= 3; ++cell) {
        OxygenCell& c = s.OxygenCells[cell];
        c.Millivolts = s.LoopPO2 * c.AirMillivolts * (100.0 / 21) - c.OffsetMillivolts;
        left.CellFactor[cell] = right.CellFactor[cell] = s.LoopPO2 / c.Millivolts;
    }
    tap("Command2");
    act(Verb::Check, "Options.Check4");
    act(Verb::Set, "Options.Slider1", "1");
    tap("Options.Command1");
    // The drift needs some five minutes to pull its cell's reading 0.15 bar off the others.
    at(390000);
    expectMatchesGoldenFile(recordingFileText(sim.recording().table(), s.RecordIndex, {}),
                            "failure-drill.csv");
}

}  // namespace
}  // namespace loopsim::test
