// The five-hour dive that the benchmark times, played here on a simulation the test can
// look at. Its recording is compared, one line a minute, with the expected file, and its
// last state with the expected dump.
#include <gtest/gtest.h>

#include <sstream>

#include "DiveScenarios.h"
#include "GoldenFile.h"
#include "files/RecordingFile.h"
#include "files/StateDump.h"
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
    EXPECT_EQ(simulation.now(), kFiveHours);
    // Its last state: the two turn-on waits held the whole unit, so three recording ticks
    // fell into them and each wait delivered only one; both handsets calibrated by the one
    // flush, the left one master all the way; breathing at the typed rate back at the
    // surface, the refilled scrubber never run out.
    expectMatchesGoldenFile(stateDumpJson(simulation, {}) + "\n", "five-hour-dive-end.json");
    const SimulationState& s = simulation.state();
    EXPECT_EQ(s.RecordIndex, RecordTable::kLastRow - 3);

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
