// A session log replayed for its debrief: what the observer sees of a short dive with a
// stuck solenoid answered by a bail-out.
#include <gtest/gtest.h>

#include "core/Elements.h"
#include "debrief/Metrics.h"
#include "debrief/SessionReplay.h"

namespace loopsim::test {
namespace {

constexpr const char* kStuckSolenoidLog = R"(# [Settings]
# CO2=14
0.2 tap Image7
0.4 tap Image4
0.5 tap LHOO
1 tap Label8
5 tap Image18
6 tap Image19
10 check Options.Check8
10 tap Options.Command1
30 tap Image20
40 tap Bailout.Return
45 end
)";

TEST(SessionReplay, EventsInTheirOrderWithTheirKinds) {
    const ReplayedSession replayed = replaySessionLog(kStuckSolenoidLog);
    ASSERT_FALSE(replayed.error) << *replayed.error;
    struct Row {
        Millis time;
        EventKind kind;
        const char* what;
    };
    const std::vector<Row> expected = {
        {200, EventKind::Trainee, "tap oxygen cylinder valve"},
        {200, EventKind::Unit, "O2 Valve Opened"},
        {400, EventKind::Trainee, "tap diluent cylinder valve"},
        {400, EventKind::Unit, "Diluent Valve Opened"},
        {500, EventKind::Trainee, "tap left handset power switch"},
        {500, EventKind::Unit, "Left handset hardware switch On"},
        {1000, EventKind::Trainee, "tap left handset left button (YES)"},
        {1000, EventKind::Unit, "Left handset on as Master"},
        {5000, EventKind::Trainee, "tap mouthpiece"},
        {5000, EventKind::Unit, "Mouthpiece Opened"},
        {6000, EventKind::Trainee, "tap regulator"},
        {6000, EventKind::Unit, "Breathing Started"},
        {10000, EventKind::Instructor, "tick \"Solenoid Stuck Closed\""},
        {10000, EventKind::Instructor, "tap options: change now"},
        {11000, EventKind::Failure, "Solenoid Stuck Closed in force"},
        {30000, EventKind::Trainee, "tap bail-out"},
        {30000, EventKind::Unit, "Bailed Out"},
        {40000, EventKind::Trainee, "tap bail-out: return to the loop"},
        {40000, EventKind::Unit, "Returned to loop"},
    };
    std::vector<TimelineEvent> events;
    for (const TimelineEvent& event : replayed.timeline.events) {
        if (event.kind != EventKind::Warning)
            events.push_back(event);
    }
    ASSERT_EQ(events.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(events[i].time, expected[i].time) << i;
        EXPECT_EQ(events[i].kind, expected[i].kind) << i;
        EXPECT_EQ(events[i].what, expected[i].what) << i;
    }
    EXPECT_EQ(replayed.timeline.end, 45000);

    // Breathed with both cylinders on and only the left handset, not calibrated.
    const PreDiveChecks checks = replayed.timeline.preDive.value();
    EXPECT_EQ(checks.time, 6000);
    EXPECT_TRUE(checks.oxygenOpen && checks.diluentOpen && checks.leftOn);
    EXPECT_FALSE(checks.rightOn || checks.calibrated || checks.setpointsSeen);

    // The bail-out answers the stuck solenoid 19 s after it came into force, and ends it.
    const Debrief debrief = computeDebrief(replayed.timeline);
    const auto metrics = debriefMetrics(debrief);
    EXPECT_EQ(findMetric(metrics, "response_seconds.solenoid_stuck_closed")->value, 19);
    EXPECT_EQ(findMetric(metrics, "recovery_seconds.solenoid_stuck_closed")->value, 19);
    EXPECT_EQ(debrief.failures.at(0).recovery, "bailed out");
    EXPECT_EQ(findMetric(metrics, "predive.calibrated")->grade, Grade::Poor);
}

TEST(SessionReplay, ALogThatCannotBePlayedSaysWhere) {
    EXPECT_EQ(replaySessionLog("1 tap Image7\n2 frobnicate Image7\n").error,
              "line 2: unknown verb 'frobnicate'");
}

}  // namespace
}  // namespace loopsim::test
