#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iomanip>
#include <sstream>

#include "GoldenFile.h"
#include "ScratchFolder.h"
#include "core/MessageExcerpt.h"
#include "files/RecordingFile.h"
#include "simulation/Simulation.h"

namespace loopsim {
namespace {

const CalendarTime kWritten{2004, 10, 27, 14, 5, 33};

RecordTable sampleTable() {
    RecordTable table;
    table.row(0)[kStatusColumn] = std::string("never written");
    table.row(1) = {std::monostate{}, 0.21, std::monostate{}, 0.0, 0.7, 16.0};
    table.row(2) = {
        std::string("Left handset: left button"), 0.2345678901234, 0.71, 20.0, 1.3, 16.0};
    table.row(3) = {std::string("Says \"hi\""), 1.0, 1.0, 40.0, 0.7, 16.0};
    return table;
}

TEST(RecordingFile, WritesTheExpectedBytes) {
    const std::string text = recordingFileText(sampleTable(), 3, kWritten);
    expectMatchesGoldenFile(text, "recording-sample.csv");
}

TEST(RecordingFile, NoRowsGivesHeaderAndEndNoticeOnly) {
    EXPECT_EQ(recordingFileText(sampleTable(), 0, kWritten),
              "\"Tarven Calvendrite Simulator\",#2004-10-27#,#14:05:33#\r\n\r\n"
              "\"Time (secs)\",\"Real PO2\",\"Handset PO2\",\"Depth\",\"Setpoint\","
              "\"loop Volume\",\"Status Messages\"\r\n\r\n\r\n\"End of recorded data\"\r\n");
}

TEST(RecordingFile, ShorterFileOverwritesOnlyItsOwnRows) {
    RecordTable table;
    RecordTable longer = sampleTable();
    ASSERT_EQ(readRecordingText(recordingFileText(longer, 3, kWritten), table).rows, 3);
    RecordTable shorter;
    shorter.row(1) = {std::string("short"), 0.5, 0.5, 1.0, 0.7, 16.0};
    ASSERT_EQ(readRecordingText(recordingFileText(shorter, 1, kWritten), table).rows, 1);
    EXPECT_EQ(table.row(1), shorter.row(1));
    EXPECT_EQ(table.row(2), longer.row(2));
}

// The recording file's header alone, its four lines ending in CR LF.
std::string headerText() {
    std::string text = recordingFileText(RecordTable{}, 0, kWritten);
    text.resize(text.rfind("\r\n\r\n") + 2);
    return text;
}

const std::string kEndLines = "\r\n\"End of recorded data\"\r\n";
const std::string kCutShort =
    "the file ends without its last line \"End of recorded data\": it may have been cut short";

std::string repeated(const std::string& text, int times) {
    std::string out;
    for (int i = 0; i < times; ++i)
        out += text;
    return out;
}

// A value as the golden list shows it: nothing, a number, or a quoted, escaped text.
std::string shown(const RecordValue& value) {
    if (const auto* number = std::get_if<double>(&value)) {
        std::ostringstream out;
        out << std::setprecision(15) << *number;
        return out.str();
    }
    if (const auto* text = std::get_if<std::string>(&value))
        return "'" + messageExcerpt(*text) + "'";
    return "-";
}

// A row is one line, whatever it holds: a short line leaves the values it lacks empty, a long
// one gives its first seven fields, and neither spills into the next row. What was odd is
// noted once for each kind, with the first line of that kind. A header that is not a
// recording's is refused. Rows 1 to 4 held 9s before the read; each case's rows and notes
// are compared with recording-lines.txt.
TEST(RecordingFile, EachLineIsOneRow) {
    const std::pair<const char*, std::string> cases[] = {
        {"short rows", headerText() +
                           "1,1.5\r\n2,1.5,1.5\r\n3,1.5,1.5,2\r\n4,0.5,0.49,5,0.7,16,\"Go\"" +
                           kEndLines},
        {"one field", headerText() + "1\r\n" + kEndLines},
        {"a row of a thousand fields", headerText() + "1,0.5,0.49,5,0.7,16,\"Go\"" +
                                           repeated(",7", 993) + "\r\n2,0.5" + kEndLines},
        {"long rows, a quoted comma counted once",
         headerText() + "1,0.5,0.49,5,0.7,16,\"Go\",\"a,b\"\r\n2,0.5,0.49,5,0.7,16,\"Go\",8,9" +
             kEndLines},
        {"LF line ends",
         "\"T\",#2004-10-27#,#14:05:33#\n\n\"Time (secs)\",\"Real PO2\",\"Handset PO2\",\"Depth\","
         "\"Setpoint\",\"loop Volume\",\"Status Messages\"\n\n1,0.5,0.49,5,0.7,16,Go\n\n"
         "\"End of recorded data\"\n"},
        {"CR line ends",
         "\"T\",#2004-10-27#,#14:05:33#\r\r\"Time (secs)\",\"Real PO2\",\"Handset PO2\",\"Depth\","
         "\"Setpoint\",\"loop Volume\",\"Status Messages\"\r\r1,0.5,0.49,5,0.7,16,Go\r\r"
         "\"End of recorded data\""},
        {"a byte-order mark, no final line end",
         "\xEF\xBB\xBF" + headerText() +
             "1,0.5,0.49,5,0.7,16,\"Go\"\r\n\r\n\"End of recorded data\""},
        {"empty lines between rows hold no row",
         headerText() + "\r\n1,0.5,0.49,5,0.7,16,\"Go\"\r\n  \r\n\r\n2,0.5,0.49,5,0.7,16,\"Go\"" +
             kEndLines + "3,9,9,9,9,9,\"after the end\"\r\n"},
        {"cut short in a row", headerText() + "1,0.5,0.49,5,0.7,16,\"Go\"\r\n2,0.5,0.4"},
        {"a quote left open ends with its line",
         headerText() + "1,0.5,0.49,5,0.7,16,\"no end\r\n2,0.5,0.49,5,0.7,16,\"Go\"" + kEndLines},
        {"binary garbage in rows",
         headerText() + std::string("\x01\xff,\"\0\x7f\"\r\n\x80", 10) + kEndLines},
        // a date between # in a data row is a text; a number with spaces after it a number
        {"fields by their kind", headerText() + "1,#2004-10-27#,0.5  ,3,1.3,16,Mouthpiece\r\n"},
        {"header only", headerText()},
        {"header and end", headerText() + kEndLines},
        // Not a recording: refused, the table untouched.
        {"empty", ""},
        {"a row first", "1,0.21,,0,0.7,16,\r\n"},
        {"no time", "\"Title\",#2004-10-27#\r\n"},
        {"a second line", "\"T\",#d#,#t#\r\nx\r\n"},
        {"two column titles", "\"T\",#d#,#t#\r\n\r\n\"a\",\"b\"\r\n\r\n"},
        {"a fourth line", "\"T\",#d#,#t#\r\n\r\na,b,c,d,e,f,g\r\n1,2\r\n"},
        // A quote left open on the first line does not swallow the lines after it.
        {"an open quote", "\"T,#d#,#t#\r\n\r\na,b,c,d,e,f,g\r\n\r\n"},
        {"binary", "\x01\x02\x03\xff"},
    };
    std::string said;
    for (const auto& [what, text] : cases) {
        RecordTable table;
        for (int row = 1; row <= 4; ++row)
            table.row(row) = {std::string("before"), 9.0, 9.0, 9.0, 9.0, 9.0};
        const RecordingReadResult result = readRecordingText(text, table);
        said += std::string(what) + ": " +
                (result.ok ? std::to_string(result.rows) + " rows" : result.error) + "\n";
        for (int row = 1; row <= 4; ++row) {
            said += "  " + std::to_string(row);
            for (const RecordValue& value : table.row(row))
                said += " " + shown(value);
            said += "\n";
        }
        for (const std::string& note : result.notes)
            said += "  note: " + note + "\n";
    }
    expectMatchesGoldenFile(said, "recording-lines.txt");
}

// Loaded over a longer recording and saved again, short rows come back as they were read:
// one line each, empty where the line had nothing, none of the former file's values.
TEST(RecordingFile, ShortRowsSaveAsTheyRead) {
    RecordTable table;
    ASSERT_EQ(readRecordingText(recordingFileText(sampleTable(), 3, kWritten), table).rows, 3);
    ASSERT_EQ(readRecordingText(headerText() + "1,1.5\r\n2,1.5,1.5\r\n3,1.5,1.5,2\r\n", table).rows,
              3);
    const std::string saved = recordingFileText(table, 3, kWritten);
    EXPECT_EQ(saved.substr(headerText().size()),
              "1,1.5,,,,,\r\n2,1.5,1.5,,,,\r\n3,1.5,1.5,2,,,\r\n" + kEndLines);
}

// Cut anywhere after its header, a file still reads: every row whose line is whole comes
// back as written, and at most one more row (the cut one) is touched; uncut, it reads back
// as it was written.
TEST(RecordingFile, CutAtAnyByteReadsTheWholeLinesBeforeTheCut) {
    const RecordTable written = sampleTable();
    const std::string text = recordingFileText(written, 3, kWritten);
    const std::size_t headerEnd = headerText().size();
    for (std::size_t cut = headerEnd; cut <= text.size(); ++cut) {
        const std::string_view part = std::string_view(text).substr(0, cut);
        int wholeRows = 0;
        for (std::size_t at = part.find("\r\n", headerEnd); at != std::string_view::npos;
             at = part.find("\r\n", at + 2))
            ++wholeRows;
        wholeRows = std::min(wholeRows, 3);
        RecordTable table;
        const RecordingReadResult result = readRecordingText(part, table);
        ASSERT_TRUE(result.ok) << "cut at " << cut;
        EXPECT_GE(result.rows, wholeRows) << "cut at " << cut;
        EXPECT_LE(result.rows, wholeRows + 1) << "cut at " << cut;
        for (int row = 1; row <= wholeRows; ++row)
            EXPECT_EQ(table.row(row), written.row(row)) << "cut at " << cut << ", row " << row;
        // Only a cut in the end notice's closing quote or line end leaves nothing to note.
        EXPECT_EQ(result.notes.empty(), cut + 3 >= text.size()) << "cut at " << cut;
    }
}

TEST(RecordingFile, HundredThousandRowsReadAsTheTableFull) {
    std::string text = headerText();
    for (int second = 1; second <= 100000; ++second)
        text += std::to_string(second) + "," + std::to_string(second % 100) + ",0.5,10,1.3,16,\r\n";
    text += kEndLines;
    const test::ScratchFolder folder;
    RecordTable table;
    const RecordingReadResult result =
        readRecordingFile(folder.write("hundred-thousand-rows.csv", text), table);
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(result.rows, RecordTable::kLastRow);
    EXPECT_EQ(table.row(RecordTable::kLastRow),
              (RecordRow{std::monostate{}, 0.0, 0.5, 10.0, 1.3, 16.0}));
    EXPECT_EQ(table.row(1)[kLoopPO2Column], RecordValue{1.0});
    EXPECT_EQ(result.notes, std::vector<std::string>{"the file holds more than the 18000 rows a "
                                                     "recording has: line 18005 and those after "
                                                     "it were not read"});
}

// Only regular files are read, and only as far as a recording can go: a folder, a device
// or a file that never ends cannot make the reader wait.
TEST(RecordingFile, WhatIsNotARegularFileIsRefused) {
    const test::ScratchFolder folder;
    std::filesystem::create_directory(folder / "a-folder.csv");
    const auto huge = folder.write("huge.csv", headerText() + "1,0.5,0.49,5,0.7,16,\r\n2,");
    std::filesystem::resize_file(huge, kLargestRecordingFile + 100);
    const std::pair<std::filesystem::path, std::string> refused[] = {
        {folder / "a-folder.csv", (folder / "a-folder.csv").string() + " is a folder"},
        {"/dev/zero", "/dev/zero is not a regular file"},
        {folder / "missing.csv", "cannot open " + (folder / "missing.csv").string()},
    };
    for (const auto& [path, error] : refused) {
        RecordTable table;
        const RecordingReadResult result = readRecordingFile(path, table);
        EXPECT_FALSE(result.ok) << path;
        EXPECT_EQ(result.error, error) << path;
    }
    RecordTable table;
    const RecordingReadResult result = readRecordingFile(huge, table);
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(result.rows, 2);
    ASSERT_FALSE(result.notes.empty());
    EXPECT_EQ(result.notes.front(),
              "the file is larger than a recording can be: only its first 64 MB were read");
}

TEST(RecordingFile, WrittenThroughATemporaryFile) {
    const test::ScratchFolder folder;
    const auto path = folder / kRecordingFileName;
    ASSERT_FALSE(writeRecordingFile(path, sampleTable(), 3, kWritten));
    EXPECT_FALSE(std::filesystem::exists(folder / "TarvenLoopsimData.csv.partial"));
    RecordTable table;
    EXPECT_EQ(readRecordingFile(path, table).rows, 3);
    EXPECT_TRUE(
        writeRecordingFile(folder / "no-such-folder" / "x.csv", sampleTable(), 3, kWritten));
}

TEST(Recording, EventsBeyondTheLastRowAreDropped) {
    Simulation simulation;
    simulation.state().RecordIndex = RecordTable::kLastRow;
    simulation.recording().recordEvent("last row");
    EXPECT_EQ(simulation.recording().table().row(RecordTable::kLastRow)[kStatusColumn],
              RecordValue{std::string("last row")});
    simulation.recording().recordingTick();
    EXPECT_EQ(simulation.state().RecordIndex, RecordTable::kLastRow + 1);
    simulation.recording().recordEvent("dropped");  // no row to hold it: nothing happens
    simulation.state().RecordIndex = 32767;
    simulation.recording().recordingTick();
    EXPECT_EQ(simulation.state().RecordIndex, 32767);
}

}  // namespace
}  // namespace loopsim
