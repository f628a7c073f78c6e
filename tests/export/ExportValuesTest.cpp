// Each export read back and held to the replayed samples it was made from: the times, the
// depths, the leading handset's cell readings, the setpoint, the bail-out and the return, and
// the named events, for the demonstration dive and the bail-out drill.
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

using Cells = std::optional<std::array<int, 3>>;

// A sample as the formats give it, in hundredths of a bar and tenths of a metre.
struct Sample {
    int seconds = 0;
    int depth = 0;
    Cells cells;  // what the leading handset showed
    int setpoint = 0;
    bool bailedOut = false;
};

int hundredths(double value) {
    return std::max(0, static_cast<int>(std::lround(value * 100)));
}

std::vector<Sample> expectedSamples(const Timeline& timeline) {
    std::vector<Sample> expected;
    for (const SecondSample& s : timeline.seconds) {
        Sample sample{static_cast<int>(s.time / 1000), s.depth * 10, std::nullopt,
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

std::vector<std::string> linesHolding(const std::string& text, const std::string& part) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        if (line.find(part) != std::string::npos)
            lines.push_back(line.substr(0, line.find('\r')));
    return lines;
}

// The text from just after open up to close, when the line holds open.
std::optional<std::string> between(const std::string& line, const std::string& open,
                                   char close = '<') {
    const auto at = line.find(open);
    if (at == std::string::npos)
        return std::nullopt;
    return line.substr(at + open.size(), line.find(close, at + open.size()) - at - open.size());
}

std::optional<std::string> attribute(const std::string& line, const std::string& name) {
    return between(line, " " + name + "='", '\'');
}

// "1.30 bar", "20.5 m", "130000" pascal with a scale of 1e5: the number in hundredths.
int hundredthsOf(const std::string& text, double scale = 1) {
    return static_cast<int>(std::lround(std::stod(text) * 100 / scale));
}

void setCell(Cells& cells, int cell, int value) {
    if (!cells)
        cells.emplace();
    (*cells)[static_cast<std::size_t>(cell)] = value;
}

// Subsurface's samples, each value a sample leaves out taken from the sample before.
std::vector<Sample> subsurfaceSamples(const ExportedDive& dive) {
    std::vector<Sample> read;
    Sample last;
    for (const std::string& line : linesHolding(subsurfaceXml(dive), "<sample ")) {
        const std::string time = attribute(line, "time").value();  // "2:05 min"
        last.seconds = std::stoi(time) * 60 + std::stoi(time.substr(time.find(':') + 1));
        last.depth = hundredthsOf(attribute(line, "depth").value()) / 10;
        if (auto po2 = attribute(line, "po2"))
            last.setpoint = hundredthsOf(*po2);
        for (int cell = 0; cell < 3; ++cell)
            if (auto value = attribute(line, "sensor" + std::to_string(cell + 1)))
                setCell(last.cells, cell, hundredthsOf(*value));
        read.push_back(last);
    }
    return read;
}

// UDDF's waypoints, the setpoint and the dive mode taken from where they were last given.
std::vector<Sample> uddfSamples(const ExportedDive& dive) {
    std::vector<Sample> read;
    Sample last;
    for (const std::string& line : linesHolding(uddfXml(dive), "<waypoint>")) {
        last.seconds = std::stoi(between(line, "<divetime>").value());
        last.depth = hundredthsOf(between(line, "<depth>").value()) / 10;
        if (auto setpoint = between(line, "<setpo2 setby=\"user\">"))
            last.setpoint = hundredthsOf(*setpoint, 1e5);
        if (auto mode = between(line, "<divemode type=\"", '"')) {
            last.bailedOut = *mode == "opencircuit";
            EXPECT_EQ(between(line, "<switchmix ref=\"", '"'),
                      last.bailedOut ? "bailout" : "diluent");
        }
        last.cells.reset();
        for (int cell = 0; cell < 3; ++cell)
            if (auto value = between(line, "ref=\"sensor" + std::to_string(cell + 1) + "\">"))
                setCell(last.cells, cell, hundredthsOf(*value, 1e5));
        read.push_back(last);
    }
    return read;
}

std::vector<Sample> csvSamples(const ExportedDive& dive) {
    const std::string text = diveCsv(dive);
    EXPECT_EQ(text.substr(0, text.find('\r')),
              "Sample time,Sample depth,Sample sensor1 pO\u2082,Sample sensor2 pO\u2082,"
              "Sample sensor3 pO\u2082,Sample setpoint");
    std::vector<Sample> read;
    for (const std::string& line : linesHolding(text.substr(text.find('\n') + 1), ",")) {
        std::vector<std::string> fields;
        std::istringstream in(line + ",");
        for (std::string field; std::getline(in, field, ',');)
            fields.push_back(field);
        EXPECT_EQ(fields.size(), 6u) << line;
        Sample sample{std::stoi(fields.at(0)), hundredthsOf(fields.at(1)) / 10, std::nullopt,
                      hundredthsOf(fields.at(5)), false};
        for (int cell = 0; cell < 3; ++cell)
            if (!fields.at(static_cast<std::size_t>(2 + cell)).empty())
                setCell(sample.cells, cell, hundredthsOf(fields[2 + cell]));
        read.push_back(sample);
    }
    return read;
}

struct Format {
    const char* name;
    std::vector<Sample> (*read)(const ExportedDive&);
    bool carriesCells;  // a sample without a reading shows the one before it
    bool givesBailOut;
};

TEST(ExportValues, EveryFormatGivesTheReplayedSamples) {
    const Format formats[] = {{"ssrf", subsurfaceSamples, true, false},
                              {"uddf", uddfSamples, false, true},
                              {"csv", csvSamples, false, false}};
    for (const auto& [session, rightLeads] : {std::pair{"demo", false}, {"bail-out-drill", true}}) {
        const Debrief debrief = replayedSession(session);
        const std::vector<Sample> expected = expectedSamples(debrief.timeline);
        int readingsThatDiffer = 0;
        for (const SecondSample& s : debrief.timeline.seconds) {
            if (s.leftOn && s.rightOn) {
                EXPECT_EQ(s.rightIsMaster, rightLeads) << session << " " << s.time;
            }
            readingsThatDiffer += s.leftCells != s.rightCells;
        }
        // The drill's handsets are not calibrated, so their readings tell which one is read.
        EXPECT_GT(readingsThatDiffer, rightLeads ? 100 : -1) << session;

        const ExportedDive dive = diveFromSession(debrief, kExportStart);
        for (const Format& format : formats) {
            const std::vector<Sample> read = format.read(dive);
            ASSERT_EQ(read.size(), expected.size()) << session << " " << format.name;
            for (std::size_t i = 0; i < read.size(); ++i) {
                const Sample &r = read[i], &e = expected[i];
                const std::string where =
                    std::string(session) + " " + format.name + " " + std::to_string(e.seconds);
                EXPECT_EQ(std::tie(r.seconds, r.depth, r.setpoint),
                          std::tie(e.seconds, e.depth, e.setpoint))
                    << where;
                if (e.cells || !format.carriesCells) {
                    EXPECT_EQ(r.cells, e.cells) << where;
                }
                if (format.givesBailOut) {
                    EXPECT_EQ(r.bailedOut, e.bailedOut) << where;
                }
            }
        }
    }
}

// The events as Subsurface reads them: "m:ss name", a gas switch as "m:ss gaschange N%
// cylinder C".
std::vector<std::string> subsurfaceEvents(const std::string& session) {
    std::vector<std::string> events;
    for (const std::string& line :
         linesHolding(subsurfaceXml(exportedSession(session)), "<event ")) {
        std::string event =
            between(line, "time='", ' ').value() + " " + attribute(line, "name").value();
        if (auto type = attribute(line, "type"))
            event += " " + attribute(line, "value").value() + "% cylinder " +
                     attribute(line, "cylinder").value() + " type " + *type;
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
        "1:40 gaschange 21% cylinder 2 type 11",
        "2:10 gaschange 21% cylinder 0 type 11",
        "2:12 Breathing Started",
        "2:17 Manual O2 Addition",  // and twice more within the minute
        "2:23 Warning: High O2",
        "2:30 Solenoid Stuck Closed cleared",
    };
    EXPECT_EQ(subsurfaceEvents("bail-out-drill"), expected);
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
    EXPECT_EQ(subsurfaceEvents("demo"), expected);
}

}  // namespace
}  // namespace loopsim::test
