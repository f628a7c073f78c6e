#include "files/LostSession.h"

#include <fstream>

#include "core/Format.h"
#include "files/FileText.h"
#include "files/ScenarioPlay.h"
#include "simulation/Simulation.h"

namespace loopsim {
namespace {

constexpr std::string_view kCommentStart = "# ";

// Calls visit(line) for each complete line, without its line end.
template <typename Visit>
void forEachLine(std::string_view text, Visit visit) {
    text = withoutByteOrderMark(completeLogLines(text));
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (!visit(line))
            return;
        text.remove_prefix(end + 1);
    }
}

bool isComment(std::string_view line) {
    return line.starts_with('#');
}

bool isBlank(std::string_view line) {
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

}  // namespace

std::string_view completeLogLines(std::string_view logText) {
    const std::size_t lastEnd = logText.rfind('\n');
    return lastEnd == std::string_view::npos ? std::string_view() : logText.substr(0, lastEnd + 1);
}

bool sessionLogIsUnfinished(std::string_view logText) {
    bool anyAction = false;
    std::string_view lastLine;
    forEachLine(logText, [&](std::string_view line) {
        if (isBlank(line))
            return true;
        anyAction = anyAction || !isComment(line);
        lastLine = line;
        return true;
    });
    const std::string endNote = std::string(kCommentStart) + kSessionEndedNote;
    const std::string rebuiltNote = std::string(kCommentStart) + kSessionRebuiltNote;
    return anyAction && lastLine != endNote && lastLine != rebuiltNote;
}

bool sessionEndedAtBailOut(std::string_view logText) {
    std::string_view before, last;
    forEachLine(logText, [&](std::string_view line) {
        if (!isBlank(line)) {
            before = last;
            last = line;
        }
        return true;
    });
    return before == std::string(kCommentStart) + kSessionBailedOutNote &&
           last == std::string(kCommentStart) + kSessionEndedNote;
}

MemorySettingsStore settingsNotedInLog(std::string_view logText) {
    MemorySettingsStore settings;
    bool inSettings = false;
    forEachLine(logText, [&](std::string_view line) {
        if (!isComment(line))
            return false;
        if (!line.starts_with(kCommentStart))
            return true;
        const std::string_view body = line.substr(kCommentStart.size());
        if (body == "[Settings]") {
            inSettings = true;
            return true;
        }
        const std::size_t equals = body.find('=');
        if (inSettings && equals != std::string_view::npos && equals > 0)
            settings.write(std::string(body.substr(0, equals)),
                           std::string(body.substr(equals + 1)));
        return true;
    });
    return settings;
}

std::vector<std::string> storedSettingsNote(const SettingsStore& startFrom) {
    std::vector<std::string> lines{"[Settings]"};
    for (const StoredSetting& setting : kStoredSettings)
        lines.push_back(std::string(setting.key) + "=" +
                        formatRoundTrip(readStoredNumber(startFrom, setting)));
    return lines;
}

namespace {

// Plays the whole log from the settings it notes; why not, when it cannot be played.
std::optional<std::string> playLog(std::string_view logText, Simulation& simulation) {
    const Scenario scenario = parseScenario(completeLogLines(logText), &simulation.input());
    if (scenario.error)
        return "line " + std::to_string(scenario.error->lineNumber) + ": " +
               scenario.error->message;
    if (auto refused = playScenario(simulation, scenario, std::nullopt, [] {}))
        return "line " + std::to_string(refused->lineNumber) + ": " + refused->message;
    return std::nullopt;
}

RebuiltRecording writeRecordingOf(const Simulation& simulation,
                                  const std::filesystem::path& recordingPath,
                                  const CalendarTime& written) {
    const int lastRow = simulation.state().RecordIndex;
    if (auto error =
            writeRecordingFile(recordingPath, simulation.recording().table(), lastRow, written))
        return {*error, 0};
    return {std::nullopt, std::min(lastRow, RecordTable::kLastRow)};
}

}  // namespace

RebuiltRecording rebuildRecordingFromLog(std::string_view logText,
                                         const std::filesystem::path& recordingPath,
                                         SettingsStore* settingsToSave,
                                         const CalendarTime& written) {
    MemorySettingsStore startSettings = settingsNotedInLog(logText);
    Simulation simulation(&startSettings);
    if (auto error = playLog(logText, simulation))
        return {*error, 0};
    if (simulation.dialogs().ending() == Ending::WithoutSaving)
        return {"the session ended by the bail-out exit, which keeps no recording", 0};
    if (settingsToSave)
        simulation.saveSettings(*settingsToSave);
    return writeRecordingOf(simulation, recordingPath, written);
}

RebuiltRecording recordingForDebrief(std::string_view logText,
                                     const std::filesystem::path& recordingPath,
                                     const CalendarTime& written) {
    MemorySettingsStore startSettings = settingsNotedInLog(logText);
    Simulation simulation(&startSettings);
    if (auto error = playLog(logText, simulation))
        return {*error, 0};
    return writeRecordingOf(simulation, recordingPath, written);
}

RebuiltRecording rebuildLostSession(const std::filesystem::path& logPath,
                                    const std::filesystem::path& recordingPath,
                                    SettingsStore* settingsToSave) {
    const auto logText = readFileText(logPath);
    if (!logText)
        return {"cannot read the session log " + logPath.string(), 0};
    RebuiltRecording rebuilt =
        rebuildRecordingFromLog(*logText, recordingPath, settingsToSave, localCalendarTime());
    if (!rebuilt.error) {
        // A line cut short goes, so the log stays a scenario the runner can play.
        std::error_code ignored;
        std::filesystem::resize_file(logPath, completeLogLines(*logText).size(), ignored);
        std::ofstream log(logPath, std::ios::binary | std::ios::app);
        log << kCommentStart << kSessionRebuiltNote << '\n';
    }
    return rebuilt;
}

std::optional<std::filesystem::path> setLogAside(const std::filesystem::path& logPath) {
    constexpr int kMostKept = 1000;
    std::error_code error;
    for (int n = 1; n <= kMostKept; ++n) {
        std::filesystem::path aside = logPath;
        aside.replace_filename(logPath.stem().string() + "-kept-" + std::to_string(n) +
                               logPath.extension().string());
        if (std::filesystem::symlink_status(aside, error).type() !=
            std::filesystem::file_type::not_found)
            continue;
        std::filesystem::rename(logPath, aside, error);
        return error ? std::nullopt : std::optional(aside);
    }
    return std::nullopt;
}

bool isLostSessionLog(const std::filesystem::path& logPath) {
    const auto logText = readFileText(logPath);
    return logText && sessionLogIsUnfinished(*logText);
}

}  // namespace loopsim
