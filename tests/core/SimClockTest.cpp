#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/SimClock.h"

namespace loopsim {
namespace {

// A clock with a log of which timer ran when.
struct ClockFixture : ::testing::Test {
    SimClock clock;
    std::vector<std::string> log;

    SimTimer& logged(const std::string& name, int interval, bool enabled) {
        SimTimer& timer = clock.addTimer(name, interval, enabled);
        timer.setHandler([this, name] { log.push_back(name + "@" + std::to_string(clock.now())); });
        return timer;
    }
};

TEST_F(ClockFixture, StartingStoppingAndRestartingTimers) {
    SimTimer& stopped = logged("Stopped", 1000, false);
    SimTimer& running = logged("Running", 1000, true);
    SimTimer& reset = logged("Reset", 1000, true);
    SimTimer& once = clock.addTimer("Once", 100, true);
    once.setHandler([&] {
        log.push_back("Once@" + std::to_string(clock.now()));
        once.setEnabled(false);  // a handler that stops its own timer makes a one-shot
    });
    clock.advanceTo(250);
    stopped.setEnabled(true);  // its interval starts now
    clock.advanceTo(600);
    running.setEnabled(true);  // already running: changes nothing
    clock.advanceTo(700);
    reset.setInterval(500);  // the count starts again
    clock.advanceTo(1250);
    EXPECT_EQ(log,
              (std::vector<std::string>{"Once@100", "Running@1000", "Reset@1200", "Stopped@1250"}));
    EXPECT_EQ(once.due(), kNever);
}

TEST_F(ClockFixture, NextDueIsTheEarliestEnabledTimerAndEachRunsEveryInterval) {
    logged("A", 503, true);
    logged("B", 502, true);
    logged("C", 10, false);
    EXPECT_EQ(clock.nextDue(), 502);
    clock.advanceTo(502);
    EXPECT_EQ(clock.nextDue(), 503);
    clock.advanceTo(1509);
    EXPECT_EQ(log,
              (std::vector<std::string>{"B@502", "A@503", "B@1004", "A@1006", "B@1506", "A@1509"}));
}

TEST_F(ClockFixture, ProcessSleepsWhileOtherTimersRun) {
    logged("Tick", 400, true);
    auto process = [](SimClock& clock, std::vector<std::string>& log) -> Process {
        log.push_back("start@" + std::to_string(clock.now()));
        co_await clock.sleepFor(1000);
        log.push_back("woke@" + std::to_string(clock.now()));
    };
    Process running = process(clock, log);
    EXPECT_FALSE(running.finished());
    clock.advanceTo(1200);
    EXPECT_TRUE(running.finished());
    EXPECT_EQ(log, (std::vector<std::string>{"start@0", "Tick@400", "Tick@800", "woke@1000",
                                             "Tick@1200"}));
}

TEST_F(ClockFixture, YieldLetsWhatIsDueNowRunFirst) {
    SimTimer& stepper = clock.addTimer("Step", 1000, true);
    stepper.setProcessHandler([this]() -> Process {
        log.push_back("step begins");
        co_await clock.yieldToPending();
        log.push_back("step ends");
    });
    logged("Other", 1000, true);
    clock.advanceTo(1000);
    EXPECT_EQ(log, (std::vector<std::string>{"step begins", "Other@1000", "step ends"}));
}

TEST_F(ClockFixture, HoldStopsEverythingThenRunsLateTimersOnce) {
    logged("Tick", 300, true);
    auto process = [](SimClock& clock, std::vector<std::string>& log) -> Process {
        co_await clock.holdFor(2000);
        log.push_back("held process resumes@" + std::to_string(clock.now()));
    };
    clock.setHoldEndedHandler(
        [this] { log.push_back("held input@" + std::to_string(clock.now())); });
    clock.advanceTo(100);
    Process held = process(clock, log);
    clock.advanceTo(1500);
    EXPECT_TRUE(clock.holding());
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(clock.now(), 1500);
    clock.advanceTo(2100);
    EXPECT_EQ(log, (std::vector<std::string>{"held process resumes@2100", "held input@2100",
                                             "Tick@2100"}));
    clock.advanceTo(2400);
    EXPECT_EQ(log.back(), "Tick@2400");
}

// Once the program is ending nothing runs, a hold included: time passes while the hold lasts
// beyond the time advanced to, and stands once the hold would have ended by then, even when
// it would end at that very millisecond.
TEST_F(ClockFixture, AStoppedClockStandsWhereItsHoldWouldHaveEnded) {
    logged("Tick", 300, true);
    auto process = [](SimClock& clock) -> Process { co_await clock.holdFor(2000); };
    Process held = process(clock);
    clock.setStopCondition([] { return true; });
    clock.advanceTo(1500);
    EXPECT_EQ(clock.now(), 1500);
    clock.advanceTo(2000);
    EXPECT_EQ(clock.now(), 1500);
    EXPECT_TRUE(clock.holding());
    EXPECT_TRUE(log.empty());
}

// Sleeping and holding processes alike: a simulation may end in the middle of either.
TEST_F(ClockFixture, DestroyingTheClockFreesWaitingProcesses) {
    auto sleeping = [](SimClock& clock, std::shared_ptr<int> token) -> Process {
        co_await clock.sleepFor(1000);
        ++*token;
    };
    auto holding = [](SimClock& clock, std::shared_ptr<int> token) -> Process {
        co_await clock.holdFor(1000);
        ++*token;
    };
    auto token = std::make_shared<int>(0);
    {
        SimClock local;
        sleeping(local, token);
        holding(local, token);
        EXPECT_TRUE(local.holding());
        EXPECT_EQ(token.use_count(), 3);
    }
    EXPECT_EQ(token.use_count(), 1);
    EXPECT_EQ(*token, 0);
}

// What fell due earlier runs first, even when it runs late: after a hold, or a tick held
// back while its timer's process ran. Only at one millisecond do sleepers go before timers,
// and timers in table order.
TEST(SimClock, LateSleepersAndTimersRunInTheOrderTheyFellDue) {
    using Log = std::vector<std::string>;
    const auto note = [](SimClock& clock, Log& log, const std::string& what) {
        log.push_back(what + "@" + std::to_string(clock.now()));
    };
    const auto sleeper = [note](SimClock& clock, Log& log, Millis sleep) -> Process {
        co_await clock.sleepFor(sleep);
        note(clock, log, "sleeper");
    };
    const auto holder = [](SimClock& clock, Millis hold) -> Process {
        co_await clock.holdFor(hold);
    };
    const auto tick = [note](SimClock& clock, Log& log, const std::string& name, int interval) {
        clock.addTimer(name, interval, true).setHandler([&clock, &log, name, note] {
            note(clock, log, name);
        });
    };
    struct Row {
        const char* what;
        std::function<void(SimClock&, Log&)> play;
        Log expected;
    };
    const Row rows[] = {
        {"a hold from 200 to 2200: the ticks due at 300 and 400 before the sleeper due at 500",
         [&](SimClock& clock, Log& log) {
             tick(clock, log, "Tick", 300);
             tick(clock, log, "Other", 400);
             sleeper(clock, log, 500);
             clock.advanceTo(200);
             holder(clock, 2000);
             clock.advanceTo(2500);
         },
         {"Tick@2200", "Other@2200", "sleeper@2200", "Tick@2500"}},
        {"a busy controller from 1000 to 4500: its tick due at 2000 before a sleeper due at 4500",
         [&](SimClock& clock, Log& log) {
             clock.addTimer("Controller", 1000, true).setProcessHandler([&]() -> Process {
                 note(clock, log, "Controller");
                 co_await clock.sleepFor(3500);
             });
             clock.advanceTo(2500);
             sleeper(clock, log, 2000);
             clock.advanceTo(4500);
         },
         {"Controller@1000", "Controller@4500", "sleeper@4500"}},
        {"due at the same millisecond in a hold: the sleeper, then the timers in table order",
         [&](SimClock& clock, Log& log) {
             tick(clock, log, "First", 500);
             tick(clock, log, "Second", 500);
             sleeper(clock, log, 500);
             clock.advanceTo(100);
             holder(clock, 900);
             clock.advanceTo(1000);
         },
         {"sleeper@1000", "First@1000", "Second@1000"}},
    };
    for (const Row& row : rows) {
        SimClock clock;
        Log log;
        row.play(clock, log);
        EXPECT_EQ(log, row.expected) << row.what;
    }
}

}  // namespace
}  // namespace loopsim
