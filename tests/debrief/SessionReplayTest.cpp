// A session log replayed for its debrief: what the observer sees of a short dive with a
// stuck solenoid answered by a bail-out, and of the solenoid drill of scenarios/.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

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

// The drill's pre-dive routine opens both cylinders, switches both handsets on and
// calibrates (it ends at 42.7 s) before the first breath at 60 s. The solenoid sticks open
// on the recording tick after "Change now" at 200 s, 200.5 s; the oxygen valve closed at
// 245 s answers it 44.5 s later, and the bail-out at 300 s ends it 99.5 s after it began.
TEST(SessionReplay, TheSolenoidDrill) {
    std::ifstream file(LOOPSIM_SCENARIOS "/solenoid-drill.scenario");
    std::stringstream text;
    text << file.rdbuf();
    const ReplayedSession replayed = replaySessionLog(text.str());
    ASSERT_FALSE(replayed.error) << *replayed.error;
    const PreDiveChecks checks = replayed.timeline.preDive.value();
    EXPECT_EQ(checks.time, 60000);
    EXPECT_TRUE(checks.oxygenOpen && checks.diluentOpen && checks.leftOn && checks.rightOn &&
                checks.calibrated);
    EXPECT_FALSE(checks.rightIsMaster || checks.setpointsSeen);

    const Debrief debrief = computeDebrief(replayed.timeline);
    ASSERT_EQ(debrief.failures.size(), 1u);
    EXPECT_EQ(debrief.failures[0].inForce, 200500);
    EXPECT_EQ(debrief.failures[0].response, "tap oxygen cylinder valve");
    EXPECT_EQ(debrief.failures[0].recovery, "bailed out");
    const auto metrics = debriefMetrics(debrief);
    const struct {
        const char* name;
        double value;
        Grade grade;
    } expected[] = {
        {"response_seconds.solenoid_stuck_open", 44.5, Grade::Good},
        {"recovery_seconds.solenoid_stuck_open", 99.5, Grade::Good},
        {"hypoxia_seconds", 0, Grade::Good},
        {"predive.calibrated", 1, Grade::Good},
        {"predive.setpoints_checked", 0, Grade::Poor},
    };
    for (const auto& row : expected) {
        const auto metric = findMetric(metrics, row.name);
        ASSERT_TRUE(metric) << row.name;
        EXPECT_EQ(metric->value, row.value) << row.name;
        EXPECT_EQ(metric->grade, row.grade) << row.name;
    }
}

TEST(SessionReplay, ALogThatCannotBePlayedSaysWhere) {
    EXPECT_EQ(replaySessionLog("1 tap Image7\n2 frobnicate Image7\n").error,
              "line 2: unknown verb 'frobnicate'");
}

}  // namespace
}  // namespace loopsim::test
