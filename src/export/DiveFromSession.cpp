#include "export/DiveFromSession.h"

#include <algorithm>

#include "debrief/FailureResponses.h"
#include "export/DiveEvents.h"

namespace loopsim {
namespace {

constexpr const char* kSessionNotes =
    "A session of the Tarven Calvendrite Simulator, replayed from its session log. The "
    "sensor values are what the leading handset showed for each cell (the trainee's view), "
    "not the true loop PO2; while no handset showed a reading none is given. The diluent is "
    "air; the simulator models no bail-out gas, so the bail-out cylinder is given air too. "
    "The events are the failures the instructor set, the unit's warnings (once each time one "
    "is raised) and what the trainee did.";

int wholeSeconds(Millis time) {
    return static_cast<int>(std::max<Millis>(time, 0) / 1000);
}

ExportedSample exportedSample(const SecondSample& s) {
    ExportedSample sample;
    sample.seconds = wholeSeconds(s.time);
    sample.depthDecimetres = decimetres(s.depth);
    sample.setpointCentibar = centibar(s.setpoint);
    const bool shown = s.rightIsMaster ? s.rightOn : s.leftOn;
    if (shown) {
        const std::array<double, 3>& cells = s.rightIsMaster ? s.rightCells : s.leftCells;
        sample.sensorCentibar = {centibar(cells[0]), centibar(cells[1]), centibar(cells[2])};
    }
    return sample;
}

// The oxygen cylinder as the diver breathed from it: its analysis is set at the surface.
int oxygenPercentOf(const std::vector<SecondSample>& seconds) {
    if (seconds.empty())
        return 100;
    const auto breathed = std::find_if(seconds.begin(), seconds.end(),
                                       [](const SecondSample& s) { return s.onLoop; });
    return (breathed != seconds.end() ? *breathed : seconds.back()).oxygenAnalysis;
}

std::vector<ExportedEvent> eventsOf(const Debrief& debrief) {
    DiveEvents events;
    for (const TimelineEvent& event : debrief.timeline.events) {
        const int seconds = wholeSeconds(event.time);
        switch (event.kind) {
            case EventKind::Failure:
                events.named(seconds, failureName(event.option) + " in force");
                break;
            case EventKind::Cleared:
                events.named(seconds, event.what);
                break;
            case EventKind::Unit:
                events.unitNote(seconds, event.what);
                break;
            case EventKind::Trainee:
            case EventKind::Instructor:
            case EventKind::Warning:  // taken by episode below
                break;
        }
    }
    for (const WarningFigures& warning : debrief.warnings)
        for (const Episode& episode : warning.episodes)
            events.named(wholeSeconds(episode.start), "Warning: " + warning.kind);
    return std::move(events).finish();
}

}  // namespace

ExportedDive diveFromSession(const Debrief& debrief, const CalendarTime& start) {
    const Timeline& timeline = debrief.timeline;
    ExportedDive dive;
    dive.start = start;
    dive.oxygenPercent = oxygenPercentOf(timeline.seconds);
    dive.notes = kSessionNotes;
    dive.samples.reserve(timeline.seconds.size());
    for (const SecondSample& second : timeline.seconds) {
        ExportedSample sample = exportedSample(second);
        // A second the unit took late, after a hold, can share its whole second with the next.
        if (dive.samples.empty() || sample.seconds > dive.samples.back().seconds)
            dive.samples.push_back(std::move(sample));
    }
    dive.durationSeconds = wholeSeconds(timeline.end);
    if (!dive.samples.empty())
        dive.durationSeconds = std::max(dive.durationSeconds, dive.samples.back().seconds);
    dive.events = eventsOf(debrief);
    markOpenCircuit(dive);
    return dive;
}

}  // namespace loopsim
