#include "files/RecordingFile.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <ctime>

#include "core/Format.h"
#include "files/OutputFile.h"

namespace loopsim {
namespace {

constexpr const char* kLineEnd = "\r\n";
constexpr const char* kColumnTitles[] = {"Time (secs)", "Real PO2",    "Handset PO2",    "Depth",
                                         "Setpoint",    "loop Volume", "Status Messages"};

void appendText(std::string& out, std::string_view text) {
    out += '"';
    for (char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

void appendValue(std::string& out, const RecordValue& value) {
    if (auto number = std::get_if<double>(&value))
        appendRoundTrip(out, *number);
    else if (auto text = std::get_if<std::string>(&value))
        appendText(out, *text);
}

std::string twoDigits(int value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d", value);
    return buffer;
}

}  // namespace

CalendarTime localCalendarTime() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,        local.tm_min,     local.tm_sec};
}

std::string recordingFileText(const RecordTable& table, int lastRow, const CalendarTime& written) {
    lastRow = std::clamp(lastRow, 0, RecordTable::kLastRow);
    std::string out;
    out.reserve(64 + static_cast<std::size_t>(lastRow) * 64);

    appendText(out, kRecordingTitle);
    out += ",#" + std::to_string(written.year) + "-" + twoDigits(written.month) + "-" +
           twoDigits(written.day) + "#,#" + twoDigits(written.hour) + ":" +
           twoDigits(written.minute) + ":" + twoDigits(written.second) + "#";
    out += kLineEnd;
    out += kLineEnd;
    for (std::size_t i = 0; i < std::size(kColumnTitles); ++i) {
        if (i > 0)
            out += ',';
        appendText(out, kColumnTitles[i]);
    }
    out += kLineEnd;
    out += kLineEnd;

    for (int i = 1; i <= lastRow; ++i) {
        const RecordRow& row = table.row(i);
        char second[16];
        out.append(second, std::to_chars(second, second + sizeof second, i).ptr);
        for (int column : {kLoopPO2Column, kHandsetPO2Column, kDepthColumn, kSetpointColumn,
                           kLoopVolumeColumn, kStatusColumn}) {
            out += ',';
            appendValue(out, row[static_cast<std::size_t>(column)]);
        }
        out += kLineEnd;
    }
    out += kLineEnd;
    appendText(out, kEndNotice);
    out += kLineEnd;
    return out;
}

std::optional<std::string> writeRecordingFile(const std::filesystem::path& path,
                                              const RecordTable& table, int lastRow,
                                              const CalendarTime& written) {
    return writeWholeFile(path, recordingFileText(table, lastRow, written));
}

}  // namespace loopsim
