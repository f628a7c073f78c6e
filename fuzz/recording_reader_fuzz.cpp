// Any bytes given to the recording file reader: no crash, and whatever it reads is written
// and read back to the same rows.
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
    const std::string written = recordingFileText(table, first.rows, CalendarTime{});
    const RecordingReadResult second = readRecordingText(written, again);
    if (!second.ok || second.rows != first.rows)
        std::abort();
    for (int row = 1; row <= first.rows; ++row)
        if (again.row(row) != table.row(row))
            std::abort();
    return 0;
}
