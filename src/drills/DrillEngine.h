// Runs a drill's failure plan beside a session. Once a second of the drill, from the
// takeover on, it looks at the unit (the clock, the depth, the calibrations, the failures in
// force and what the trainee has answered) and says which failures are due. They are
// injected as the instructor would inject them in the options window: the boxes ticked, the
// delay slider set when it must change, and "Change now", so the unit's own rules for
// applying options hold and the injections are ordinary actions that a session log keeps.
// The caller applies the actions: the runner on its simulation, the window through its
// driver.
#pragma once

#include <map>
#include <optional>
#include <vector>

#include "core/Action.h"
#include "drills/Drill.h"

namespace loopsim {

class Simulation;

class DrillEngine {
  public:
    // Follows the simulation from the drill's takeover; the drill must outlive the engine.
    DrillEngine(const Drill& drill, Simulation& simulation);

    // When the next check falls due.
    Millis nextCheck() const { return nextCheck_; }
    // The trainee's action, about to be applied at the present time.
    void traineeAction(const Action& action);
    // The check at the present time, at or after nextCheck(): the instructor's actions that
    // inject the failures due now, in order. Failures due at the same check are ticked
    // together and set off by one "Change now", with the first one's delay.
    std::vector<Action> check();

  private:
    struct Pending {
        const DrillFailure* failure;
        bool injected = false;
        Millis atDepth = 0;  // time at the trigger's depth or deeper, checked once a second
    };
    bool due(Pending& pending, Millis sinceLastCheck);
    std::vector<Action> inject(const std::vector<const DrillFailure*>& failures) const;

    const Drill& drill_;
    Simulation& simulation_;
    std::vector<Pending> pending_;
    Millis nextCheck_;
    Millis lastCheck_;
    double calibrationsAtTakeover_ = -1;
    std::optional<Millis> calibratedAt_;
    std::map<int, Millis> answeredAt_;  // by failure option
};

}  // namespace loopsim
