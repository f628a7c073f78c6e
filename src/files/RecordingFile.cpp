#include "files/RecordingFile.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <system_error>
#include <vector>

#include "core/Format.h"
#include "files/FileText.h"
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

// One field of the file as the reader sees it.
struct Field {
    enum Kind { kEmpty, kText, kNumber, kDate } kind = kEmpty;
    std::string text;
    double number = 0;
};

// Splits the file into fields: a comma or a line end ends a field, so every line gives at
// least one field and an empty line gives one empty field.
class FieldReader {
  public:
    explicit FieldReader(std::string_view text) : text_(text) {}

    bool atEnd() const { return position_ >= text_.size(); }

    std::optional<Field> next() {
        if (atEnd())
            return std::nullopt;
        Field field;
        skipBlanks();
        if (peek() == '"') {
            ++position_;
            field.kind = Field::kText;
            while (!atEnd()) {
                char c = text_[position_++];
                if (c == '"') {
                    if (peek() != '"')
                        break;
                    ++position_;
                }
                field.text += c;
            }
            skipToSeparator();
        } else if (peek() == '#') {
            ++position_;
            field.kind = Field::kDate;
            while (!atEnd() && peek() != '#' && peek() != '\r' && peek() != '\n')
                field.text += text_[position_++];
            if (peek() == '#')
                ++position_;
            skipToSeparator();
        } else {
            const std::size_t start = position_;
            while (!atEnd() && !isSeparator(peek()))
                ++position_;
            std::string_view raw = text_.substr(start, position_ - start);
            while (!raw.empty() && raw.back() == ' ')
                raw.remove_suffix(1);
            if (!raw.empty()) {
                if (auto number = parseNumber(raw)) {
                    field.kind = Field::kNumber;
                    field.number = *number;
                } else {
                    field.kind = Field::kText;
                    field.text = std::string(raw);
                }
            }
        }
        consumeSeparator();
        return field;
    }

  private:
    char peek() const { return atEnd() ? '\0' : text_[position_]; }
    static bool isSeparator(char c) { return c == ',' || c == '\r' || c == '\n'; }
    void skipBlanks() {
        while (!atEnd() && (peek() == ' ' || peek() == '\t'))
            ++position_;
    }
    void skipToSeparator() {
        while (!atEnd() && !isSeparator(peek()))
            ++position_;
    }
    void consumeSeparator() {
        if (atEnd())
            return;
        char c = text_[position_++];
        if (c == '\r' && peek() == '\n')
            ++position_;
    }

    std::string_view text_;
    std::size_t position_ = 0;
};

RecordValue toValue(const Field& field) {
    switch (field.kind) {
        case Field::kNumber:
            return field.number;
        case Field::kText:
        case Field::kDate:
            return field.text;
        case Field::kEmpty:
            break;
    }
    return std::monostate{};
}

RecordingReadResult headerError(const char* what) {
    return {false, 0, std::string("not a recording file: ") + what};
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

RecordingReadResult readRecordingText(std::string_view text, RecordTable& table) {
    FieldReader reader(text);
    auto title = reader.next();
    auto date = reader.next();
    auto time = reader.next();
    if (!title || !date || !time || date->kind != Field::kDate || time->kind != Field::kDate)
        return headerError("the first line has no title, date and time");
    auto blank = reader.next();
    if (!blank || blank->kind != Field::kEmpty)
        return headerError("the second line is not empty");
    for (int i = 0; i < 7; ++i) {
        auto heading = reader.next();
        if (!heading || heading->kind != Field::kText)
            return headerError("the third line does not hold the seven column titles");
    }
    blank = reader.next();
    if (!blank || blank->kind != Field::kEmpty)
        return headerError("the fourth line is not empty");

    int row = 1;
    while (!reader.atEnd()) {
        if (row > RecordTable::kLastRow)
            break;
        // Fields the file does not have keep the row's former values; the end notice is
        // read like a row but never stored.
        RecordRow target = table.row(row);
        reader.next();  // the second of the run
        for (int column : {kLoopPO2Column, kHandsetPO2Column, kDepthColumn, kSetpointColumn,
                           kLoopVolumeColumn, kStatusColumn}) {
            auto field = reader.next();
            if (!field)
                break;
            target[static_cast<std::size_t>(column)] = toValue(*field);
        }
        auto first = std::get_if<std::string>(&target[kLoopPO2Column]);
        if (first && *first == kEndNotice)
            break;
        table.row(row) = std::move(target);
        ++row;
    }
    return {true, row - 1, {}};
}

RecordingReadResult readRecordingFile(const std::filesystem::path& path, RecordTable& table) {
    const auto text = readFileText(path);
    if (!text)
        return {false, 0, "cannot open " + path.string()};
    return readRecordingText(*text, table);
}

}  // namespace loopsim
