// A recording file exported without its session log: the bail-out drill's recording as the
// one-sensor dive it holds, and the date and time it gives the dive.
#include <gtest/gtest.h>

#include "ExportedSessions.h"
#include "export/DiveFromRecording.h"
#include "export/SubsurfaceXml.h"

namespace loopsim::test {
namespace {

// The drill's recording as if written at 10:03:00 on 1 May 2024.
std::string drillRecording() {
    std::string text = readTestFile(testDataPath("bail-out-drill.csv"));
    text.replace(0, text.find("\r\n"), "\"Tarven Calvendrite Simulator\",#2024-05-01#,#10:03:00#");
    return text;
}

// Row n is second n of the file, its handset PO2 the one sensor; the status messages become
// events, rows 97 and 127 the bail-out and the return; the dive starts its length before the
// time of writing.
TEST(RecordingExport, TheRecordingsSecondsAsOneSensor) {
    const RecordingExport exported = diveFromRecordingText(drillRecording());
    ASSERT_TRUE(exported.dive) << exported.error;
    expectMatchesGoldenFile(subsurfaceXml(*exported.dive), "bail-out-drill-recording-export.ssrf");
}

std::string text(const std::optional<CalendarTime>& t) {
    return t ? std::to_string(t->year) + "-" + std::to_string(t->month) + "-" +
                   std::to_string(t->day) + " " + std::to_string(t->hour) + ":" +
                   std::to_string(t->minute) + ":" + std::to_string(t->second)
             : "none";
}

TEST(RecordingExport, TheWrittenDateAndTheStartBeforeIt) {
    const std::pair<const char*, const char*> written[] = {
        {"\"Tarven Calvendrite Simulator\",#2004-10-27#,#14:05:33#", "2004-10-27 14:5:33"},
        {"\xEF\xBB\xBF\"T\",#2004-10-27#,#14:05:33#\r\n", "2004-10-27 14:5:33"},
        {"\"T\",#2004-13-27#,#14:05:33#", "none"},
        {"\"T\",#2004-02-30#,#14:05:33#", "none"},
        {"\"T\",#2004-10-27#,#24:05:33#", "none"},
        {"\"T\",#2004-10-27#,#14:05#", "none"},
        {"\"T\",#DATE#,#TIME#", "none"},
    };
    for (const auto& [firstLine, time] : written)
        EXPECT_EQ(text(recordingWrittenAt(firstLine)), time) << firstLine;

    const std::tuple<CalendarTime, int, const char*> before[] = {
        {{2024, 3, 1, 0, 0, 10}, 20, "2024-2-29 23:59:50"},  // a leap year
        {{2025, 1, 1, 0, 0, 0}, 1, "2024-12-31 23:59:59"},
        {{2024, 5, 1, 4, 0, 0}, 18000, "2024-4-30 23:0:0"},
    };
    for (const auto& [time, seconds, earlier] : before)
        EXPECT_EQ(text(secondsBefore(time, seconds)), earlier) << seconds;
}

TEST(RecordingExport, TextThatIsNoRecordingSaysWhy) {
    const RecordingExport exported = diveFromRecordingText("0.2 tap Image7\n");
    EXPECT_FALSE(exported.dive);
    EXPECT_EQ(exported.error, "not a recording file: the first line has no title, date and time");
}

}  // namespace
}  // namespace loopsim::test
