// Session logs replayed for their debriefs: figures worked out by hand from short logs. The
// events, the pre-dive checks, the failures and the figures of whole dives (the solenoid
// drill's response at 44.5 s and its bail-out at 99.5 s among them) are pinned by the golden
// debriefs of the replays.
#include <gtest/gtest.h>

#include "debrief/Debrief.h"
#include "debrief/Metrics.h"
#include "debrief/SessionReplay.h"

namespace loopsim::test {
namespace {

// Short sessions whose figures follow by hand from their lines. With no handset switched on
// nothing holds the clock, so a second's sample is taken at each whole second, before the
// lines of that second.
TEST(SessionReplay, FiguresOfShortSessionsWorkedOutByHand) {
    struct Row {
        const char* what;
        std::string log;
        std::vector<std::pair<const char*, double>> figures;
    };
    // Breathing from 3 s (first sample 4 s) to the bail-out at 63 s (last sample 63 s): 60 s
    // of air at 0.21 bar with no oxygen used, 0.19 bar under 0.4, 0.49 bar under the setpoint.
    const std::string hypoxia =
        "1 tap Label4\n1 answer 0\n2 tap Image18\n3 tap Image19\n63 tap Image20\n70 end\n";
    const std::vector<std::pair<const char*, double>> hypoxiaFigures = {
        {"hypoxia_seconds", 60},    {"longest_hypoxia_seconds", 60},
        {"unconscious_seconds", 0}, {"excess_bar_seconds", 60 * 0.19},
        {"setpoint_rms_bar", 0.49}, {"setpoint_within_percent", 0},
        {"cns_percent", 0},         {"otu", 0},
        {"predive.oxygen_open", 0}, {"predive.both_handsets_on", 0},
        {"predive.calibrated", 0}};
    // Down a metre a second to 12 m, then up a metre at 20, 26, 32, 38, 40, 41 and 42 s: the
    // most in any 10 s is the 4 m from 32 s to 42 s.
    std::string ascent;
    for (int second = 1; second <= 12; ++second)
        ascent += std::to_string(second) + " tap Image10\n";
    for (int second : {20, 26, 32, 38, 40, 41, 42})
        ascent += std::to_string(second) + " tap Image9\n";
    ascent += "50 end\n";
    for (const Row& row :
         {Row{"hypoxia at the surface", hypoxia, hypoxiaFigures},
          Row{"a descent and an ascent", ascent, {{"fastest_ascent_m_per_min", 24}}},
          // The demonstration's pre-dive, its main screen from about 50 s: there both outer
          // buttons open the high setpoint's menu.
          Row{"the setpoints looked at before the first breath",
              "0.2 tap Image7\n0.4 tap Image4\n0.5 tap LHOO\n1 tap Label8\n4 tap RHOO\n"
              "4.5 tap Label11\n10.5 tap Label10\n11.5 tap Label10\n12.5 tap Label8\n"
              "13.5 tap Label10\n14 tap Image18\n14.5 tap Label10\n15.5 tap Label10\n"
              "16.5 tap Label10\n56 tap Label18\n60 tap Image19\n70 end\n",
              {{"predive.calibrated", 1}, {"predive.setpoints_checked", 1}}},
          // Applied 10 ms after "Change now", in force from the sample at 11 s.
          Row{"a cell drift answered by a diluent flush",
              "10 check Options.Check4\n10 tap Options.Command1\n40 tap Image5\n50 end\n",
              {{"response_seconds.cell_drift", 29}}},
          Row{"a handset flood answered by the bail-out",
              "10 check Options.Check20\n10 tap Options.Command1\n25 tap Image20\n30 end\n",
              {{"response_seconds.handset_flood", 14}, {"recovery_seconds.handset_flood", 14}}}}) {
        const ReplayedSession replayed = replaySessionLog(row.log);
        ASSERT_FALSE(replayed.error) << row.what << ": " << *replayed.error;
        const auto metrics = debriefMetrics(computeDebrief(replayed.timeline));
        for (const auto& [name, value] : row.figures) {
            const auto metric = findMetric(metrics, name);
            ASSERT_TRUE(metric && metric->value) << row.what << ": " << name;
            EXPECT_NEAR(*metric->value, value, 1e-9) << row.what << ": " << name;
        }
    }
}

// A failure the options' delay held back is said with when it was set, from the first moment
// of the session on: set at 0 s with a minute's delay, in force at the check of 61 s.
TEST(SessionReplay, ADelayedFailureSaysWhenItWasSet) {
    const ReplayedSession replayed = replaySessionLog(
        "0 check Options.Check4\n0 set Options.Slider1 1\n0 tap Options.Command1\n70 end\n");
    ASSERT_FALSE(replayed.error) << *replayed.error;
    std::vector<std::string> failures;
    for (const TimelineEvent& event : replayed.timeline.events)
        if (event.kind == EventKind::Failure)
            failures.push_back(std::to_string(event.time) + " " + event.what);
    EXPECT_EQ(failures, std::vector<std::string>{"61000 Cell Drift in force (set at 00:00)"});
}

TEST(SessionReplay, ALogThatCannotBePlayedSaysWhere) {
    EXPECT_EQ(replaySessionLog("1 tap Image7\n2 frobnicate Image7\n").error,
              "line 2: unknown verb 'frobnicate'");
}

}  // namespace
}  // namespace loopsim::test
