// What a replayed session leaves for the debrief: the unit second by second, and every
// event with its time, in the order it happened.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/SimClock.h"

namespace loopsim {

struct SecondSample {
    Millis time = 0;
    double loopPO2 = 0;                 // bar, the true loop PO2
    std::optional<double> handsetPO2;   // the voted PO2, none before the first vote
    std::array<double, 3> leftCells{};  // the left handset's cell readings, cells 1 to 3
    std::array<double, 3> rightCells{};
    bool leftOn = false;
    bool rightOn = false;
    bool rightIsMaster = false;  // the right handset leads (the left one is off or slave)
    double setpoint = 0;
    int depth = 0;
    int oxygenAnalysis = 0;  // percent oxygen of the oxygen cylinder
    double counterlungVolume = 0;
    bool mouthpieceOpen = false;
    bool onLoop = false;         // breathing from the loop: regulator in, mouthpiece open
    bool bailedOut = false;      // the bail-out window is up
    std::uint32_t failures = 0;  // bit n: option box n was in force
};

enum class EventKind {
    Trainee,     // an action of the trainee on the unit
    Instructor,  // an action in the options window, or the options button
    Failure,     // an option came into force
    Cleared,     // an option stopped being in force
    Warning,     // a warning the unit raised
    Unit,        // something the unit noted: calibration, mouthpiece, valves, setpoint
};

struct TimelineEvent {
    Millis time = 0;
    EventKind kind = EventKind::Unit;
    std::string what;     // as an instructor reads it
    std::string element;  // the window element acted on, for actions
    int option = 0;       // the option box, for failures
};

// How the unit stood when the diver first breathed from the loop: the checks before a dive
// (the unit asks for the mouthpiece open while it calibrates, so that comes later).
struct PreDiveChecks {
    Millis time = 0;
    bool oxygenOpen = false;
    bool diluentOpen = false;
    bool leftOn = false;
    bool rightOn = false;
    bool calibrated = false;
    bool setpointsSeen = false;  // a handset showed its setpoint menus before
};

struct Timeline {
    std::vector<SecondSample> seconds;
    std::vector<TimelineEvent> events;
    std::optional<PreDiveChecks> preDive;  // none while the loop was never breathed
    Millis end = 0;
};

}  // namespace loopsim
