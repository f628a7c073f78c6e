// What the instructor station shows of the trainee's unit, as one JSON message: both
// handsets' display lines, the true loop PO2 and the leading handset's three cells, the
// setpoint, depth and counterlung, the mouthpiece and bail-out, the options window's boxes,
// the failures in force and those waiting out the options' delay, the clock and the last
// warnings.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/SimClock.h"

namespace loopsim {

class Simulation;

// What the simulation does not know: how its clock is driven and what plays on it.
struct StationClock {
    bool paused = false;
    int speed = 1;
    std::optional<std::string> drill;  // the drill running, by name
};

struct StationWarning {
    int second = 0;  // the recording's second it was given in
    std::string text;
};

inline constexpr int kStationWarningsShown = 5;

// The last warnings given within the last two minutes of the recording, oldest first.
std::vector<StationWarning> recentWarnings(const Simulation& simulation);

// The "state" message.
std::string stationStateJson(const Simulation& simulation, const StationClock& clock);

// The "welcome" message a paired page gets first: the options window's boxes (number,
// frame, caption), the longest delay, and the drills it may start.
std::string stationWelcomeJson(const std::vector<std::string>& drills);

// A refusal the page shows: {"type":"refused","error":...}.
std::string stationRefusalJson(const std::string& error);

}  // namespace loopsim
