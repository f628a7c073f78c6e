#include "drills/DrillParser.h"

#include <algorithm>
#include <array>
#include <set>

#include "core/Format.h"
#include "core/MessageExcerpt.h"
#include "core/SettingsStore.h"
#include "drills/FailureLine.h"
#include "drills/PassMarks.h"
#include "drills/Quantities.h"
#include "files/FileText.h"

namespace loopsim {
namespace {

enum class Section { None, Drill, Briefing, Notes, Settings, Start, Failures, PassMarks };

struct SectionName {
    std::string_view name;
    Section section;
};
constexpr std::array<SectionName, 7> kSections{{
    {"drill", Section::Drill},
    {"briefing", Section::Briefing},
    {"notes", Section::Notes},
    {"settings", Section::Settings},
    {"start", Section::Start},
    {"failures", Section::Failures},
    {"pass marks", Section::PassMarks},
}};

// Blank lines at either end of a text are no part of it.
std::string withoutBlankEnds(std::string text) {
    const auto first = text.find_first_not_of('\n');
    if (first == std::string::npos)
        return {};
    text.erase(0, first);
    text.erase(text.find_last_not_of('\n') + 1);
    return text;
}

class DrillReader {
  public:
    explicit DrillReader(const InputRouter* router) : router_(router) {}

    DrillRead read(std::string_view text);

  private:
    std::optional<std::string> readLine(std::string_view line);
    std::optional<std::string> readHeader(std::string_view line);
    std::optional<std::string> readDrillKey(std::string_view line);
    std::optional<std::string> readSetting(std::string_view line);
    std::optional<DrillError> readStart();
    std::optional<DrillError> checkWhole() const;

    const InputRouter* router_;
    Drill drill_;
    Section section_ = Section::None;
    int lineNumber_ = 0;
    std::set<Section> seenSections_;
    std::set<std::string> seenKeys_;
    int drillHeaderLine_ = 0;
    int passMarksLine_ = 0;
    std::optional<int> takeoverLine_;
    bool haveLength_ = false;
    Millis length_ = 0;
    std::string startText_;  // the file with every line outside [start] left blank
};

DrillRead DrillReader::read(std::string_view text) {
    text = withoutByteOrderMark(text);
    while (!text.empty()) {
        ++lineNumber_;
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (section_ == Section::Start && trimBlanks(line).substr(0, 1) != "[")
            startText_ += line;
        startText_ += '\n';
        if (auto error = readLine(line))
            return {{}, DrillError{lineNumber_, *error}};
    }
    drill_.briefing = withoutBlankEnds(std::move(drill_.briefing));
    drill_.notes = withoutBlankEnds(std::move(drill_.notes));
    if (auto error = readStart())
        return {{}, error};
    if (auto error = checkWhole())
        return {{}, error};
    if (!takeoverLine_ && !drill_.start.empty())
        drill_.takeover = drill_.start.back().time;
    drill_.end = drill_.takeover + length_;
    if (drill_.end > kLatestScenarioTime)
        return {{},
                DrillError{std::max(drillHeaderLine_, 1),
                           "the drill ends past " + formatScenarioTime(kLatestScenarioTime) +
                               " s, the latest a session may have"}};
    return {std::move(drill_), std::nullopt};
}

std::optional<std::string> DrillReader::readLine(std::string_view line) {
    const std::string_view text = trimBlanks(line);
    if (!text.empty() && text.front() == '#')
        return std::nullopt;
    if (!text.empty() && text.front() == '[')
        return readHeader(text);
    switch (section_) {
        case Section::Briefing:
        case Section::Notes: {
            std::string& words = section_ == Section::Briefing ? drill_.briefing : drill_.notes;
            words += std::string(text) + "\n";
            return std::nullopt;
        }
        case Section::Start:
            return std::nullopt;  // read whole once the file is read
        default:
            break;
    }
    if (text.empty())
        return std::nullopt;
    switch (section_) {
        case Section::None:
            return "a drill starts with its [drill] section, not " + quotedExcerpt(text);
        case Section::Drill:
            return readDrillKey(text);
        case Section::Settings:
            return readSetting(text);
        case Section::Failures: {
            FailureLineRead failure = readFailureLine(text);
            failure.failure.lineNumber = lineNumber_;
            drill_.failures.push_back(failure.failure);
            return failure.error;
        }
        case Section::PassMarks: {
            PassMarkRead mark = readPassMark(text);
            mark.mark.lineNumber = lineNumber_;
            drill_.marks.push_back(mark.mark);
            return mark.error;
        }
        default:
            return std::nullopt;
    }
}

std::optional<std::string> DrillReader::readHeader(std::string_view line) {
    if (line.back() != ']')
        return "a section's name is closed by ']': " + quotedExcerpt(line);
    const std::string_view name = trimBlanks(line.substr(1, line.size() - 2));
    const auto found =
        std::find_if(kSections.begin(), kSections.end(),
                     [name](const SectionName& entry) { return entry.name == name; });
    if (found == kSections.end())
        return "unknown section " + quotedExcerpt(line) +
               ": the sections are [drill], [briefing], [notes], [settings], [start], "
               "[failures] and [pass marks]";
    if (!seenSections_.insert(found->section).second)
        return "a second " + quotedExcerpt(line) + " section";
    section_ = found->section;
    if (section_ == Section::Drill)
        drillHeaderLine_ = lineNumber_;
    if (section_ == Section::PassMarks)
        passMarksLine_ = lineNumber_;
    return std::nullopt;
}

std::optional<std::string> DrillReader::readDrillKey(std::string_view line) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos)
        return "a [drill] line is 'title = ...', 'takeover = ...' or 'length = ...', not " +
               quotedExcerpt(line);
    const std::string key(trimBlanks(line.substr(0, equals)));
    const std::string_view value = trimBlanks(line.substr(equals + 1));
    if (key != "title" && key != "takeover" && key != "length")
        return "unknown key " + quotedExcerpt(key) +
               ": a drill has a title, a takeover and a length";
    if (!seenKeys_.insert(key).second)
        return "the drill's " + key + " is given twice";
    if (key == "title") {
        if (value.empty())
            return std::string("the title is empty");
        drill_.title = std::string(value);
        return std::nullopt;
    }
    WordCursor words(value);
    const TimeRead time = readTime(words);
    if (time.error)
        return "the " + key + ": " + *time.error;
    if (!words.atEnd())
        return "unexpected " + quotedExcerpt(words.rest()) + " after the " + key;
    if (key == "takeover") {
        drill_.takeover = time.time;
        takeoverLine_ = lineNumber_;
    } else {
        if (time.time == 0)
            return std::string("a drill lasts longer than 0 s");
        length_ = time.time;
        haveLength_ = true;
    }
    return std::nullopt;
}

