// The instructor station's commands, checked before anything reaches the simulation. A
// command arrives as a flat JSON object whose "type" names it; the transport hands over its
// fields as texts (a list of numbers as "4,10"). What the page may do:
//
//   hello   {code}               pair with the code the simulator's screen shows
//   options {failures, delay}    the options window: the boxes wanted ticked (numbers 1 to
//                                23), the delay in minutes, then "Change now"
//   action  {verb, element[, value]}  one pointer, check box or slider action on an element
//                                a scenario may name (the same checks as a scenario line),
//                                but not Exit, the bail-out window's Exit or the bug report
//   pause, resume, speed {value} the simulator's clock
//   drill   {name}               start a drill of the list
//   note    {text}               the instructor's note on the session's timeline
//
// The options command gives the actions a person makes in the options window: each box
// that must change ticked or unticked, the delay slider moved when it must change, then
// "Change now". So the session log and its replay hold exactly what the window would.
#pragma once

#include <map>
#include <string>
#include <variant>
#include <vector>

#include "core/Action.h"

namespace loopsim {

class Simulation;

struct StationRequest {
    std::map<std::string, std::string, std::less<>> fields;
};

struct StationCommand {
    enum class Kind { Hello, Actions, Pause, Resume, Speed, Drill, Note };
    Kind kind = Kind::Actions;
    std::vector<Action> actions;  // Actions; Note has its one note action
    std::string text;             // the pairing code, or the drill's name
    int speed = 1;
};

// The longest note, in bytes.
inline constexpr std::size_t kLongestStationNote = 500;

// The command, or why it is refused.
std::variant<StationCommand, std::string> readStationCommand(const StationRequest& request,
                                                             const Simulation& simulation);

}  // namespace loopsim
