#include "debrief/EventList.h"

#include <algorithm>

namespace loopsim {

std::vector<ListedEvent> listedEvents(const Debrief& debrief) {
    std::vector<ListedEvent> listed;
    for (const TimelineEvent& event : debrief.timeline.events) {
        if (event.kind != EventKind::Warning)
            listed.push_back({event.time, event.kind, event.what});
    }
    for (const WarningFigures& warning : debrief.warnings) {
        for (const Episode& episode : warning.episodes) {
            const int seconds = episode.seconds();
            listed.push_back({episode.start, EventKind::Warning,
                              seconds > 1 ? warning.kind + " for " + std::to_string(seconds) + " s"
                                          : warning.kind});
        }
    }
    std::stable_sort(listed.begin(), listed.end(),
                     [](const ListedEvent& a, const ListedEvent& b) { return a.time < b.time; });
    return listed;
}

std::string_view eventKindName(EventKind kind) {
    switch (kind) {
        case EventKind::Trainee:
            return "trainee";
        case EventKind::Instructor:
            return "instructor";
        case EventKind::Failure:
            return "failure";
        case EventKind::Cleared:
            return "cleared";
        case EventKind::Warning:
            return "warning";
        case EventKind::Unit:
            break;
    }
    return "unit";
}

}  // namespace loopsim
