#include "app/session/ScenarioFileLog.h"

#include "files/Scenario.h"

namespace loopsim {

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

bool ScenarioFileLog::ensureOpen() {
    if (opened_)
        return out_.good();
    opened_ = true;
    out_.open(path_, std::ios::binary | std::ios::trunc);
    if (!out_)
        error_ = "cannot write the session log " + path_.string();
    return out_.good();
}

void ScenarioFileLog::writeLine(const std::string& line) {
    if (finished_ || !ensureOpen())
        return;
    out_ << line << '\n';
    out_.flush();
    if (!out_ && !error_)
        error_ = "cannot write the session log " + path_.string();
}

}  // namespace loopsim
