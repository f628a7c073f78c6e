// A recording file without its session log exported with what it holds: each second's
// depth and setpoint, the handsets' voted PO2 as the one sensor, and the status messages
// (the last of each second) as the named events and the bail-out's gas switches.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/Recording.h"
#include "export/ExportedDive.h"

namespace loopsim {

ExportedDive diveFromRecording(const RecordTable& table, int rows, const CalendarTime& start);

// The calendar time so many seconds earlier (on the same clock: no time zones).
CalendarTime secondsBefore(const CalendarTime& time, int seconds);

struct RecordingExport {
    std::optional<ExportedDive> dive;
    std::string error;  // why the text is not a recording file
};

// The dive of a recording file's text; it started the recording's length before the file
// was written.
RecordingExport diveFromRecordingText(std::string_view fileText);

}  // namespace loopsim
