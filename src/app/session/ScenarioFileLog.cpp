#include "app/session/ScenarioFileLog.h"

#include <cerrno>
#include <system_error>

#include "files/RecordingFile.h"
#include "files/Scenario.h"

namespace loopsim {
namespace {

// Why path cannot be made or written, given the error number of the failed attempt.
std::string whyNotWritable(const std::filesystem::path& path, int error) {
    std::error_code ignored;
    if (std::filesystem::is_directory(path, ignored))
        return "a folder of that name is in its place";
    if ((error == EACCES || error == EROFS) && !std::filesystem::exists(path, ignored))
        return "the folder " + std::filesystem::absolute(path, ignored).parent_path().string() +
               " is read-only, so Exit cannot save the recording file " + kRecordingFileName +
               " there either";
    return std::generic_category().message(error);
}

}  // namespace

ScenarioFileLog::ScenarioFileLog(std::filesystem::path path) : path_(std::move(path)) {}

void ScenarioFileLog::note(const std::string& text) {
    writeLine("# " + text);
}

void ScenarioFileLog::record(Millis time, const Action& action) {
    writeLine(formatScenarioLine(time, action));
}

void ScenarioFileLog::finish() {
    if (opened_ && !finished_)
        note(kSessionEndedNote);
    finished_ = true;
    out_.close();
}

void ScenarioFileLog::reopen() {
    out_.close();
    out_.clear();
    opened_ = false;
    finished_ = false;
    error_.reset();
}

bool ScenarioFileLog::ensureOpen() {
    if (opened_)
        return out_.good();
    opened_ = true;
    errno = 0;
    out_.open(path_, std::ios::binary | std::ios::trunc);
    if (!out_)
        error_ = whyNotWritable(path_, errno);
    return out_.good();
}

void ScenarioFileLog::writeLine(const std::string& line) {
    if (finished_ || !ensureOpen())
        return;
    errno = 0;
    out_ << line << '\n';
    out_.flush();
    if (!out_ && !error_)
        error_ = whyNotWritable(path_, errno);
}

}  // namespace loopsim
