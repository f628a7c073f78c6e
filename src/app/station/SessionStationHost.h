// The window's session as the instructor station sees it: the simulation through the
// real-time driver, so each command is applied and logged at the present time like a click
// in the window. Pause and speed go through the window's own clock buttons, which then show
// them. Drills are started through a callback the window gives (none: no drills offered).
#pragma once

#include <functional>

#include "stationweb/StationHost.h"

class QWidget;

namespace loopsim {

class RealTimeDriver;

struct StationDrills {
    std::function<std::vector<std::string>()> names;
    std::function<std::optional<std::string>(const std::string&)> start;
    std::function<std::optional<std::string>()> running;
};

class SessionStationHost : public StationHost {
  public:
    SessionStationHost(Simulation& simulation, RealTimeDriver& driver, QWidget& window,
                       StationDrills drills = {});

    const Simulation& presentSimulation() override;
    StationClock clock() const override;
    std::optional<std::string> apply(const Action& action) override;
    void pause() override;
    void resume() override;
    void setSpeed(int speed) override;
    std::vector<std::string> drills() const override;
    std::optional<std::string> startDrill(const std::string& name) override;

  private:
    void pressClockButton(const char* name, bool checked);

    Simulation& simulation_;
    RealTimeDriver& driver_;
    QWidget& window_;
    StationDrills drills_;
};

}  // namespace loopsim
