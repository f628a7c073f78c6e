#include "core/SimClock.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace loopsim {

SimTimer::SimTimer(SimClock& clock, std::size_t index, std::string name, int interval, bool enabled)
    : clock_(clock), index_(index), name_(std::move(name)), interval_(interval), enabled_(enabled) {
    due_ = clock_.now() + interval_;
}

void SimTimer::publishDue() {
    // A timer with nothing to run is not scheduled at all: its ticks would change nothing.
    clock_.timerDues_[index_] = handler_ || processHandler_ ? due() : kNever;
}

void SimTimer::setEnabled(bool enabled) {
    if (enabled && !enabled_)
        due_ = clock_.now() + interval_;
    enabled_ = enabled;
    publishDue();
}

void SimTimer::setInterval(int milliseconds) {
    interval_ = milliseconds;
    if (enabled_)
        due_ = clock_.now() + interval_;
    publishDue();
}

void SimTimer::setHandler(std::function<void()> handler) {
    handler_ = std::move(handler);
    processHandler_ = nullptr;
    publishDue();
}

void SimTimer::setProcessHandler(std::function<Process()> handler) {
    processHandler_ = std::move(handler);
    handler_ = nullptr;
    publishDue();
}

void SimTimer::fire() {
    // The next interval counts from now; the handler may change that.
    due_ = clock_.now() + interval_;
    publishDue();
    if (handler_) {
        handler_();
        return;
    }
    if (!processHandler_)
        return;
    Process process = processHandler_();
    if (process.finished())
        return;
    busy_ = true;
    publishDue();
    // A tick that falls due meanwhile keeps its past due time, so it runs once as soon as
    // the process has ended.
    process.whenFinished([this] {
        busy_ = false;
        publishDue();
    });
}

SimClock::~SimClock() {
    for (auto& sleeper : sleepers_)
        sleeper.handle.destroy();
    for (auto handle : yielders_)
        handle.destroy();
    if (heldProcess_)
        heldProcess_.destroy();
}

SimTimer& SimClock::addTimer(std::string name, int interval, bool enabled) {
    if (findTimer(name))
        throw std::logic_error("timer added twice: " + name);
    // Scheduled once it has a handler.
    timerDues_.push_back(kNever);
    return timers_.emplace_back(
        SimTimer(*this, timers_.size(), std::move(name), interval, enabled));
}

SimTimer* SimClock::findTimer(const std::string& name) {
    for (auto& timer : timers_)
        if (timer.name() == name)
            return &timer;
    return nullptr;
}

SimTimer& SimClock::timer(const std::string& name) {
    if (SimTimer* found = findTimer(name))
        return *found;
    throw std::logic_error("no timer named " + name);
}

void SimClock::addSleeper(Millis wake, std::coroutine_handle<> handle) {
    sleepers_.push_back({wake, nextSleeperSequence_++, handle});
}

void SimClock::startHold(Millis end, std::coroutine_handle<> handle) {
    holdEnd_ = end;
    heldProcess_ = handle;
}

void SimClock::endHold() {
    now_ = std::max(now_, holdEnd_);
    holdEnd_ = kNever;
    auto held = std::exchange(heldProcess_, nullptr);
    held.resume();
    if (onHoldEnded_)
        onHoldEnded_();
}

Millis SimClock::nextDue() const {
    if (holding())
        return holdEnd_;
    if (!yielders_.empty())
        return now_;
    Millis next = kNever;
    for (const auto& sleeper : sleepers_)
        next = std::min(next, sleeper.wake);
    for (const Millis due : timerDues_)
        next = std::min(next, due);
    return std::max(next, now_);
}

bool SimClock::runNextDueAtOrBefore(Millis target) {
    if (stopped_ && stopped_())
        return false;
    if (holding()) {
        if (holdEnd_ > target)
            return false;
        endHold();
        return true;
    }

    auto sleeper = std::min_element(sleepers_.begin(), sleepers_.end(), [](auto& a, auto& b) {
        return a.wake != b.wake ? a.wake < b.wake : a.sequence < b.sequence;
    });
    // The first of the earliest, as the tick table orders them.
    std::size_t earliest = 0;
    Millis timerTime = kNever;
    for (std::size_t i = 0; i < timerDues_.size(); ++i) {
        if (timerDues_[i] < timerTime) {
            timerTime = timerDues_[i];
            earliest = i;
        }
    }

    // A sleeper or timer may have fallen due before now, during a hold or while its timer's
    // process ran: it still goes by the time it fell due, so what fell due first runs first.
    const Millis sleeperTime = sleeper == sleepers_.end() ? kNever : sleeper->wake;
    const Millis yieldTime = yielders_.empty() ? kNever : now_;
    const Millis next = std::min({sleeperTime, timerTime, yieldTime});
    if (next == kNever || next > target)
        return false;

    now_ = std::max(now_, next);
    if (sleeperTime == next) {
        auto handle = sleeper->handle;
        sleepers_.erase(sleeper);
        handle.resume();
    } else if (timerTime == next) {
        timers_[earliest].fire();
    } else {
        auto handle = yielders_.front();
        yielders_.pop_front();
        handle.resume();
    }
    return true;
}

void SimClock::advanceTo(Millis target) {
    while (runNextDueAtOrBefore(target)) {
    }
    if (!holding() || holdEnd_ > target)
        now_ = std::max(now_, target);
}

}  // namespace loopsim
