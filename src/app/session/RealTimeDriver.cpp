#include "app/session/RealTimeDriver.h"

#include <algorithm>

#include "app/session/DrillPace.h"
#include "files/LoggableAction.h"
#include "files/Scenario.h"

namespace loopsim {
namespace {

// The longest single sleep; the driver simply wakes and sleeps again after it.
constexpr Millis kLongestSleep = 60'000;

}  // namespace

RealTimeDriver::RealTimeDriver(Simulation& simulation, const MonotonicClock& wallClock,
                               SessionLog& log, QObject* parent)
    : QObject(parent), simulation_(simulation), wallClock_(wallClock), log_(log) {
    wake_.setSingleShot(true);
    wake_.setTimerType(Qt::PreciseTimer);
    connect(&wake_, &QTimer::timeout, this, &RealTimeDriver::catchUp);
}

void RealTimeDriver::start() {
    baseVirtual_ = simulation_.now();
    baseWall_ = wallClock_.elapsedMilliseconds();
    running_ = true;
    schedule();
}

void RealTimeDriver::followDrill(DrillPace& drill) {
    drill_ = &drill;
    drill.playStart([this](const Action& action) { applyAndLog(action); });
}

void RealTimeDriver::stop() {
    running_ = false;
    wake_.stop();
}

Millis RealTimeDriver::virtualNow() const {
    Millis now = baseVirtual_;
    if (running_ && !paused_)
        now += (wallClock_.elapsedMilliseconds() - baseWall_) * speed_;
    return std::max(now, simulation_.now());
}

void RealTimeDriver::pause() {
    if (!running_ || paused_)
        return;
    advanceTo(virtualNow());
    baseVirtual_ = simulation_.now();
    paused_ = true;
    wake_.stop();
    logClockChange(Verb::Pause);
    emit advanced();
}

void RealTimeDriver::resume() {
    if (!running_ || !paused_)
        return;
    baseWall_ = wallClock_.elapsedMilliseconds();
    paused_ = false;
    logClockChange(Verb::Resume);
    schedule();
    emit advanced();
}

void RealTimeDriver::setSpeed(int speed) {
    if (speed < 1 || speed > kFastestScenarioSpeed || speed == speed_)
        return;
    if (running_)
        advanceTo(virtualNow());
    baseVirtual_ = simulation_.now();
    baseWall_ = wallClock_.elapsedMilliseconds();
    speed_ = speed;
    logClockChange(Verb::Speed, std::to_string(speed));
    schedule();
    emit advanced();
}

std::optional<std::string> RealTimeDriver::apply(const Action& action) {
    // What the session log can hold is what the window applies, so a replay does the same.
    const auto loggable = loggableAction(action);
    if (!loggable)
        return "the action cannot be written to the session log";
    if (running_)
        advanceTo(virtualNow());
    if (drill_ && drill_->over()) {
        emit advanced();
        return "the drill is over";
    }
    if (drill_)
        drill_->traineeAction(*loggable);
    const Millis time = simulation_.now();
    auto refused = simulation_.apply(*loggable);
    if (!refused)
        log_.record(time, *loggable);
    schedule();
    emit advanced();
    return refused;
}

void RealTimeDriver::catchUp() {
    if (!running_)
        return;
    advanceTo(virtualNow());
    schedule();
    emit advanced();
}

std::optional<int> RealTimeDriver::nextWakeIn() const {
    if (!wake_.isActive())
        return std::nullopt;
    return wake_.interval();
}

void RealTimeDriver::schedule() {
    if (!running_ || paused_) {
        wake_.stop();
        return;
    }
    const Millis due = std::min(simulation_.clock().nextDue(), drill_ ? drill_->nextDue() : kNever);
    if (due == kNever) {
        wake_.stop();
        return;
    }
    const Millis ahead = std::clamp<Millis>(due - virtualNow(), 0, kLongestSleep * speed_);
    // Round up: waking a little late runs the tick; waking early only sleeps again.
    wake_.start(static_cast<int>((ahead + speed_ - 1) / speed_));
}

void RealTimeDriver::advanceTo(Millis time) {
    if (drill_)
        drill_->advanceTo(time, [this](const Action& action) { applyAndLog(action); });
    else
        simulation_.advanceTo(time);
}

void RealTimeDriver::applyAndLog(const Action& action) {
    const Millis time = simulation_.now();
    if (!simulation_.apply(action))
        log_.record(time, action);
}

void RealTimeDriver::logClockChange(Verb verb, std::string value) {
    log_.record(simulation_.now(), Action{verb, {}, std::move(value)});
}

}  // namespace loopsim
