// The virtual clock. Time is an integer count of milliseconds owned by the caller:
// advanceTo(t) runs everything that falls due up to and including t, in time order, and
// nextDue() says when something next falls due. The core never reads a wall clock, so a
// headless run plays hours in milliseconds and every run of the same input is identical.
//
// Three kinds of things fall due:
//  - processes waking from a sleep (a handler that waits on the clock),
//  - the named periodic timers of the window,
//  - processes that yielded to let pending work at this same millisecond run first.
// At one millisecond they run in that order; sleepers among themselves in the order they
// went to sleep, timers in the order of the tick table, yielders in the order they yielded.
//
// A hold ("the whole program waits") stops everything until it ends: then the held
// process resumes, then the input that arrived during the hold (see Simulation), then
// every timer and sleeper that fell due during it, once each and in time order.
//
// A timer whose handler is a process is busy until the process ends; a tick that falls
// due meanwhile is delivered once right after it ends, not once per missed interval.
// Any late tick starts its next interval from the moment it actually ran.
//
// Late or on time, what fell due earlier runs first: a tick held back by a hold or by its
// own busy process goes by the time it fell due, before a sleeper that wakes after it.
#pragma once

#include <coroutine>
#include <cstdint>
#include <deque>
#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "core/Process.h"

namespace loopsim {

using Millis = std::int64_t;
inline constexpr Millis kNever = std::numeric_limits<Millis>::max();

class SimClock;

class SimTimer {
  public:
    const std::string& name() const { return name_; }
    int interval() const { return interval_; }
    bool enabled() const { return enabled_; }
    Millis due() const { return enabled_ && interval_ > 0 && !busy_ ? due_ : kNever; }

    // Enabling a stopped timer starts its interval now; enabling a running one changes nothing.
    void setEnabled(bool enabled);
    // Setting the interval of an enabled timer restarts its count from now.
    void setInterval(int milliseconds);

    void setHandler(std::function<void()> handler);
    void setProcessHandler(std::function<Process()> handler);

  private:
    friend class SimClock;
    SimTimer(SimClock& clock, std::size_t index, std::string name, int interval, bool enabled);
    void fire();
    // Tells the clock the due time, after anything that changes it.
    void publishDue();

    SimClock& clock_;
    std::size_t index_;
    std::string name_;
    int interval_;
    bool enabled_;
    Millis due_ = 0;
    bool busy_ = false;
    std::function<void()> handler_;
    std::function<Process()> processHandler_;
};

class SimClock {
  public:
    SimClock() = default;
    SimClock(const SimClock&) = delete;
    SimClock& operator=(const SimClock&) = delete;
    ~SimClock();

    Millis now() const { return now_; }

    SimTimer& addTimer(std::string name, int interval, bool enabled);
    SimTimer& timer(const std::string& name);
    SimTimer* findTimer(const std::string& name);
    const std::deque<SimTimer>& timers() const { return timers_; }

    Millis nextDue() const;
    void advanceTo(Millis target);

    bool holding() const { return holdEnd_ != kNever; }
    Millis holdEnd() const { return holdEnd_; }
    // Called once when a hold ends, right after the held process resumed.
    void setHoldEndedHandler(std::function<void()> handler) { onHoldEnded_ = std::move(handler); }
    // Once this says so, nothing more runs: the program is ending.
    void setStopCondition(std::function<bool()> stopped) { stopped_ = std::move(stopped); }

    struct SleepAwaiter {
        SimClock& clock;
        Millis wake;
        bool await_ready() const noexcept { return false; }
        void await_suspend(std::coroutine_handle<> handle) { clock.addSleeper(wake, handle); }
        void await_resume() const noexcept {}
    };
    struct YieldAwaiter {
        SimClock& clock;
        bool await_ready() const noexcept { return false; }
        void await_suspend(std::coroutine_handle<> handle) { clock.yielders_.push_back(handle); }
        void await_resume() const noexcept {}
    };
    struct HoldAwaiter {
        SimClock& clock;
        Millis end;
        bool await_ready() const noexcept { return false; }
        void await_suspend(std::coroutine_handle<> handle) { clock.startHold(end, handle); }
        void await_resume() const noexcept {}
    };

    // co_await clock.sleepFor(ms): wait while everything else runs.
    SleepAwaiter sleepFor(Millis milliseconds) { return {*this, now_ + milliseconds}; }
    // co_await clock.yieldToPending(): let whatever else is due at this millisecond run first.
    YieldAwaiter yieldToPending() { return {*this}; }
    // co_await clock.holdFor(ms): nothing at all runs until the hold ends.
    HoldAwaiter holdFor(Millis milliseconds) { return {*this, now_ + milliseconds}; }

  private:
    friend class SimTimer;
    struct Sleeper {
        Millis wake;
        std::uint64_t sequence;
        std::coroutine_handle<> handle;
    };

    void addSleeper(Millis wake, std::coroutine_handle<> handle);
    void startHold(Millis end, std::coroutine_handle<> handle);
    void endHold();
    bool runNextDueAtOrBefore(Millis target);

    Millis now_ = 0;
    std::deque<SimTimer> timers_;
    // Every timer's due(), in the order of timers_: the next timer is found with one pass
    // over a short array, hundreds of thousands of times in a long dive.
    std::vector<Millis> timerDues_;
    std::vector<Sleeper> sleepers_;
    std::uint64_t nextSleeperSequence_ = 0;
    std::deque<std::coroutine_handle<>> yielders_;
    Millis holdEnd_ = kNever;
    std::coroutine_handle<> heldProcess_;
    std::function<void()> onHoldEnded_;
    std::function<bool()> stopped_;
};

}  // namespace loopsim
