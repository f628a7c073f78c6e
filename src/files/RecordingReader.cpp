// The reading half of the recording file. The text is cut into lines first (CR LF, LF or a
// lone CR ends one), then each line into its fields, so a field never runs into the next
// line and a row is always one line, however many fields it has.
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <system_error>

#include "core/Format.h"
#include "files/RecordingFile.h"

namespace loopsim {
namespace {

constexpr int kFieldsPerRow = 7;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// One field of the file as the reader sees it.
struct Field {
    enum Kind { kEmpty, kText, kNumber, kDate } kind = kEmpty;
    std::string text;
    double number = 0;
};

// Hands out the file's lines one at a time, each without its line end.
class LineReader {
  public:
    explicit LineReader(std::string_view text) : text_(text) {}

    bool atEnd() const { return position_ >= text_.size(); }
    int lineNumber() const { return lineNumber_; }

    std::string_view next() {
        const std::size_t start = position_;
        while (position_ < text_.size() && text_[position_] != '\r' && text_[position_] != '\n')
            ++position_;
        const std::size_t end = position_;
        if (position_ < text_.size() && text_[position_++] == '\r' && position_ < text_.size() &&
            text_[position_] == '\n')
            ++position_;
        ++lineNumber_;
        return text_.substr(start, end - start);
    }

  private:
    std::string_view text_;
    std::size_t position_ = 0;
    int lineNumber_ = 0;
};

// Splits one line into fields: a comma ends a field, a text between double quotes may hold
// commas (a doubled quote is one quote), and one left open ends with the line.
class FieldReader {
  public:
    explicit FieldReader(std::string_view line) : line_(line) {}

    bool atEnd() const { return done_; }

    Field next() {
        Field field;
        skipBlanks();
        if (peek() == '"') {
            ++position_;
            field.kind = Field::kText;
            while (position_ < line_.size()) {
                char c = line_[position_++];
                if (c == '"') {
                    if (peek() != '"')
                        break;
                    ++position_;
                }
                field.text += c;
            }
            skipToComma();
        } else if (peek() == '#') {
            ++position_;
            field.kind = Field::kDate;
            while (position_ < line_.size() && peek() != '#')
                field.text += line_[position_++];
            skipToComma();
        } else {
            const std::size_t start = position_;
            skipToComma();
            std::string_view raw = line_.substr(start, position_ - start);
            while (!raw.empty() && (raw.back() == ' ' || raw.back() == '\t'))
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
        consumeComma();
        return field;
    }

    // Counts the fields still to come without keeping them: a long line costs no memory.
    int skipRest() {
        int count = 0;
        while (!done_) {
            skipBlanks();
            if (peek() == '"') {
                ++position_;
                while (position_ < line_.size()) {
                    if (line_[position_++] == '"') {
                        if (peek() != '"')
                            break;
                        ++position_;
                    }
                }
            }
            skipToComma();
            consumeComma();
            ++count;
        }
        return count;
    }

  private:
    char peek() const { return position_ < line_.size() ? line_[position_] : '\0'; }
    void skipBlanks() {
        while (peek() == ' ' || peek() == '\t')
            ++position_;
    }
    void skipToComma() { position_ = std::min(line_.find(',', position_), line_.size()); }
    void consumeComma() {
        if (position_ < line_.size())
            ++position_;
        else
            done_ = true;
    }

    std::string_view line_;
    std::size_t position_ = 0;
    bool done_ = false;
};

std::vector<Field> allFields(std::string_view line, std::size_t most) {
    std::vector<Field> fields;
    FieldReader reader(line);
    while (!reader.atEnd() && fields.size() < most)
        fields.push_back(reader.next());
    return fields;
}

bool isEmptyLine(std::string_view line) {
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

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
    return {false, 0, std::string("not a recording file: ") + what, {}};
}

// The four header lines: the title with the date and time, an empty line, the seven column
// titles, an empty line. Returns why they are not, or nothing.
const char* headerProblem(LineReader& lines) {
    const std::vector<Field> first = allFields(lines.next(), 4);
    if (first.size() != 3 || first[1].kind != Field::kDate || first[2].kind != Field::kDate)
        return "the first line has no title, date and time";
    if (lines.atEnd() || !isEmptyLine(lines.next()))
        return "the second line is not empty";
    const std::vector<Field> titles = allFields(lines.next(), kFieldsPerRow + 1);
    if (titles.size() != kFieldsPerRow ||
        !std::all_of(titles.begin(), titles.end(),
                     [](const Field& title) { return title.kind == Field::kText; }))
        return "the third line does not hold the seven column titles";
    if (lines.atEnd() || !isEmptyLine(lines.next()))
        return "the fourth line is not empty";
    return nullptr;
}

// Lines of one kind that were read all the same, said once with the first of them.
struct OddLines {
    int first = 0;
    int fieldsOfFirst = 0;
    int count = 0;

