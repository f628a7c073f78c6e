#include "core/Action.h"

#include <array>
#include <utility>

namespace loopsim {
namespace {

constexpr std::array<std::pair<Verb, std::string_view>, 19> kVerbNames{{
    {Verb::Press, "press"}, {Verb::Release, "release"}, {Verb::Click, "click"},
    {Verb::Tap, "tap"},     {Verb::Hold, "hold"},       {Verb::DblClick, "dblclick"},
    {Verb::Move, "move"},   {Verb::Check, "check"},     {Verb::Uncheck, "uncheck"},
    {Verb::Set, "set"},     {Verb::Answer, "answer"},   {Verb::Cancel, "cancel"},
    {Verb::Dump, "dump"},   {Verb::Exit, "exit"},       {Verb::End, "end"},
    {Verb::Pause, "pause"}, {Verb::Resume, "resume"},   {Verb::Speed, "speed"},
    {Verb::Note, "note"},
}};

}  // namespace

std::string_view verbName(Verb verb) {
    for (auto [candidate, name] : kVerbNames)
        if (candidate == verb)
            return name;
    return "?";
}

std::optional<Verb> verbFromName(std::string_view name) {
    for (auto [verb, candidate] : kVerbNames)
        if (candidate == name)
            return verb;
    return std::nullopt;
}

bool verbTakesElement(Verb verb) {
    switch (verb) {
        case Verb::Answer:
        case Verb::Cancel:
        case Verb::Dump:
        case Verb::Exit:
        case Verb::End:
        case Verb::Pause:
        case Verb::Resume:
        case Verb::Speed:
        case Verb::Note:
            return false;
        default:
            return true;
    }
}

}  // namespace loopsim
