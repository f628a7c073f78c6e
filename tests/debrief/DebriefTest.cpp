// The debrief's arithmetic on timelines built by hand, each figure worked out in the
// comments beside it.
#include <gtest/gtest.h>

#include <cmath>

#include "core/Elements.h"
#include "debrief/Debrief.h"
#include "debrief/Metrics.h"
#include "debrief/OxygenDose.h"

namespace loopsim::test {
namespace {

// One sample a second from t = 1 s, breathing from the loop at setpoint 0.7.
Timeline breathing(const std::vector<double>& po2) {
    Timeline timeline;
    for (std::size_t i = 0; i < po2.size(); ++i) {
        SecondSample sample;
        sample.time = static_cast<Millis>(i + 1) * 1000;
        sample.loopPO2 = po2[i];
        sample.setpoint = 0.7;
        sample.mouthpieceOpen = sample.onLoop = true;
        timeline.seconds.push_back(sample);
    }
    return timeline;
}

TimelineEvent event(Millis time, EventKind kind, std::string what, std::string element = {},
                    int option = 0) {
    return {time, kind, std::move(what), std::move(element), option};
}

double metric(const Debrief& debrief, std::string_view name) {
    return findMetric(debriefMetrics(debrief), name).value().value.value();
}

TEST(OxygenDose, LimitsInterpolateBetweenTheTableRows) {
    struct Row {
        double po2, limit, otu;
    };
    // At 0.65 halfway from 720 to 570, at 1.55 halfway from 120 to 45.
    for (const Row& row :
         {Row{0.4, 0, 0}, Row{0.5, 0, 0}, Row{0.55, 720, std::pow(0.1, 5.0 / 6)},
          Row{0.6, 720, std::pow(0.2, 5.0 / 6)}, Row{0.65, 645, std::pow(0.3, 5.0 / 6)},
          Row{1.0, 300, 1}, Row{1.45, 135, std::pow(1.9, 5.0 / 6)},
          Row{1.55, 82.5, std::pow(2.1, 5.0 / 6)}, Row{1.6, 45, std::pow(2.2, 5.0 / 6)},
          Row{2.0, 45, std::pow(3.0, 5.0 / 6)}, Row{std::nan(""), 0, 0}}) {
        EXPECT_NEAR(cnsLimitMinutes(row.po2), row.limit, 1e-9) << row.po2;
        EXPECT_NEAR(otuPerMinute(row.po2), row.otu, 1e-9) << row.po2;
    }
    EXPECT_NEAR(cnsPercentPerMinute(1.0), 100.0 / 300, 1e-12);
}

TEST(Debrief, ExposureTrackingAndDoseOfABadLoop) {
    //                                  low      low    high
    Timeline timeline = breathing({0.7, 0.35, 0.3, 0.7, 0.1, 0.1, 1.7, 1.8, 0.7});
    timeline.seconds.push_back(timeline.seconds.back());
    timeline.seconds.back().time = 10000;
    timeline.seconds.back().loopPO2 = 0.1;
    timeline.seconds.back().onLoop = false;  // off the loop: counts nowhere
    const Debrief d = computeDebrief(timeline);

    EXPECT_EQ(d.exposure.lowSeconds, 4);
    EXPECT_EQ(d.exposure.longestLowSeconds, 2);
    EXPECT_EQ(d.exposure.unconsciousSeconds, 2);
    EXPECT_EQ(d.exposure.highSeconds, 2);
    ASSERT_EQ(d.exposure.low.size(), 2u);
    EXPECT_EQ(d.exposure.low[1].start, 5000);
    EXPECT_EQ(d.exposure.low[1].end, 6000);
    // 0.05 + 0.1 + 0.3 + 0.3 below, 0.1 + 0.2 above.
    EXPECT_NEAR(d.exposure.excessBarSeconds, 1.05, 1e-12);

    // Off the setpoint by 0, .35, .4, 0, .6, .6, 1.0, 1.1, 0: squares 3.2125 over 9 s.
    EXPECT_EQ(d.tracking.breathingSeconds, 9);
    EXPECT_NEAR(d.tracking.rmsBar, std::sqrt(3.2125 / 9), 1e-12);
    EXPECT_NEAR(metric(d, "setpoint_within_percent"), 100.0 / 3, 1e-9);

    // CNS: 0.7 three times at 570 min, 1.7 and 1.8 at 45 min, a second each.
    EXPECT_NEAR(d.dose.cnsPercent, (3 * 100.0 / 570 + 2 * 100.0 / 45) / 60, 1e-12);
    EXPECT_NEAR(d.dose.otu,
                (3 * std::pow(0.4, 5.0 / 6) + std::pow(2.4, 5.0 / 6) + std::pow(2.6, 5.0 / 6)) / 60,
                1e-12);
}

TEST(Debrief, FastestAscentOverTenSeconds) {
    Timeline timeline = breathing(std::vector<double>(30, 0.7));
    // At 30 m for 5 s, then 2 m a second for 5 s, then at 20 m.
    for (std::size_t i = 0; i < timeline.seconds.size(); ++i)
        timeline.seconds[i].depth = i < 5 ? 30 : std::max(20, 30 - 2 * static_cast<int>(i - 4));
    const Debrief d = computeDebrief(timeline);
    // 10 m within any 10 s that hold the five steps: 60 m/min, first from the 1st second.
    EXPECT_DOUBLE_EQ(d.ascent.fastestMetresPerMinute, 60);
    EXPECT_EQ(d.ascent.at, 1000);
    EXPECT_EQ(findMetric(debriefMetrics(d), "fastest_ascent_m_per_min")->grade, Grade::Poor);
}

TEST(Debrief, WarningsMergeIntoEpisodes) {
    Timeline timeline = breathing({0.3, 0.3, 0.3, 0.7, 0.7, 0.3});
    for (Millis t : {1000, 2000, 3000, 6000})
        timeline.events.push_back(event(t, EventKind::Warning, "Low O2"));
    timeline.events.push_back(event(2000, EventKind::Warning, "Cell Warning"));
    const Debrief d = computeDebrief(timeline);
    ASSERT_EQ(d.warnings.size(), 2u);
    EXPECT_EQ(d.warnings[1].kind, "Low O2");
    EXPECT_EQ(d.warnings[1].raised, 2);
    EXPECT_EQ(d.warnings[1].seconds, 4);
    EXPECT_EQ(metric(d, "warning_raised.cell_warning"), 1);
    EXPECT_EQ(metric(d, "warning_seconds.low_o2"), 4);
}

TEST(Debrief, ResponseAndRecoveryOfAFailure) {
    struct Case {
        const char* name;
        std::vector<double> po2;
        Millis bailOutAt;  // 0: never
        std::optional<double> recoverySeconds;
        const char* recovery;
    };
    // In force at 5 s; the oxygen added by hand at 12.5 s.
    std::vector<double> outAndBack(60, 0.7);
    for (std::size_t i = 7; i < 15; ++i)
        outAndBack[i] = 0.4;  // seconds 8 to 15 out of the band
    std::vector<double> backBeforeTheResponse(60, 0.7);
    backBeforeTheResponse[5] = backBeforeTheResponse[6] = 0.4;  // out at 6 and 7 s
    std::vector<double> neverBack(60, 0.7);
    for (std::size_t i = 7; i < 60; i += 20)
        neverBack[i] = 0.4;  // out once every 20 s: never 30 s in the band
    for (const Case& c : {
             Case{"back at 16 s", outAndBack, 0, 11, "loop back at the setpoint"},
             Case{"never out", std::vector<double>(60, 0.7), 0, 0, "loop stayed at the setpoint"},
             // in the band again from 8 s, counted from the response at 12.5 s: from 13 s
             Case{"counted from the response", backBeforeTheResponse, 0, 8,
                  "loop back at the setpoint"},
             Case{"never back", neverBack, 0, std::nullopt, ""},
             Case{"bailed out at 20 s", neverBack, 20000, 15, "bailed out"},
             Case{"back before the bail-out", outAndBack, 50000, 11, "loop back at the setpoint"},
         }) {
        Timeline timeline = breathing(c.po2);
        timeline.events = {
            event(3000, EventKind::Trainee, "tap oxygen manual add", elements::kOxygenButton),
            event(5000, EventKind::Failure, "Solenoid Stuck Closed in force", {},
                  elements::kSolenoidStuckClosed),
            event(9000, EventKind::Trainee, "tap diluent manual add", elements::kDiluentButton),
            event(12500, EventKind::Trainee, "tap oxygen manual add", elements::kOxygenButton),
        };
        if (c.bailOutAt)
            timeline.events.push_back(
                event(c.bailOutAt, EventKind::Trainee, "tap bail-out", elements::kBailOutButton));
        const Debrief d = computeDebrief(timeline);
        ASSERT_EQ(d.failures.size(), 1u) << c.name;
        EXPECT_EQ(d.failures[0].respondedAt, 12500) << c.name;
        EXPECT_EQ(metric(d, "response_seconds.solenoid_stuck_closed"), 7.5) << c.name;
        const auto recovery =
            findMetric(debriefMetrics(d), "recovery_seconds.solenoid_stuck_closed")->value;
        EXPECT_EQ(recovery, c.recoverySeconds) << c.name;
        EXPECT_EQ(d.failures[0].recovery, c.recovery) << c.name;
    }
}

// A minute answers a failure well and two fairly; two minutes bring it back in hand well
// and five fairly.
TEST(Debrief, ResponseAndRecoveryGradesAtTheEdgesOfTheirBands) {
    struct Row {
        double seconds;
        Grade response, recovery;
    };
    for (const Row& row :
         {Row{60, Grade::Good, Grade::Good}, Row{60.5, Grade::Fair, Grade::Good},
          Row{120, Grade::Fair, Grade::Good}, Row{120.5, Grade::Poor, Grade::Fair},
          Row{300, Grade::Poor, Grade::Fair}, Row{300.5, Grade::Poor, Grade::Poor}}) {
        Debrief d;
        const auto at = static_cast<Millis>(row.seconds * 1000);
        d.failures.push_back({elements::kSolenoidStuckClosed, 0, at, {}, at, {}});
        const auto metrics = debriefMetrics(d);
        const auto grade = [&](const char* name) { return findMetric(metrics, name)->grade; };
        EXPECT_EQ(grade("response_seconds.solenoid_stuck_closed"), row.response) << row.seconds;
        EXPECT_EQ(grade("recovery_seconds.solenoid_stuck_closed"), row.recovery) << row.seconds;
    }
}

TEST(Debrief, HandsetMisleadsWhenMoreThanTwoTenthsOff) {
    Timeline timeline = breathing({0.7, 0.7, 0.7, 0.7, 0.7});
    const std::optional<double> handset[] = {0.7, 0.95, 0.85, std::nullopt, 1.0};
    for (std::size_t i = 0; i < 5; ++i)
        timeline.seconds[i].handsetPO2 = handset[i];
    timeline.events = {event(1500, EventKind::Trainee, "tap diluent manual add"),
                       event(4500, EventKind::Trainee, "tap bail-out")};
    const Debrief d = computeDebrief(timeline);
    // 0.95 at 2 s and 1.0 at 5 s; 0.85 is within 0.2, and no vote at 4 s.
    EXPECT_EQ(d.misledSeconds, 2);
    ASSERT_EQ(d.misled.size(), 2u);
    EXPECT_EQ(d.misled[0].actions, std::vector<std::string>{"tap diluent manual add"});
    EXPECT_EQ(d.misled[1].actions, std::vector<std::string>{"tap bail-out"});
}

}  // namespace
}  // namespace loopsim::test
