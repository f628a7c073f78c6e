// Each export read back and held to the replayed samples it was made from: the times, the
// depths, the leading handset's cell readings, the setpoint, the bail-out and the return, and
// the named events, for the demonstration dive and the bail-out drill. The drill's handsets
// are not calibrated, so their readings differ and tell which one a format gives.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>

#include "ExportedSessions.h"
#include "export/DiveCsv.h"
#include "export/SubsurfaceXml.h"
#include "export/Uddf.h"

namespace loopsim::test {
namespace {

// A sample as the formats give it, in hundredths of a bar and tenths of a metre.
struct Row {
    int seconds = 0;
    int depth = 0;
    int setpoint = 0;
    std::vector<int> cells;  // what the leading handset showed; none while it showed nothing
    bool bailedOut = false;
};

std::string text(const Row& row) {
    std::string line = std::to_string(row.seconds) + " " + std::to_string(row.depth) + " " +
                       std::to_string(row.setpoint);
    for (int cell : row.cells)
        line += " " + std::to_string(cell);
    return line + (row.bailedOut ? " bailed out\n" : "\n");
}

int hundredths(double bar) {
    return std::max(0, static_cast<int>(std::lround(bar * 100)));
}

std::vector<Row> replayedRows(const Timeline& timeline) {
    std::vector<Row> rows;
    for (const SecondSample& s : timeline.seconds) {
        const Row row{
            static_cast<int>(s.time / 1000), s.depth * 10, hundredths(s.setpoint), {}, s.bailedOut};
        if (!rows.empty() && row.seconds == rows.back().seconds)
            continue;
        rows.push_back(row);
        const auto& cells = s.rightIsMaster ? s.rightCells : s.leftCells;
        if (s.rightIsMaster ? s.rightOn : s.leftOn)
            rows.back().cells = {hundredths(cells[0]), hundredths(cells[1]), hundredths(cells[2])};
    }
    return rows;
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
std::optional<std::string> between(const std::string& line, const std::string& open, char close) {
    const auto at = line.find(open);
    if (at == std::string::npos)
        return std::nullopt;
    return line.substr(at + open.size(), line.find(close, at + open.size()) - at - open.size());
}

// "1.30", "20.5", "130000" pascal with a scale of 1e5: the number in hundredths.
int hundredthsIn(const std::string& text, double scale = 1) {
    return static_cast<int>(std::lround(std::stod(text) * 100 / scale));
}

int secondsIn(const std::string& minutes) {  // "2:05"
    return std::stoi(minutes) * 60 + std::stoi(minutes.substr(minutes.find(':') + 1));
}

// Subsurface's samples give a value only when it changes; a gas switch is an event.
std::vector<Row> subsurfaceRows(const ExportedDive& dive) {
    const std::string xml = subsurfaceXml(dive);
    std::vector<Row> rows;
    Row row;
    for (const std::string& line : linesHolding(xml, "<sample ")) {
        row.seconds = secondsIn(between(line, "time='", ' ').value());
        row.depth = hundredthsIn(between(line, "depth='", ' ').value()) / 10;
        if (auto po2 = between(line, " po2='", ' '))
            row.setpoint = hundredthsIn(*po2);
        for (std::size_t cell = 0; cell < 3; ++cell)
            if (auto value = between(line, "sensor" + std::to_string(cell + 1) + "='", ' ')) {
                row.cells.resize(3);  // each cell only when its reading changes
                row.cells[cell] = hundredthsIn(*value);
            }
        for (const std::string& event : linesHolding(xml, "name='gaschange'"))
            if (secondsIn(between(event, "time='", ' ').value()) <= row.seconds)
                row.bailedOut = between(event, "cylinder='", '\'') == "2";
        rows.push_back(row);
    }
    return rows;
}

// UDDF's waypoints give the setpoint and the gas where they change, the cells each time.
std::vector<Row> uddfRows(const ExportedDive& dive) {
    std::vector<Row> rows;
    Row row;
    for (const std::string& line : linesHolding(uddfXml(dive), "<waypoint>")) {
        row.seconds = std::stoi(between(line, "<divetime>", '<').value());
        row.depth = hundredthsIn(between(line, "<depth>", '<').value()) / 10;
        if (auto setpoint = between(line, "<setpo2 setby=\"user\">", '<'))
            row.setpoint = hundredthsIn(*setpoint, 1e5);
        if (auto gas = between(line, "<switchmix ref=\"", '"'))
            row.bailedOut = *gas == "bailout";
        row.cells.clear();
        for (int cell = 1; cell <= 3; ++cell)
            if (auto value = between(line, "sensor" + std::to_string(cell) + "\">", '<'))
                row.cells.push_back(hundredthsIn(*value, 1e5));
        rows.push_back(row);
    }
    return rows;
}

std::vector<Row> csvRows(const ExportedDive& dive) {
    const std::string csv = diveCsv(dive);
    std::vector<Row> rows;
    for (const std::string& line : linesHolding(csv.substr(csv.find('\n') + 1), ",")) {
        std::vector<std::string> fields;
        std::istringstream in(line + ",");
        for (std::string field; std::getline(in, field, ',');)
            fields.push_back(field);
        Row row{std::stoi(fields.at(0)),
                hundredthsIn(fields.at(1)) / 10,
                hundredthsIn(fields.at(5)),
                {},
                false};
        for (std::size_t cell = 2; cell < 5; ++cell)
            if (!fields.at(cell).empty())
                row.cells.push_back(hundredthsIn(fields[cell]));
        rows.push_back(row);
    }
    return rows;
}

TEST(ExportValues, EveryFormatGivesTheReplayedSamples) {
    const struct {
        const char* name;
        std::vector<Row> (*read)(const ExportedDive&);
        bool carriesCells;  // a sample without a reading shows the one before it
        bool givesGas;
    } formats[] = {{"ssrf", subsurfaceRows, true, true},
                   {"uddf", uddfRows, false, true},
                   {"csv", csvRows, false, false}};
    for (const std::string session : {"demo", "bail-out-drill"}) {
        const Debrief debrief = replayedSession(session);
        const ExportedDive dive = diveFromSession(debrief, kExportStart);
        for (const auto& format : formats) {
            const std::vector<Row> read = format.read(dive);
            std::vector<Row> expected = replayedRows(debrief.timeline);
            ASSERT_EQ(read.size(), expected.size()) << session << " " << format.name;
            std::string readText, expectedText;
            for (std::size_t i = 0; i < read.size(); ++i) {
                if (format.carriesCells && expected[i].cells.empty())
                    expected[i].cells = read[i].cells;
                expected[i].bailedOut &= format.givesGas;
                readText += text(read[i]);
                expectedText += text(expected[i]);
            }
            EXPECT_EQ(readText, expectedText) << session << " " << format.name;
        }

        // Every named event is one the session holds at its second: a note, a failure (without
        // when it was set), a warning; which of them are kept is pinned by the golden exports.
        for (const std::string& line : linesHolding(subsurfaceXml(dive), "<event ")) {
            const std::string name = between(line, "name='", '\'').value();
            const int second = secondsIn(between(line, "time='", ' ').value());
            const auto heldThen = [&](const TimelineEvent& event) {
                return event.time / 1000 == second &&
                       (event.what.starts_with(name) || name == "Warning: " + event.what);
            };
            const auto& events = debrief.timeline.events;
            EXPECT_TRUE(name == "gaschange" || std::any_of(events.begin(), events.end(), heldThen))
                << session << " " << line;
        }
    }
}

}  // namespace
}  // namespace loopsim::test
