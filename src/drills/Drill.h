// A drill: an instructor's failure plan for one trainee session, read from a text file
// (docs/drills.md). It holds what the trainee reads first, where the dive stands when the
// trainee takes over (scenario lines and stored settings), the failures to inject with what
// sets each one off, and the pass marks, written in the debrief's metric names.
//
// Times here are on the session's clock: the start lines from 0, the takeover and the end of
// the drill as times of that clock. The triggers count from the takeover.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "core/SimClock.h"
#include "files/Scenario.h"

namespace loopsim {

// What sets a failure off. Checked once a second of the drill, from the takeover on.
struct DrillTrigger {
    enum class Kind {
        AtTime,            // `at 2 min`: this long after the takeover
        AtDepth,           // `at 20 m`: the diver at this depth or deeper
        TimeAtDepth,       // `after 1 min at 20 m`: this long at the depth or deeper, in all
        AfterCalibration,  // `[30 s] after calibration`: a calibration ended after the takeover
        AfterAnswered,     // `[30 s] after cell_drift answered`: the trainee answered it
    };
    Kind kind = Kind::AtTime;
    Millis time = 0;   // the time, the time at depth, or the wait after the event
    int depth = 0;     // metres
    int answered = 0;  // the failure option that must be answered first
};

struct DrillFailure {
    int lineNumber = 0;
    int option = 0;  // an elements::FailureOption
    DrillTrigger trigger;
    int delayMinutes = 0;  // the options' own delay before the failure strikes
};

enum class Comparison { Equal, Less, AtMost, Greater, AtLeast };

struct PassMark {
    int lineNumber = 0;
    std::string metric;  // a name of debriefMetrics()
    Comparison comparison = Comparison::Equal;
    double value = 0;
    std::string text;  // as an instructor reads it: "hypoxia_seconds = 0"
};

struct Drill {
    std::string title;
    std::string briefing;                         // for the trainee, lines as written
    std::string notes;                            // for the instructor only
    std::map<std::string, std::string> settings;  // stored settings the session starts from
    std::vector<ScenarioLine> start;              // played before the trainee takes over
    Millis takeover = 0;
    Millis end = 0;  // when the drill is over: the takeover and the drill's length
    std::vector<DrillFailure> failures;
    std::vector<PassMark> marks;
};

}  // namespace loopsim
