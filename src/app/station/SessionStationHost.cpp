#include "app/station/SessionStationHost.h"

#include <QPushButton>

#include "app/session/RealTimeDriver.h"
#include "simulation/Simulation.h"

namespace loopsim {

SessionStationHost::SessionStationHost(Simulation& simulation, RealTimeDriver& driver,
                                       QWidget& window, StationDrills drills)
    : simulation_(simulation), driver_(driver), window_(window), drills_(std::move(drills)) {}

const Simulation& SessionStationHost::presentSimulation() {
    if (driver_.running() && !driver_.paused())
        driver_.catchUp();
    return simulation_;
}

StationClock SessionStationHost::clock() const {
    StationClock clock;
    clock.paused = driver_.paused();
    clock.speed = driver_.speed();
    if (drills_.running)
        clock.drill = drills_.running();
    return clock;
}

std::optional<std::string> SessionStationHost::apply(const Action& action) {
    if (!driver_.running() || simulation_.dialogs().ending() != Ending::Running)
        return std::string("the session has ended");
    return driver_.apply(action);
}

void SessionStationHost::pressClockButton(const char* name, bool checked) {
    auto* button = window_.findChild<QPushButton*>(QString::fromLatin1(name));
    if (button && button->isChecked() != checked)
        button->click();
}

void SessionStationHost::pause() {
    pressClockButton("PauseButton", true);
}

void SessionStationHost::resume() {
    pressClockButton("PauseButton", false);
}

void SessionStationHost::setSpeed(int speed) {
    auto* button = window_.findChild<QPushButton*>(QStringLiteral("Speed%1").arg(speed));
    if (button)
        button->click();
    else
        driver_.setSpeed(speed);
}

std::vector<std::string> SessionStationHost::drills() const {
    return drills_.names ? drills_.names() : std::vector<std::string>{};
}

std::optional<std::string> SessionStationHost::startDrill(const std::string& name) {
    if (!drills_.start)
        return std::string("this simulator offers no drills to the station");
    return drills_.start(name);
}

}  // namespace loopsim
