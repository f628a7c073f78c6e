#include "export/DiveEvents.h"

#include <algorithm>
#include <map>

namespace loopsim {
namespace {

// What the handsets note of every button press, and the options' note of every change: the
// actions themselves, and the failures they bring, say more.
bool leftOut(std::string_view note) {
    for (std::string_view noise : {"Left handset: ", "Right handset: "})
        if (note.starts_with(noise))
            return true;
    return note == "Options Changed";
}

}  // namespace

void DiveEvents::unitNote(int seconds, std::string_view note) {
    if (note == kBailedOutNote || note == kReturnedNote) {
        const bool bailing = note == kBailedOutNote;
        if (bailing != bailedOut_)
            events_.push_back(
                {seconds, std::string(note), bailing ? Cylinder::Bailout : Cylinder::Diluent});
        bailedOut_ = bailing;
        return;
    }
    if (!leftOut(note))
        named(seconds, std::string(note));
}

void DiveEvents::named(int seconds, std::string name) {
    events_.push_back({seconds, std::move(name), std::nullopt});
}

std::vector<ExportedEvent> DiveEvents::finish() && {
    std::stable_sort(events_.begin(), events_.end(),
                     [](const ExportedEvent& a, const ExportedEvent& b) {
                         if (a.seconds != b.seconds)
                             return a.seconds < b.seconds;
                         return a.switchTo.has_value() && !b.switchTo.has_value();
                     });
    std::vector<ExportedEvent> kept;
    std::map<std::string, int> lastSeen;  // each name's latest time, kept or merged
    for (ExportedEvent& event : events_) {
        if (!event.switchTo) {
            const auto [seen, first] = lastSeen.try_emplace(event.name, event.seconds);
            const int previous = seen->second;
            seen->second = event.seconds;
            if (!first && event.seconds - previous <= kRepeatedEventSeconds)
                continue;
        }
        kept.push_back(std::move(event));
    }
    return kept;
}

void markOpenCircuit(ExportedDive& dive) {
    bool openCircuit = false;
    auto next = dive.events.begin();
    for (ExportedSample& sample : dive.samples) {
        for (; next != dive.events.end() && next->seconds <= sample.seconds; ++next)
            if (next->switchTo)
                openCircuit = next->switchTo == Cylinder::Bailout;
        sample.openCircuit = openCircuit;
    }
}

}  // namespace loopsim
