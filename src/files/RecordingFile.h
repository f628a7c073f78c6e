// The recording file: comma-separated lines ending in CR LF, texts in double quotes,
// numbers in plain decimals with a period under any locale, dates and times between #.
// Four header lines, one line per recorded second (the status message last), an empty
// line, and the end notice. The reader takes one row from each line, whatever it holds, and
// says what was odd about the lines it read.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/Recording.h"

namespace loopsim {

inline constexpr const char* kRecordingFileName = "TarvenLoopsimData.csv";
inline constexpr const char* kRecordingTitle = "Tarven Calvendrite Simulator";
inline constexpr const char* kEndNotice = "End of recorded data";

struct CalendarTime {
    int year = 2000, month = 1, day = 1;
    int hour = 0, minute = 0, second = 0;
};

CalendarTime localCalendarTime();

// The whole file as text, rows 1 to lastRow (a lastRow above the table's last row counts
// as that row).
std::string recordingFileText(const RecordTable& table, int lastRow, const CalendarTime& written);

// Writes the file as an OutputFile (through a temporary file and a rename, links followed),
// so a crash or a full disk never leaves half a file. Returns an error message, or nothing on
// success.
std::optional<std::string> writeRecordingFile(const std::filesystem::path& path,
                                              const RecordTable& table, int lastRow,
                                              const CalendarTime& written);

struct RecordingReadResult {
    bool ok = false;
    int rows = 0;       // data rows read
    std::string error;  // why the file could not be read
    // What was odd about the lines read all the same (fields missing or too many, rows past
    // the table's end, a file cut short), one note for each kind, naming its first line.
    std::vector<std::string> notes;
};

// Nothing past this many bytes of a file is read: five hours of the largest numbers the
// file can hold fit well within it.
inline constexpr std::size_t kLargestRecordingFile = std::size_t{64} << 20;

// Reads data rows into table, one row from each line after the header, overwriting only the
// rows the file holds; a value a line lacks is left empty. Empty lines hold no row, the end
// notice ends the rows, and a byte-order mark before the title is passed over. Folders and
// files that are not regular files are refused.
RecordingReadResult readRecordingText(std::string_view text, RecordTable& table);
RecordingReadResult readRecordingFile(const std::filesystem::path& path, RecordTable& table);

// The date and time on a recording file's first line (when it was written), or nothing.
std::optional<CalendarTime> recordingWrittenAt(std::string_view fileText);

}  // namespace loopsim