std::optional<std::string> DrillReader::readSetting(std::string_view line) {
    const std::size_t equals = line.find('=');
    const std::string key(trimBlanks(line.substr(0, equals)));
    const auto setting =
        std::find_if(std::begin(kStoredSettings), std::end(kStoredSettings),
                     [&key](const StoredSetting& stored) { return key == stored.key; });
    if (equals == std::string_view::npos || setting == std::end(kStoredSettings))
        return "a setting is CO2, LeftTimer, LeftBattery or RightBattery = a number, not " +
               quotedExcerpt(line);
    const std::string_view value = trimBlanks(line.substr(equals + 1));
    const auto number = parseNumber(value);
    if (!number || *number < setting->lowest || *number > setting->highest)
        return key + " is a number from " + formatPlain(setting->lowest) + " to " +
               formatPlain(setting->highest) + ", not " + quotedExcerpt(value);
    if (!drill_.settings.emplace(key, std::string(value)).second)
        return key + " is set twice";
    return std::nullopt;
}

std::optional<DrillError> DrillReader::readStart() {
    Scenario start = parseScenario(startText_, router_);
    if (start.error)
        return DrillError{start.error->lineNumber, start.error->message};
    for (const ScenarioLine& line : start.lines) {
        if (line.action.verb == Verb::Exit || line.action.verb == Verb::End)
            return DrillError{line.lineNumber, "the start cannot end the session with '" +
                                                   std::string(verbName(line.action.verb)) +
                                                   "': the trainee takes over after it"};
    }
    drill_.start = std::move(start.lines);
    return std::nullopt;
}

std::optional<DrillError> DrillReader::checkWhole() const {
    const int headerLine = std::max(drillHeaderLine_, 1);
    if (drill_.title.empty())
        return DrillError{headerLine, "the drill has no title: write 'title = ...' under [drill]"};
    if (!haveLength_)
        return DrillError{headerLine,
                          "the drill has no length: write 'length = 10 min' under [drill]"};
    const Millis lastStart = drill_.start.empty() ? 0 : drill_.start.back().time;
    if (takeoverLine_ && drill_.takeover < lastStart)
        return DrillError{*takeoverLine_, "the takeover at " + formatDrillTime(drill_.takeover) +
                                              " comes before the start's last line, at " +
                                              formatDrillTime(lastStart)};
    for (const DrillFailure& failure : drill_.failures) {
        const int answered = failure.trigger.answered;
        const bool injected =
            std::any_of(drill_.failures.begin(), drill_.failures.end(),
                        [answered](const DrillFailure& other) { return other.option == answered; });
        if (failure.trigger.kind == DrillTrigger::Kind::AfterAnswered && !injected)
            return DrillError{failure.lineNumber,
                              "it waits for an answer to a failure this drill does not inject"};
    }
    if (drill_.marks.empty())
        return DrillError{passMarksLine_ > 0 ? passMarksLine_ : headerLine,
                          "the drill has no pass marks: list them under [pass marks]"};
    return std::nullopt;
}

}  // namespace

DrillRead parseDrill(std::string_view text, const InputRouter* router) {
    return DrillReader(router).read(text);
}

DrillFileRead loadDrillFile(const std::filesystem::path& path, const std::string& name,
                            const InputRouter* router) {
    DrillFileRead file;
    const auto text = readFileText(path);
    if (!text) {
        file.error = name + ": cannot read the drill file";
        return file;
    }
    file.text = *text;
    DrillRead read = parseDrill(file.text, router);
    if (read.error)
        file.error =
            name + ":" + std::to_string(read.error->lineNumber) + ": " + read.error->message;
    else
        file.drill = std::move(read.drill);
    return file;
}

}  // namespace loopsim
