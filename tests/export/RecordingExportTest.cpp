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
