// The five-hour dive that the benchmark times, played here on a simulation the test can
// look at. Its recording is compared, one line a minute, with the expected file.
#include <gtest/gtest.h>

#include <sstream>

#include "DiveScenarios.h"
#include "GoldenFile.h"
#include "electronics/DisplayLines.h"
#include "files/RecordingFile.h"
#include "simulation/Simulation.h"

namespace loopsim {
namespace {

// The header lines and every line of a whole minute, in the file's own bytes.
std::string minuteLines(const std::string& recording) {
    std::istringstream in(recording);
    std::string out;
    int lineNumber = 0;
    for (std::string line; std::getline(in, line);) {
        ++lineNumber;
        const auto comma = line.find(',');
        const std::string first = line.substr(0, comma);
        const bool minute = !first.empty() &&
                            first.find_first_not_of("0123456789") == std::string::npos &&
                            std::stoi(first) % 60 == 0;
        if (lineNumber <= 4 || minute)
            out += line + "\n";
    }
    return out;
}

TEST(FiveHourDive, PlaysToTheEndAsRecorded) {
    Simulation simulation;
    ASSERT_EQ(playScenario(simulation, fiveHourDiveScenario()), std::nullopt);
    const SimulationState& s = simulation.state();

    EXPECT_EQ(simulation.now(), kFiveHours);
    // The two turn-on waits hold the whole unit: three recording ticks fall into them and
    // each wait delivers only one of them.
    EXPECT_EQ(s.RecordIndex, RecordTable::kLastRow - 3);
    // Both handsets calibrated by the one flush, the left one master all the way.
    EXPECT_EQ(s.CalibrationCount, 1);
    EXPECT_EQ(s.LeftHandset.IsMaster, 1);
    EXPECT_EQ(s.RightHandset.Screen, kSlaveMainScreen);
    EXPECT_EQ(s.RightHandset.CellFactor, s.LeftHandset.CellFactor);
    // Breathing at the typed rate, back at the surface; the refilled scrubber never ran
    // out, so the rate never grew.
    EXPECT_EQ(s.Breathing, 1);
    EXPECT_EQ(s.MetabolicRate, 1.3);
    EXPECT_EQ(s.Depth, 0);
    EXPECT_LT(s.ScrubberMinutes, 180);

    int optionsChanged = 0;
    for (int row = 1; row <= s.RecordIndex; ++row) {
        const auto* message =
            std::get_if<std::string>(&simulation.recording().table().row(row)[kStatusColumn]);
        optionsChanged += message && *message == "Options Changed" ? 1 : 0;
    }
    EXPECT_EQ(optionsChanged, static_cast<int>(std::size(kDiveFailureOptions)) + 1);

    expectMatchesGoldenFile(minuteLines(recordingFileText(simulation.recording().table(),
                                                          s.RecordIndex, CalendarTime{})),
                            "five-hour-dive-minutes.csv");
}

}  // namespace
}  // namespace loopsim
