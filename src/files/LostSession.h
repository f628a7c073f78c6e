// A session whose program ended without its exit path (killed, crashed, power lost) leaves
// its session log behind without the end note, and no recording file. Played again, the log
// gives the recording file the exit path would have written at the moment of the last
// action in it, and the stored settings it would have saved.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/SettingsStore.h"
#include "files/RecordingFile.h"

namespace loopsim {

// The session log's name beside the recording file: the same base name, ".scenario".
inline constexpr const char* kSessionLogFileName = "TarvenLoopsimData.scenario";

// The comment that ends the log of a session that ended, whichever way it ended.
inline constexpr const char* kSessionEndedNote = "The session ended.";
// The comment before the end note of a session the bail-out window's Exit ended: the unit
// wrote no recording, and the log is all that tells how it went.
inline constexpr const char* kSessionBailedOutNote =
    "The session ended at the bail-out window's Exit, which writes no recording.";
// The comment added to a lost session's log once its recording was rebuilt from it.
inline constexpr const char* kSessionRebuiltNote =
    "The session ended without its exit; its recording was rebuilt from this log.";

// The log up to its last line end: a line cut short when the power went is not a line.
std::string_view completeLogLines(std::string_view logText);

// True when the log holds an action and does not end with an end note.
bool sessionLogIsUnfinished(std::string_view logText);

// True when the log ends with the bail-out note and the end note.
bool sessionEndedAtBailOut(std::string_view logText);

// The stored settings the session started from, as its comment lines give them.
MemorySettingsStore settingsNotedInLog(std::string_view logText);
// The comment lines a log notes them in, each without its "# ": "[Settings]", then KEY=value
// for every stored setting as the simulation reads it.
std::vector<std::string> storedSettingsNote(const SettingsStore& startFrom);

struct RebuiltRecording {
    std::optional<std::string> error;  // why nothing was written
    int seconds = 0;                   // rows written
};

// Plays the log from the settings it notes, stops after its last complete line and writes
// the recording file; the settings the exit path would have saved go to settingsToSave
// when one is given.
RebuiltRecording rebuildRecordingFromLog(std::string_view logText,
                                         const std::filesystem::path& recordingPath,
                                         SettingsStore* settingsToSave,
                                         const CalendarTime& written);

// The recording of a session whose bail-out exit kept none, played from its log to its end,
// for its debrief: written to recordingPath, which is not where the unit keeps its own.
RebuiltRecording recordingForDebrief(std::string_view logText,
                                     const std::filesystem::path& recordingPath,
                                     const CalendarTime& written);

// The same for the log file; on success the log gets the rebuilt note, so it is not
// offered again.
RebuiltRecording rebuildLostSession(const std::filesystem::path& logPath,
                                    const std::filesystem::path& recordingPath,
                                    SettingsStore* settingsToSave);

// Moves the log of a session whose recording could not be rebuilt out of the way of the
// next session's log, byte for byte: to NAME-kept-N.EXT beside it, with the first N from 1
// whose name is free. The new path, or nothing when it could not be moved.
std::optional<std::filesystem::path> setLogAside(const std::filesystem::path& logPath);

// True when the file is the log of a session that was lost.
bool isLostSessionLog(const std::filesystem::path& logPath);

}  // namespace loopsim
