#include "export/DiveFromRecording.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

#include "export/DiveEvents.h"

namespace loopsim {
namespace {

constexpr const char* kRecordingNotes =
    "A recording of the Tarven Calvendrite Simulator, exported without its session log. The "
    "one sensor is the handsets' voted PO2 as the recording kept it (the trainee's view), "
    "not the true loop PO2; the cell readings, the failures and the trainee's actions are "
    "kept only in the session log. The events are the last status message of each second. "
    "The diluent is air; the simulator models no bail-out gas, so the bail-out cylinder is "
    "given air too.";

const double* numberIn(const RecordRow& row, RecordColumn column) {
    return std::get_if<double>(&row[static_cast<std::size_t>(column)]);
}

}  // namespace

ExportedDive diveFromRecording(const RecordTable& table, int rows, const CalendarTime& start) {
    rows = std::clamp(rows, 0, RecordTable::kLastRow);
    ExportedDive dive;
    dive.start = start;
    dive.sensorCount = 1;
    dive.durationSeconds = rows;
    dive.notes = kRecordingNotes;
    dive.samples.reserve(static_cast<std::size_t>(rows));
    DiveEvents events;
    ExportedSample sample;  // a value the row lacks stays as it was
    for (int second = 1; second <= rows; ++second) {
        const RecordRow& row = table.row(second);
        sample.seconds = second;
        if (const double* depth = numberIn(row, kDepthColumn))
            sample.depthDecimetres = decimetres(*depth);
        if (const double* setpoint = numberIn(row, kSetpointColumn))
            sample.setpointCentibar = centibar(*setpoint);
        const double* voted = numberIn(row, kHandsetPO2Column);
        sample.sensorCentibar.reset();
        if (voted)
            sample.sensorCentibar = {centibar(*voted), 0, 0};
        dive.samples.push_back(sample);
        if (const auto* status = std::get_if<std::string>(&row[kStatusColumn]))
            events.unitNote(second, *status);
    }
    dive.events = std::move(events).finish();
    markOpenCircuit(dive);
    return dive;
}

CalendarTime secondsBefore(const CalendarTime& time, int seconds) {
    using namespace std::chrono;
    const sys_days date = year{time.year} / month{static_cast<unsigned>(time.month)} /
                          day{static_cast<unsigned>(time.day)};
    const sys_seconds at = date + hours{time.hour} + minutes{time.minute} +
                           std::chrono::seconds{time.second} - std::chrono::seconds{seconds};
    const sys_days earlierDate = floor<days>(at);
    const year_month_day ymd{earlierDate};
    const hh_mm_ss clock{at - earlierDate};
    return {static_cast<int>(ymd.year()),
            static_cast<int>(unsigned(ymd.month())),
            static_cast<int>(unsigned(ymd.day())),
            static_cast<int>(clock.hours().count()),
            static_cast<int>(clock.minutes().count()),
            static_cast<int>(clock.seconds().count())};
}

RecordingExport diveFromRecordingText(std::string_view fileText) {
    RecordTable table;
    const RecordingReadResult read = readRecordingText(fileText, table);
    if (!read.ok)
        return {std::nullopt, read.error};
    const CalendarTime written = recordingWrittenAt(fileText).value_or(CalendarTime{});
    return {diveFromRecording(table, read.rows, secondsBefore(written, read.rows)), {}};
}

}  // namespace loopsim
