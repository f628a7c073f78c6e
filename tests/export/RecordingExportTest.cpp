// A recording file exported without its session log: the bail-out drill's recording, read
// back as the one-sensor dive it holds, second by second against the replayed session, and
// the date and time it gives the dive.
#include <gtest/gtest.h>

#include <cmath>

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

TEST(RecordingExport, TheRecordingsSecondsAsOneSensor) {
    const RecordingExport exported = diveFromRecordingText(drillRecording());
    ASSERT_TRUE(exported.dive) << exported.error;
    const ExportedDive& dive = *exported.dive;
    const Timeline timeline = replayedSession("bail-out-drill").timeline;

    // Row n is second n of the file; its values are those of the session's n-th sample.
    ASSERT_EQ(dive.samples.size(), timeline.seconds.size());
    EXPECT_EQ(dive.sensorCount, 1);
    EXPECT_EQ(dive.durationSeconds, static_cast<int>(timeline.seconds.size()));
    for (std::size_t i = 0; i < dive.samples.size(); ++i) {
        const ExportedSample& sample = dive.samples[i];
        const SecondSample& second = timeline.seconds[i];
        EXPECT_EQ(sample.seconds, static_cast<int>(i + 1));
        EXPECT_EQ(sample.depthDecimetres, second.depth * 10) << i;
        EXPECT_EQ(sample.setpointCentibar, std::lround(second.setpoint * 100)) << i;
        ASSERT_EQ(sample.sensorCentibar.has_value(), second.handsetPO2.has_value()) << i;
        if (second.handsetPO2) {
            EXPECT_EQ((*sample.sensorCentibar)[0], std::lround(*second.handsetPO2 * 100)) << i;
        }
    }
    EXPECT_EQ(dive.start.hour * 3600 + dive.start.minute * 60 + dive.start.second,
              10 * 3600 + 3 * 60 - static_cast<int>(timeline.seconds.size()));
}

TEST(RecordingExport, SubsurfaceGetsOneSensorTheStatusMessagesAndTheBailOut) {
    const std::string xml = subsurfaceXml(*diveFromRecordingText(drillRecording()).dive);
    EXPECT_NE(xml.find("no_o2sensors='1'"), std::string::npos);
    EXPECT_EQ(xml.find("sensor2="), std::string::npos);
    EXPECT_NE(xml.find("name='Manual O2 Addition'"), std::string::npos);
    // Rows 97 and 127 of the file hold the bail-out and the return.
    EXPECT_NE(xml.find("<event time='1:37 min' type='11' value='21' name='gaschange' "
                       "cylinder='2' />"),
              std::string::npos);
    EXPECT_NE(xml.find("<event time='2:07 min' type='11' value='21' name='gaschange' "
                       "cylinder='0' />"),
              std::string::npos);
}

TEST(RecordingExport, TheWrittenDateAndTheStartBeforeIt) {
    struct Row {
        const char* firstLine;
        std::optional<CalendarTime> written;
    };
    const CalendarTime october{2004, 10, 27, 14, 5, 33};
    for (const Row& row : {
             Row{"\"Tarven Calvendrite Simulator\",#2004-10-27#,#14:05:33#", october},
             Row{"\xEF\xBB\xBF\"T\",#2004-10-27#,#14:05:33#\r\n", october},
             Row{"\"T\",#2004-13-27#,#14:05:33#", std::nullopt},
             Row{"\"T\",#2004-02-30#,#14:05:33#", std::nullopt},
             Row{"\"T\",#2004-10-27#,#24:05:33#", std::nullopt},
             Row{"\"T\",#2004-10-27#,#14:05#", std::nullopt},
             Row{"\"T\",#DATE#,#TIME#", std::nullopt},
             Row{"", std::nullopt},
         }) {
        const auto written = recordingWrittenAt(row.firstLine);
        ASSERT_EQ(written.has_value(), row.written.has_value()) << row.firstLine;
        if (written) {
            EXPECT_EQ(std::tie(written->year, written->month, written->day, written->hour,
                               written->minute, written->second),
                      std::tie(row.written->year, row.written->month, row.written->day,
                               row.written->hour, row.written->minute, row.written->second));
        }
    }

    struct Before {
        CalendarTime time;
        int seconds;
        CalendarTime earlier;
    };
    for (const Before& row : {
             Before{{2024, 3, 1, 0, 0, 10}, 20, {2024, 2, 29, 23, 59, 50}},  // a leap year
             Before{{2025, 1, 1, 0, 0, 0}, 1, {2024, 12, 31, 23, 59, 59}},
             Before{{2024, 5, 1, 4, 0, 0}, 18000, {2024, 4, 30, 23, 0, 0}},
             Before{{2024, 5, 1, 4, 0, 0}, 0, {2024, 5, 1, 4, 0, 0}},
         }) {
        const CalendarTime t = secondsBefore(row.time, row.seconds);
        const CalendarTime& e = row.earlier;
        EXPECT_EQ(std::tie(t.year, t.month, t.day, t.hour, t.minute, t.second),
                  std::tie(e.year, e.month, e.day, e.hour, e.minute, e.second))
            << row.seconds;
    }
}

TEST(RecordingExport, TextThatIsNoRecordingSaysWhy) {
    const RecordingExport exported = diveFromRecordingText("0.2 tap Image7\n");
    EXPECT_FALSE(exported.dive);
    EXPECT_EQ(exported.error, "not a recording file: the first line has no title, date and time");
}

}  // namespace
}  // namespace loopsim::test
