#include "stationweb/ServedRun.h"

#include <algorithm>

#include "files/LoggableAction.h"
#include "simulation/Simulation.h"

namespace loopsim {
namespace {

// How often the run looks at the wall clock: the unit's own ticks are 10 ms or longer.
constexpr int kStepMilliseconds = 5;

}  // namespace

ServedRun::ServedRun(Simulation& simulation, Scenario scenario, std::optional<Millis> until,
                     std::ostream* log, std::filesystem::path drills)
    : simulation_(simulation),
      scenario_(std::move(scenario)),
      until_(until),
      log_(log),
      drillsFolder_(std::move(drills)) {
    tick_.setTimerType(Qt::PreciseTimer);
    tick_.setInterval(kStepMilliseconds);
    connect(&tick_, &QTimer::timeout, this, &ServedRun::step);
}

ServedRun::~ServedRun() = default;

void ServedRun::start() {
    wall_.start();
    baseWall_ = 0;
    baseVirtual_ = simulation_.now();
    tick_.start();
    step();
}

void ServedRun::stop() {
    step();
    finish();
}

Millis ServedRun::virtualNow() const {
    Millis now = baseVirtual_;
    if (!paused_ && !over_)
        now += (wall_.elapsed() - baseWall_) * speed_;
    if (until_)
        now = std::min(now, *until_);
    return std::max(now, simulation_.now());
}

void ServedRun::catchUpTo(Millis time) {
    while (!over_) {
        const Millis line =
            nextLine_ < scenario_.lines.size() ? scenario_.lines[nextLine_].time : kNever;
        const Millis check = drill_ ? drill_->nextCheck() : kNever;
        const Millis due = std::min(line, check);
        if (due > time)
            break;
        simulation_.advanceTo(due);
        if (check <= line) {
            for (const Action& action : drill_->check())
                play(action);
            if (drill_ && simulation_.now() >= drill_->end())
                drill_.reset();
        } else {
            const Action& action = scenario_.lines[nextLine_++].action;
            if (drill_)
                drill_->traineeAction(action);
            play(action);
            if (action.verb == Verb::Exit || action.verb == Verb::End)
                finish();
        }
        if (simulation_.dialogs().ending() != Ending::Running)
            finish();
    }
    if (!over_)
        simulation_.advanceTo(time);
}

void ServedRun::step() {
    if (over_)
        return;
    catchUpTo(virtualNow());
    if (!over_ && ((until_ && simulation_.now() >= *until_) ||
                   simulation_.dialogs().ending() != Ending::Running))
        finish();
}

std::optional<std::string> ServedRun::play(const Action& action) {
    if (action.verb == Verb::Dump)
        return std::nullopt;
    const Millis time = simulation_.now();
    auto refused = simulation_.apply(action);
    if (!refused)
        log(time, action);
    return refused;
}

void ServedRun::log(Millis time, const Action& action) {
    if (!log_)
        return;
    *log_ << formatScenarioLine(time, action) << "\n";
    log_->flush();
}

void ServedRun::finish() {
    if (over_)
        return;
    over_ = true;
    tick_.stop();
    // An end line makes the log stop where the run stopped when it is played again.
    if (simulation_.dialogs().ending() == Ending::Running) {
        const Action end{Verb::End, {}, {}};
        simulation_.apply(end);
        log(simulation_.now(), end);
    }
    emit ended();
}

const Simulation& ServedRun::presentSimulation() {
    step();
    return simulation_;
}

StationClock ServedRun::clock() const {
    StationClock clock;
    clock.paused = paused_;
    clock.speed = speed_;
    if (drill_)
        clock.drill = drill_->name();
    return clock;
}

std::optional<std::string> ServedRun::apply(const Action& action) {
    if (over_)
        return std::string("the run has ended");
    step();
    if (over_)
        return std::string("the run has ended");
    const auto loggable = loggableAction(action);
    if (!loggable)
        return std::string("the action cannot be written to the session log");
    auto refused = play(*loggable);
    if (simulation_.dialogs().ending() != Ending::Running)
        finish();
    return refused;
}

void ServedRun::pause() {
    if (paused_ || over_)
        return;
    step();
    baseVirtual_ = simulation_.now();
    paused_ = true;
    log(simulation_.now(), Action{Verb::Pause, {}, {}});
}

void ServedRun::resume() {
    if (!paused_ || over_)
        return;
    baseWall_ = wall_.elapsed();
    paused_ = false;
    log(simulation_.now(), Action{Verb::Resume, {}, {}});
}

void ServedRun::setSpeed(int speed) {
    if (speed < 1 || speed > kFastestScenarioSpeed || speed == speed_ || over_)
        return;
    step();
    baseVirtual_ = simulation_.now();
    baseWall_ = wall_.elapsed();
    speed_ = speed;
    log(simulation_.now(), Action{Verb::Speed, {}, std::to_string(speed)});
}

std::vector<std::string> ServedRun::drills() const {
    return drillsFolder_.empty() ? std::vector<std::string>{} : drillNamesIn(drillsFolder_);
}

std::optional<std::string> ServedRun::startDrill(const std::string& name) {
    if (drillsFolder_.empty())
        return std::string("this station offers no drills");
    step();
    auto read = readNamedDrill(drillsFolder_, name, simulation_);
    if (auto* refusal = std::get_if<std::string>(&read))
        return *refusal;
    drill_.emplace(name, std::move(std::get<Drill>(read)), simulation_);
    return play(Action{Verb::Note, {}, "drill " + name + " started"});
}

}  // namespace loopsim
