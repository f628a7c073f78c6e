// Runs the simulation's virtual clock by a monotonic wall clock. Virtual time moves at the
// chosen speed while running and stands still while paused. The driver sleeps until the
// core's next due time on a single-shot precise timer, advances to the present, and asks
// the window to redraw; input is applied at the present virtual time the same way. Every
// action it applies, and every pause, resume and speed change, goes to the session log.
// A drilled session's driver advances through the drill, which runs its checks on the way.
#pragma once

#include <QObject>
#include <QTimer>
#include <array>
#include <optional>
#include <string>

#include "app/session/MonotonicClock.h"
#include "app/session/SessionLog.h"
#include "simulation/Simulation.h"

namespace loopsim {

class DrillPace;

class RealTimeDriver : public QObject {
    Q_OBJECT

  public:
    static constexpr std::array<int, 4> kSpeeds{1, 2, 5, 10};

    RealTimeDriver(Simulation& simulation, const MonotonicClock& wallClock, SessionLog& log,
                   QObject* parent = nullptr);

    // Virtual time runs on from the simulation's present, starting now on the wall clock.
    void start();
    // Plays the drill's start and follows the drill from its takeover; before start(). The
    // drill must outlive the driver.
    void followDrill(DrillPace& drill);
    // Stops for good: nothing is advanced any more (the exit path).
    void stop();

    bool running() const { return running_; }
    bool paused() const { return paused_; }
    int speed() const { return speed_; }
    void pause();
    void resume();
    void setSpeed(int speed);

    // The virtual time that corresponds to the wall clock's present.
    Millis virtualNow() const;

    // Brings the simulation up to the present, then applies the action; the action is
    // logged when the simulation takes it. Returns why it was refused, or nothing.
    std::optional<std::string> apply(const Action& action);

    // Runs everything due by the present and sleeps until the next due time. The wake-up
    // timer calls this; so may anyone who wants the simulation up to date.
    void catchUp();

    // Wall milliseconds the driver will sleep before its next wake-up; nothing while it is
    // not waiting (paused, stopped, or nothing due).
    std::optional<int> nextWakeIn() const;

  signals:
    // The simulation moved on or took input: whatever shows it may have changed.
    void advanced();

  private:
    void advanceTo(Millis time);
    void applyAndLog(const Action& action);
    void schedule();
    void logClockChange(Verb verb, std::string value = {});

    Simulation& simulation_;
    const MonotonicClock& wallClock_;
    SessionLog& log_;
    DrillPace* drill_ = nullptr;
    QTimer wake_;
    bool running_ = false;
    bool paused_ = false;
    int speed_ = 1;
    std::int64_t baseWall_ = 0;
    Millis baseVirtual_ = 0;
};

}  // namespace loopsim
