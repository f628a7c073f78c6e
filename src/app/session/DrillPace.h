// A drill played in the window, on the real-time driver's clock. It plays the drill's start
// at once, then brings the simulation to the takeover; from there the driver advances
// through it, so each of the drill's checks runs at its own millisecond (after the unit's
// timers due then, before the trainee's input of that millisecond) and its injections are
// applied there, exactly as the runner plays a drill headless. Past the drill's end it stops
// the session there with an `end`, which the session log keeps, so the log alone plays the
// same session again.
#pragma once

#include <functional>

#include "core/Action.h"
#include "drills/Drill.h"
#include "drills/DrillEngine.h"

namespace loopsim {

class Simulation;

class DrillPace {
  public:
    // Applies an action of the drill at the present time, and logs it.
    using Apply = std::function<void(const Action&)>;

    DrillPace(Drill drill, Simulation& simulation);

    // The start's lines at their times, then the simulation up to the takeover.
    void playStart(const Apply& apply);
    // Advances the simulation to the time, with each check due on the way; past the drill's
    // end, only to the end, where the session ends.
    void advanceTo(Millis time, const Apply& apply);
    // When the drill next needs the clock: a check, or the moment after its end.
    Millis nextDue() const;
    // The trainee's action, about to be applied at the present time.
    void traineeAction(const Action& action) { engine_.traineeAction(action); }
    bool over() const { return over_; }

  private:
    bool running() const;

    Drill drill_;
    Simulation& simulation_;
    DrillEngine engine_;
    bool over_ = false;
};

}  // namespace loopsim
