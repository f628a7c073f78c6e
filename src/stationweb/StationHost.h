// What the instructor station drives: a simulation on a wall clock, in the window or in
// loopsim-run --serve. The server reads the unit's state through it and hands it the
// commands it has checked; the host applies them as its own input, so they are logged and
// replay like any other.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/Action.h"
#include "station/StationState.h"

namespace loopsim {

class Simulation;

class StationHost {
  public:
    virtual ~StationHost() = default;

    // The simulation brought up to the wall clock's present.
    virtual const Simulation& presentSimulation() = 0;
    virtual StationClock clock() const = 0;
    // Applies and logs the action at the present time; why it was refused, or nothing.
    virtual std::optional<std::string> apply(const Action& action) = 0;
    virtual void pause() = 0;
    virtual void resume() = 0;
    virtual void setSpeed(int speed) = 0;
    // The drills the page may start, and starting one; why not, or nothing.
    virtual std::vector<std::string> drills() const = 0;
    virtual std::optional<std::string> startDrill(const std::string& name) = 0;
};

}  // namespace loopsim
