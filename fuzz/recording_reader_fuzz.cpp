// Any bytes given to the recording file reader: no crash, no more rows than the text has
// lines, and whatever it reads is written and read back to the same rows.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "files/RecordingFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace loopsim;
    static RecordTable table;  // allocated once: the table is large
    static RecordTable again;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const RecordingReadResult first = readRecordingText(text, table);
    if (!first.ok)
        return 0;
    // A row is one line: CR, LF and CR LF end one (counted here as up to two).
    const auto lineEnds =
        std::count(text.begin(), text.end(), '\n') + std::count(text.begin(), text.end(), '\r');
    if (first.rows > lineEnds + 1)
        std::abort();
    const std::string written = recordingFileText(table, first.rows, CalendarTime{});
    const RecordingReadResult second = readRecordingText(written, again);
    if (!second.ok || second.rows != first.rows)
        std::abort();
    for (int row = 1; row <= first.rows; ++row)
        if (again.row(row) != table.row(row))
            std::abort();
    return 0;
}
