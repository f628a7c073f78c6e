// A recording's debrief as the results viewer shows it. The session log beside a recording
// (NAME.scenario beside NAME.csv, so TarvenLoopsimData.scenario beside the session's own
// recording file) is played again headless with an observer, and the debrief worked out from
// what it saw, with its metrics and its list of events.
#pragma once

#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "app/results/DrillMarks.h"
#include "debrief/Debrief.h"
#include "debrief/EventList.h"
#include "debrief/Metrics.h"

namespace loopsim {

struct SessionDebrief {
    QString logPath;
    Debrief debrief;
    std::vector<Metric> metrics;
    std::vector<ListedEvent> events;  // in time order
    std::optional<DrillMarks> drill;  // when the log names a drill
};

struct SessionDebriefLoad {
    std::shared_ptr<const SessionDebrief> debrief;  // none without a log, or when it failed
    QString note;  // why a log that is there gives no debrief, as a sentence
};

// Where the log of the recording at recordingPath would be.
QString sessionLogBeside(const QString& recordingPath);

// The debrief of the recording's session, from the log beside it.
SessionDebriefLoad loadSessionDebrief(const QString& recordingPath);

// The debrief of a session log's text.
SessionDebriefLoad sessionDebrief(std::string_view logText, const QString& logPath);

}  // namespace loopsim
