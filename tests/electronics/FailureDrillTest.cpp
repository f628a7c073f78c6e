#include <filesystem>
#include <sstream>

#include "DivingUnit.h"
#include "GoldenFile.h"
#include "files/RecordingFile.h"
#include "headless/Runner.h"

namespace loopsim::testing {
namespace {

namespace fs = std::filesystem;

using FailureDrill = DivingUnit;

// A dive at 20 m near the high setpoint with calibrated, settled cells. The instructor
// chooses "Cell Drift" with a one-minute delay; one cell then drifts away and the master
// gives cell warnings while its vote keeps the loop where it was.
TEST_F(FailureDrill, CellDriftAfterOneMinuteMatchesTheGoldenRecording) {
    s.Mouthpiece = MouthpieceState::Open;
    s.LoopPO2 = 1.2;
    s.ActiveSetpoint = 1.3;
    for (std::size_t cell = 1; cell <= 3; ++cell) {
        OxygenCell& c = s.OxygenCells[cell];
        c.Millivolts = s.LoopPO2 * c.AirMillivolts * (100.0 / 21) - c.OffsetMillivolts;
        s.LeftHandset.CellFactor[cell] = s.LoopPO2 / c.Millivolts;
        s.RightHandset.CellFactor[cell] = s.LoopPO2 / c.Millivolts;
    }
    act(Verb::Tap, "Command2");
    act(Verb::Check, "Options.Check4");
    act(Verb::Set, "Options.Slider1", "1");
    act(Verb::Tap, "Options.Command1");
    // The drift needs some five minutes to pull its cell's reading 0.15 bar off the others.
    at(390000);
    expectMatchesGoldenFile(
        withoutWrittenDate(recordingFileText(sim.recording().table(), s.RecordIndex, {})),
        "failure-drill.csv");
}

// Three failures ticked with a two-minute delay: "Options Changed" is noted at each option
// tick, every 10 s, and the failures strike at the first tick at least 120 s on.
TEST_F(FailureDrill, OptionsScenarioStrikesAfterTwoMinutes) {
    const fs::path folder = fs::path(::testing::TempDir()) / "loopsim-options-delay";
    fs::create_directories(folder);
    RunOptions options;
    options.scenario = fs::path(LOOPSIM_SCENARIOS) / "options-delay.scenario";
    options.out = folder / "recording.csv";
    options.dump = folder / "dumps.jsonl";
    std::ostringstream out, err;
    ASSERT_EQ(runScenario(options, out, err), kRunPlayed) << err.str();
    const std::string recording = readTestFile(options.out->string());
    std::istringstream dumps(readTestFile(options.dump->string()));
    fs::remove_all(folder);

    std::size_t notes = 0;
    for (auto at = recording.find("\"Options Changed\""); at != std::string::npos;
         at = recording.find("\"Options Changed\"", at + 1))
        ++notes;
    EXPECT_EQ(notes, 13u);

    std::vector<std::string> lines;
    for (std::string line; std::getline(dumps, line);)
        lines.push_back(line);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_NE(lines[0].find("\"Dialogs\":[]"), std::string::npos);
    EXPECT_NE(lines[0].find("\"Options.Command1\":{\"text\":\"Change in 2 minutes\"}"),
              std::string::npos);
    for (const char* inForce :
         {"\"DarkAtDepth\":1", "\"SolenoidState\":\"Closed\"", "\"AdvFailed\":1"}) {
        EXPECT_EQ(lines[1].find(inForce), std::string::npos) << inForce;
        EXPECT_NE(lines[2].find(inForce), std::string::npos) << inForce;
    }
}

}  // namespace
}  // namespace loopsim::testing
