// User input as small values: a verb, the window element it acts on and a value. The runner
// reads them from scenario lines, the window makes them from pointer events and writes them
// to its session log in the same form, so a session can be replayed exactly.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace loopsim {

enum class Verb {
    Press,     // pointer down on the element
    Release,   // pointer up on the element
    Click,     // the click event alone
    Tap,       // press, release and click at once: a quick mouse click
    Hold,      // press now; release and click after value milliseconds
    DblClick,  // double click
    Move,      // pointer moves over the element
    Check,     // tick a check box
    Uncheck,   // untick a check box
    Set,       // move a slider to value
    Answer,    // type value into the open text prompt and confirm it
    Cancel,    // cancel the open text prompt
    Dump,      // write a state dump
    Exit,      // the main window's exit button
    End,       // stop here and take the exit path
    Pause,     // the window's clock stops (changes nothing in virtual time)
    Resume,    // the window's clock runs again
    Speed,     // the window's clock runs value times as fast as the wall clock
    Note,      // the instructor's note on the timeline, value its text (changes nothing)
};

struct Action {
    Verb verb = Verb::Click;
    std::string element;
    std::string value;
};

std::string_view verbName(Verb verb);
std::optional<Verb> verbFromName(std::string_view name);
// Whether the verb names an element.
bool verbTakesElement(Verb verb);

}  // namespace loopsim
