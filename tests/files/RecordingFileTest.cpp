#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "GoldenFile.h"
#include "ScratchFolder.h"
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
    EXPECT_EQ(text.substr(0, text.find('\n') + 1),
              "\"Tarven Calvendrite Simulator\",#2004-10-27#,#14:05:33#\r\n");
}

TEST(RecordingFile, NoRowsGivesHeaderAndEndNoticeOnly) {
    EXPECT_EQ(recordingFileText(sampleTable(), 0, kWritten),
              "\"Tarven Calvendrite Simulator\",#2004-10-27#,#14:05:33#\r\n\r\n"
              "\"Time (secs)\",\"Real PO2\",\"Handset PO2\",\"Depth\",\"Setpoint\","
              "\"loop Volume\",\"Status Messages\"\r\n\r\n\r\n\"End of recorded data\"\r\n");
}

TEST(RecordingFile, WriteThenReadGivesTheSameRows) {
    const RecordTable written = sampleTable();
    RecordTable read;
    const RecordingReadResult result =
        readRecordingText(recordingFileText(written, 3, kWritten), read);
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(result.rows, 3);
    for (int row = 1; row <= 3; ++row)
        EXPECT_EQ(read.row(row), written.row(row)) << "row " << row;
    EXPECT_EQ(read.row(0)[kStatusColumn], RecordValue{});
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

TEST(RecordingFile, HeaderThatIsNotARecordingFailsTheRead) {
    for (const char* text : {"", "1,0.21,,0,0.7,16,\r\n", "\"Title\",#2004-10-27#\r\n",
                             "\"T\",#d#,#t#\r\nx\r\n", "\x01\x02\x03\xff"}) {
        RecordTable table;
        table.row(1)[kLoopPO2Column] = 9.0;
        const RecordingReadResult result = readRecordingText(text, table);
        EXPECT_FALSE(result.ok) << text;
        EXPECT_EQ(table.row(1)[kLoopPO2Column], RecordValue{9.0});
    }
}

// Fields as the reader takes them: a date between # in a data row is a text; a number
// with spaces after it is a number; a bare word is a text; a line cut short keeps what the
// row had in its other columns.
TEST(RecordingFile, DataFieldsReadByTheirKind) {
    std::string text = recordingFileText(sampleTable(), 0, kWritten);
    text.resize(text.rfind("\r\n\r\n") + 2);  // the header alone
    text += "1,#2004-10-27#,0.5  ,3,1.3,16,Mouthpiece\r\n2,1,1,40";
    RecordTable table;
    table.row(2)[kStatusColumn] = std::string("before");
    const RecordingReadResult result = readRecordingText(text, table);
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.rows, 2);
    EXPECT_EQ(table.row(1), (RecordRow{std::string("Mouthpiece"), std::string("2004-10-27"), 0.5,
                                       3.0, 1.3, 16.0}));
    EXPECT_EQ(table.row(2)[kDepthColumn], RecordValue{40.0});
    EXPECT_EQ(table.row(2)[kStatusColumn], RecordValue{std::string("before")});
}

// Cut anywhere after its header, a file still reads: every row whose line is whole comes
// back as written, and at most one more row (the cut one) is touched.
TEST(RecordingFile, CutAtAnyByteReadsTheWholeLinesBeforeTheCut) {
    const RecordTable written = sampleTable();
    const std::string text = recordingFileText(written, 3, kWritten);
    std::size_t headerEnd = 0;
    for (int line = 0; line < 4; ++line)
        headerEnd = text.find("\r\n", headerEnd) + 2;
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
    }
}

TEST(RecordingFile, BinaryDataAfterTheHeaderIsReadWithoutHarm) {
    std::string text = recordingFileText(sampleTable(), 0, kWritten);
    text.resize(text.rfind("\r\n\r\n") + 2);  // the header alone
    std::uint32_t noise = 12345;
    for (int i = 0; i < 200000; ++i) {
        noise = noise * 1664525u + 1013904223u;
        text += static_cast<char>(noise >> 24);
    }
    RecordTable table;
    const RecordingReadResult result = readRecordingText(text, table);
    EXPECT_TRUE(result.ok);
    EXPECT_GT(result.rows, 0);
    EXPECT_LE(result.rows, RecordTable::kLastRow);
}

TEST(RecordingFile, QuoteNeverClosedEndsAtTheEndOfTheFile) {
    std::string text = recordingFileText(sampleTable(), 2, kWritten);
    text = text.substr(0, text.find("\r\n2,")) + "\r\n2,0.5,0.5,3,1.3,16,\"no end\r\n3,1,1";
    RecordTable table;
    const RecordingReadResult result = readRecordingText(text, table);
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.rows, 2);
    EXPECT_EQ(table.row(2)[kStatusColumn], RecordValue{std::string("no end\r\n3,1,1")});
}

TEST(RecordingFile, HundredThousandRowsReadAsTheTableFull) {
    std::string text = recordingFileText(sampleTable(), 0, kWritten);
    const std::string trailer = text.substr(text.rfind("\r\n\r\n") + 2);
    text.resize(text.size() - trailer.size());
    for (int second = 1; second <= 100000; ++second)
        text += std::to_string(second) + "," + std::to_string(second % 100) + ",0.5,10,1.3,16,\r\n";
    text += trailer;
    const test::ScratchFolder folder;
    RecordTable table;
    const RecordingReadResult result =
        readRecordingFile(folder.write("hundred-thousand-rows.csv", text), table);
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(result.rows, RecordTable::kLastRow);
    EXPECT_EQ(table.row(RecordTable::kLastRow),
              (RecordRow{std::monostate{}, 0.0, 0.5, 10.0, 1.3, 16.0}));
    EXPECT_EQ(table.row(1)[kLoopPO2Column], RecordValue{1.0});
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