    void add(int line, int fields) {
        if (count++ == 0) {
            first = line;
            fieldsOfFirst = fields;
        }
    }
    std::string describe(const char* moreOrFewer, const char* outcome) const {
        std::string text = "line " + std::to_string(first) + " has " +
                           std::to_string(fieldsOfFirst) +
                           (fieldsOfFirst == 1 ? " field" : " fields") + " instead of 7";
        if (count > 1)
            text += ", and " + std::to_string(count - 1) + " more " +
                    (count == 2 ? "line has " : "lines have ") + moreOrFewer + " than 7";
        return text + ": " + outcome;
    }
};

}  // namespace

RecordingReadResult readRecordingText(std::string_view text, RecordTable& table) {
    if (text.starts_with(kByteOrderMark))
        text.remove_prefix(kByteOrderMark.size());
    LineReader lines(text);
    if (const char* problem = headerProblem(lines))
        return headerError(problem);

    RecordingReadResult result{true, 0, {}, {}};
    OddLines longLines, shortLines;
    bool endReached = false;  // the end notice, or the table's last row with a line after it
    while (!lines.atEnd()) {
        const std::string_view line = lines.next();
        if (isEmptyLine(line))
            continue;
        FieldReader fields(line);
        const Field second = fields.next();  // the second of the run, not kept
        if (second.kind == Field::kText && second.text == kEndNotice) {
            endReached = true;
            break;
        }
        if (result.rows == RecordTable::kLastRow) {
            result.notes.push_back(
                "the file holds more than the " + std::to_string(RecordTable::kLastRow) +
                " rows a recording has: line " + std::to_string(lines.lineNumber()) +
                " and those after it were not read");
            endReached = true;
            break;
        }
        RecordRow row;
        int count = 1;
        for (int column : {kLoopPO2Column, kHandsetPO2Column, kDepthColumn, kSetpointColumn,
                           kLoopVolumeColumn, kStatusColumn}) {
            if (fields.atEnd())
                break;
            row[static_cast<std::size_t>(column)] = toValue(fields.next());
            ++count;
        }
        if (!fields.atEnd())
            longLines.add(lines.lineNumber(), count + fields.skipRest());
        else if (count < kFieldsPerRow)
            shortLines.add(lines.lineNumber(), count);
        table.row(++result.rows) = std::move(row);
    }

    if (longLines.count > 0)
        result.notes.push_back(
            longLines.describe("more", "only the first 7 fields of such a line were read"));
    if (shortLines.count > 0)
        result.notes.push_back(
            shortLines.describe("fewer", "the values such a line lacks are left empty"));
    if (!endReached)
        result.notes.push_back(std::string("the file ends without its last line \"") + kEndNotice +
                               "\": it may have been cut short");
    return result;
}

RecordingReadResult readRecordingFile(const std::filesystem::path& path, RecordTable& table) {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (std::filesystem::is_directory(status))
        return {false, 0, path.string() + " is a folder", {}};
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status))
        return {false, 0, path.string() + " is not a regular file", {}};
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return {false, 0, "cannot open " + path.string(), {}};
    // Read no further than the largest recording there can be: a file cannot make the
    // program wait or fill its memory.
    std::string text;
    if (const auto size = std::filesystem::file_size(path, error); !error)
        text.reserve(std::min<std::uintmax_t>(size, kLargestRecordingFile) + 1);
    std::array<char, 1 << 16> chunk;
    while (in && text.size() <= kLargestRecordingFile) {
        in.read(chunk.data(), chunk.size());
        text.append(chunk.data(), static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad())
        return {false, 0, "cannot read " + path.string(), {}};
    const bool cut = text.size() > kLargestRecordingFile;
    if (cut)
        text.resize(kLargestRecordingFile);
    RecordingReadResult result = readRecordingText(text, table);
    if (result.ok && cut)
        result.notes.insert(result.notes.begin(),
                            "the file is larger than a recording can be: only its first " +
                                std::to_string(kLargestRecordingFile >> 20) + " MB were read");
    return result;
}

std::optional<CalendarTime> recordingWrittenAt(std::string_view fileText) {
    const std::string firstLine(fileText.substr(0, fileText.find_first_of("\r\n")));
    const std::size_t date = firstLine.find(",#");
    CalendarTime t;
    char end = 0;
    if (date == std::string::npos ||
        std::sscanf(firstLine.c_str() + date, ",#%4d-%2d-%2d#,#%2d:%2d:%2d%c", &t.year, &t.month,
                    &t.day, &t.hour, &t.minute, &t.second, &end) != 7 ||
        end != '#')
        return std::nullopt;
    using namespace std::chrono;
    if (!year_month_day{year{t.year}, month{static_cast<unsigned>(t.month)},
                        day{static_cast<unsigned>(t.day)}}
             .ok() ||
        t.hour > 23 || t.minute > 59 || t.second > 59 || t.hour < 0 || t.minute < 0 || t.second < 0)
        return std::nullopt;
    return t;
}

}  // namespace loopsim
