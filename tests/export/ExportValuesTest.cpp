// Each export read back and held to the replayed samples it was made from: the times, the
// depths, the leading handset's cell readings, the setpoint, the bail-out and the return as
// gas switches, and the named events, for the demonstration dive and the bail-out drill.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <sstream>

#include "ExportedSessions.h"
#include "export/DiveCsv.h"
#include "export/SubsurfaceXml.h"
#include "export/Uddf.h"

namespace loopsim::test {
namespace {

// What a sample of the session should say in any of the formats, in the formats' units.
struct ExpectedSample {
    int seconds = 0;
    int depthDecimetres = 0;
    std::optional<std::array<int, 3>> cells;  // what the leading handset showed
    int setpointCentibar = 0;
    bool bailedOut = false;
};

int hundredths(double value) {
    return std::max(0, static_cast<int>(std::lround(value * 100)));
}

std::vector<ExpectedSample> expectedSamples(const Timeline& timeline) {
    std::vector<ExpectedSample> expected;
    for (const SecondSample& s : timeline.seconds) {
        ExpectedSample sample{static_cast<int>(s.time / 1000), s.depth * 10, std::nullopt,
                              hundredths(s.setpoint), s.bailedOut};
        if (!expected.empty() && sample.seconds == expected.back().seconds)
            continue;
        const auto& cells = s.rightIsMaster ? s.rightCells : s.leftCells;
        if (s.rightIsMaster ? s.rightOn : s.leftOn)
            sample.cells = {hundredths(cells[0]), hundredths(cells[1]), hundredths(cells[2])};
        expected.push_back(sample);
    }
    return expected;
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// The text of NAME='...' (or NAME="...", or <NAME ...>...</NAME>) in a line.
std::optional<std::string> between(const std::string& line, const std::string& open, char close) {
    const auto at = line.find(open);
    if (at == std::string::npos)
        return std::nullopt;
    const auto start = at + open.size();
    return line.substr(start, line.find(close, start) - start);
}

std::optional<std::string> attribute(const std::string& line, const std::string& name) {
    return between(line, " " + name + "='", '\'');
}

// "1.30 bar", "20.5 m", "1.30": the number in hundredths.
int hundredthsOf(const std::string& text) {
    return static_cast<int>(std::lround(std::stod(text) * 100));
}

// "2:05 min": 125.
int secondsOf(const std::string& minutes) {
    return std::stoi(minutes) * 60 + std::stoi(minutes.substr(minutes.find(':') + 1));
}

struct SessionCase {
    const char* name;
    bool rightLeads;  // which handset the exports must read
};

class ExportValues : public ::testing::TestWithParam<SessionCase> {
  protected:
    void SetUp() override {
        debrief_ = replayedSession(GetParam().name);
        dive_ = diveFromSession(debrief_, kExportStart);
        expected_ = expectedSamples(debrief_.timeline);
    }

    Debrief debrief_;
    ExportedDive dive_;
    std::vector<ExpectedSample> expected_;
};

TEST_P(ExportValues, TheSessionLeadsFromTheExpectedHandset) {
    int readingsThatDiffer = 0;
    for (const SecondSample& s : debrief_.timeline.seconds) {
        if (s.leftOn && s.rightOn) {
            EXPECT_EQ(s.rightIsMaster, GetParam().rightLeads) << s.time;
        }
        readingsThatDiffer += s.leftCells != s.rightCells;
    }
    // The drill's handsets are not calibrated: their readings tell which one was exported.
    if (GetParam().rightLeads) {
        EXPECT_GT(readingsThatDiffer, 100);
    }
}

TEST_P(ExportValues, SubsurfaceSamplesRepeatWhatTheyLeaveOut) {
    std::vector<ExpectedSample> read;
    ExpectedSample last;
    std::array<bool, 3> sensorSeen{};
    for (const std::string& line : linesOf(subsurfaceXml(dive_))) {
        if (line.find("<sample ") == std::string::npos)
            continue;
        last.seconds = secondsOf(attribute(line, "time").value());
        last.depthDecimetres = hundredthsOf(attribute(line, "depth").value()) / 10;
        if (auto po2 = attribute(line, "po2"))
            last.setpointCentibar = hundredthsOf(*po2);
        for (int cell = 0; cell < 3; ++cell) {
            if (auto value = attribute(line, "sensor" + std::to_string(cell + 1))) {
                if (!last.cells)
                    last.cells.emplace();
                (*last.cells)[cell] = hundredthsOf(*value);
                sensorSeen[cell] = true;
            }
        }
        read.push_back(last);
    }
    EXPECT_EQ(sensorSeen, (std::array<bool, 3>{true, true, true}));
    ASSERT_EQ(read.size(), expected_.size());
    for (std::size_t i = 0; i < read.size(); ++i) {
        EXPECT_EQ(read[i].seconds, expected_[i].seconds) << i;
        EXPECT_EQ(read[i].depthDecimetres, expected_[i].depthDecimetres) << read[i].seconds;
        EXPECT_EQ(read[i].setpointCentibar, expected_[i].setpointCentibar) << read[i].seconds;
        if (expected_[i].cells) {
            EXPECT_EQ(read[i].cells, expected_[i].cells) << read[i].seconds;
        }
    }
}

TEST_P(ExportValues, UddfWaypointsInSiUnits) {
    std::vector<ExpectedSample> read;
    ExpectedSample last;
    for (const std::string& line : linesOf(uddfXml(dive_))) {
        if (line.find("<waypoint>") == std::string::npos)
            continue;
        last.seconds = std::stoi(between(line, "<divetime>", '<').value());
        last.depthDecimetres = hundredthsOf(between(line, "<depth>", '<').value()) / 10;
        if (auto setpoint = between(line, "<setpo2 setby=\"user\">", '<'))
            last.setpointCentibar = std::stoi(*setpoint) / 1000;  // pascal
        if (auto mode = between(line, "<divemode type=\"", '"')) {
            last.bailedOut = *mode == "opencircuit";
            EXPECT_EQ(between(line, "<switchmix ref=\"", '"'),
                      last.bailedOut ? "bailout" : "diluent");
        }
        last.cells.reset();
        if (line.find("<measuredpo2") != std::string::npos) {
            last.cells.emplace();
            for (int cell = 0; cell < 3; ++cell)
                (*last.cells)[cell] =
                    std::stoi(
                        between(line,
                                "<measuredpo2 ref=\"sensor" + std::to_string(cell + 1) + "\">", '<')
                            .value()) /
                    1000;
        }
        read.push_back(last);
    }
    ASSERT_EQ(read.size(), expected_.size());
    for (std::size_t i = 0; i < read.size(); ++i) {
        EXPECT_EQ(read[i].seconds, expected_[i].seconds) << i;
        EXPECT_EQ(read[i].depthDecimetres, expected_[i].depthDecimetres) << read[i].seconds;
        EXPECT_EQ(read[i].setpointCentibar, expected_[i].setpointCentibar) << read[i].seconds;
        EXPECT_EQ(read[i].bailedOut, expected_[i].bailedOut) << read[i].seconds;
        EXPECT_EQ(read[i].cells, expected_[i].cells) << read[i].seconds;
    }
}

TEST_P(ExportValues, CsvLinesCarryEveryValue) {
    const std::vector<std::string> lines = linesOf(diveCsv(dive_));
    ASSERT_EQ(lines.size(), expected_.size() + 1);
    EXPECT_EQ(lines[0],
              "Sample time,Sample depth,Sample sensor1 pO\u2082,Sample sensor2 pO\u2082,"
              "Sample sensor3 pO\u2082,Sample setpoint");
    for (std::size_t i = 0; i < expected_.size(); ++i) {
        std::vector<std::string> fields;
        std::istringstream in(lines[i + 1]);
        for (std::string field; std::getline(in, field, ',');)
            fields.push_back(field);
        ASSERT_EQ(fields.size(), 6u) << lines[i + 1];
        const ExpectedSample& e = expected_[i];
        EXPECT_EQ(std::stoi(fields[0]), e.seconds);
        EXPECT_EQ(hundredthsOf(fields[1]) / 10, e.depthDecimetres) << e.seconds;
        for (int cell = 0; cell < 3; ++cell) {
            const std::string& field = fields[static_cast<std::size_t>(2 + cell)];
            if (e.cells) {
                EXPECT_EQ(hundredthsOf(field), (*e.cells)[static_cast<std::size_t>(cell)])
                    << e.seconds;
            } else {
                EXPECT_EQ(field, "") << e.seconds;
            }
        }
        EXPECT_EQ(hundredthsOf(fields[5]), e.setpointCentibar) << e.seconds;
    }
}

INSTANTIATE_TEST_SUITE_P(Sessions, ExportValues,
                         ::testing::Values(SessionCase{"demo", false},
                                           SessionCase{"bail-out-drill", true}),
                         [](const ::testing::TestParamInfo<SessionCase>& info) {
                             std::string name = info.param.name;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

// The events as Subsurface reads them: "m:ss name", a gas switch as "m:ss gaschange N%
// cylinder C".
std::vector<std::string> subsurfaceEvents(const ExportedDive& dive) {
    std::vector<std::string> events;
    for (const std::string& line : linesOf(subsurfaceXml(dive))) {
        if (line.find("<event ") == std::string::npos)
            continue;
        std::string event = attribute(line, "time").value();
        event.resize(event.size() - 4);  // " min"
        event += " " + attribute(line, "name").value();
        if (auto type = attribute(line, "type")) {
            EXPECT_EQ(*type, "11");
            event += " " + attribute(line, "value").value() + "% cylinder " +
                     attribute(line, "cylinder").value();
        }
        events.push_back(event);
    }
    return events;
}

TEST(ExportEvents, TheBailOutDrill) {
    const std::vector<std::string> expected = {
        "0:00 O2 Valve Opened",
        "0:00 Diluent Valve Opened",
        "0:00 Right handset hardware switch On",
        "0:01 Right handset on as Master",
        "0:04 Left handset hardware switch On",
        "0:04 Left handset on as Slave",
        "0:14 Warning: Low O2",
        "0:20 Mouthpiece Opened",
        "0:22 Breathing Started",
        "1:00 Solenoid Stuck Closed in force",
        "1:22 Warning: Low O2",  // a minute after the last of the first episode
        "1:40 gaschange 21% cylinder 2",
        "2:10 gaschange 21% cylinder 0",
        "2:12 Breathing Started",
        "2:17 Manual O2 Addition",  // and twice more within the minute
        "2:23 Warning: High O2",
        "2:30 Solenoid Stuck Closed cleared",
    };
    EXPECT_EQ(subsurfaceEvents(exportedSession("bail-out-drill")), expected);
}

TEST(ExportEvents, TheDemonstrationDive) {
    const std::vector<std::string> expected = {
        "0:00 O2 Valve Opened",
        "0:00 Diluent Valve Opened",
        "0:00 Left handset hardware switch On",
        "0:01 Left handset on as Master",
        "0:04 Right handset hardware switch On",
        "0:04 Right handset on as Slave",
        "0:14 Mouthpiece Opened",
        "0:18 Calibration Started",
        "0:42 Calibration ended",
        "1:00 Breathing Started",
        "2:22 setpoint 0.70 to 1.30",
        "5:20 Cell Drift in force",
        "8:02 setpoint 1.30 to 0.70",
        "9:01 Warning: Cell Warning",
        "10:20 Breathing Stopped",
        "10:22 Mouthpiece Closed",
    };
    EXPECT_EQ(subsurfaceEvents(exportedSession("demo")), expected);
}

}  // namespace
}  // namespace loopsim::test
