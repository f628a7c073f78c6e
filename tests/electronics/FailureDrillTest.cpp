#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "DivingUnit.h"
#include "headless/Runner.h"
#include "tools/RecordingFile.h"

namespace loopsim::testing {
namespace {

namespace fs = std::filesystem;

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// A folder of its own under the system's temporary folder, removed afterwards.
struct ScratchFolder {
    fs::path path = fs::temp_directory_path() /
                    ("loopsim-electronics-" + std::to_string(::getpid()) + "-" +
                     ::testing::UnitTest::GetInstance()->current_test_info()->name());
    ScratchFolder() { fs::create_directories(path); }
    ~ScratchFolder() {
        std::error_code ignored;
        fs::remove_all(path, ignored);
    }
};

std::string withoutWritingTime(const std::string& recording) {
    static const std::regex kWritten("#[^#\r\n]*#,#[^#\r\n]*#");
    return std::regex_replace(recording, kWritten, "#DATE#,#TIME#",
                              std::regex_constants::format_first_only);
}

// A dive at 20 m near the high setpoint with calibrated, settled cells. The instructor
// chooses "Cell Drift" with a one-minute delay; one cell then drifts away and the master
// gives cell warnings while its vote keeps the loop where it was.
TEST(FailureDrill, CellDriftAfterOneMinuteMatchesTheGoldenRecording) {
    Simulation simulation;
    setUpDivingUnit(simulation);
    SimulationState& s = simulation.state();
    s.Mouthpiece = "Open";
    s.LoopPO2 = 1.2;
    s.ActiveSetpoint = 1.3;
    for (std::size_t cell = 1; cell <= 3; ++cell) {
        OxygenCell& c = s.OxygenCells[cell];
        c.Millivolts = s.LoopPO2 * c.AirMillivolts * (100.0 / 21) - c.OffsetMillivolts;
        s.LeftHandset.CellFactor[cell] = s.LoopPO2 / c.Millivolts;
        s.RightHandset.CellFactor[cell] = s.LoopPO2 / c.Millivolts;
    }

    for (const Action& action :
         {Action{Verb::Tap, "Command2", ""}, Action{Verb::Check, "Options.Check4", ""},
          Action{Verb::Set, "Options.Slider1", "1"}, Action{Verb::Tap, "Options.Command1", ""}})
        ASSERT_FALSE(simulation.apply(action).has_value());
    // The drift needs some five minutes to pull its cell's reading 0.15 bar off the others.
    simulation.advanceTo(390000);

    ScratchFolder scratch;
    const fs::path written = scratch.path / kRecordingFileName;
    ASSERT_FALSE(writeRecordingFile(written, simulation.recording().table(), s.RecordIndex,
                                    localCalendarTime())
                     .has_value());
    const std::string actual = withoutWritingTime(readFile(written));

    const fs::path golden = fs::path(LOOPSIM_TEST_DATA) / "failure-drill.csv";
    const std::string expected = fs::exists(golden) ? readFile(golden) : std::string();
    if (actual != expected) {
        fs::path actualPath = golden;
        actualPath += ".actual";
        std::ofstream(actualPath, std::ios::binary) << actual;
        FAIL() << "the recording differs from " << golden << "; see " << actualPath;
    }
}

TEST(FailureDrill, OptionsScenarioStrikesAfterTwoMinutes) {
    ScratchFolder scratch;
    RunOptions options;
    options.scenario = fs::path(LOOPSIM_SCENARIOS) / "options-delay.scenario";
    options.out = scratch.path / "recording.csv";
    options.dump = scratch.path / "dumps.jsonl";
    std::ostringstream out, err;
    ASSERT_EQ(runScenario(options, out, err), kRunPlayed) << err.str();

    const std::string recording = readFile(*options.out);
    std::size_t notes = 0;
    for (auto at = recording.find("\"Options Changed\""); at != std::string::npos;
         at = recording.find("\"Options Changed\"", at + 1))
        ++notes;
    EXPECT_EQ(notes, 13u);

    std::istringstream dumps(readFile(*options.dump));
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
